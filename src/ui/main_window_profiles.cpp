// SPDX-License-Identifier: MIT
#include "core/util/translatable.h"
#include "ui/keyboard_port.h"
#include "ui/main_window_controller.h"

namespace vantrel::ui {

bool MainWindowController::editsPending() const {
    return model_.image() != model_.syncedImage() ||
           model_.assignments() != model_.syncedAssignments();
}

bool MainWindowController::keyboardReady() const {
    return ports_.device != nullptr && ports_.device->present() && connected_;
}

void MainWindowController::sendConfiguration(const ConfigImage& image, const AssignmentTable& table,
                                             std::function<void(Status)> done) {
    if (!keyboardReady() || busy()) {
        done(
            keyboardReady()
                ? makeError(ErrorCode::Busy,
                            MessageText{VANTREL_TR_NOOP("CoreMessage", "the keyboard is busy"), {}})
                : makeError(ErrorCode::NoDevice,
                            MessageText{VANTREL_TR_NOOP("CoreMessage", "no keyboard"), {}}));
        return;
    }
    beginDeviceWork();
    ports_.device->apply(image, model_.syncedImage(),
                         [this, table, done = std::move(done)](Result<ApplyOutcome> r) {
                             endDeviceWork();
                             if (!r.ok()) {
                                 repaint();
                                 done(r.error());
                                 return;
                             }
                             model_.image() = r->image;
                             model_.assignments() = table;
                             model_.syncImage();
                             model_.syncAssignments();
                             // As after the profile manager: sliders, marks, keymap.bin.
                             readBackDone(1);
                             done(Status::success());
                         });
}

void MainWindowController::setProfileNotice(const QString& text) {
    profileNotice_ = text;
    repaint();
}

} // namespace vantrel::ui
