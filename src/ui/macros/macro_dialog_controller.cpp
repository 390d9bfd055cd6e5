// SPDX-License-Identifier: MIT
#include "ui/macros/macro_dialog_controller.h"

#include "core/layout/macro_dialog_layout.h"
#include "ui/macros/macro_menu.h"
#include "ui/skin/interface_text.h"

#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QWidget>

namespace vantrel::ui {
namespace {

namespace md = vantrel::layout::macro_dialog;

constexpr std::uint8_t kVkEscape = 0x1B;

QStringList toLines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) {
        out << fromUtf8(l);
    }
    return out;
}

QStringList toLines(const std::vector<std::u16string>& names) {
    QStringList out;
    for (const auto& n : names) {
        out << QString::fromStdU16String(n);
    }
    return out;
}

struct MouseCommand {
    int id;
    MouseButton button;
    MouseAction action;
};
constexpr MouseCommand kMouseCommands[] = {
    {macro_menu::kLeftDown, MouseButton::Left, MouseAction::Down},
    {macro_menu::kLeftUp, MouseButton::Left, MouseAction::Up},
    {macro_menu::kLeftClick, MouseButton::Left, MouseAction::Click},
    {macro_menu::kRightDown, MouseButton::Right, MouseAction::Down},
    {macro_menu::kRightUp, MouseButton::Right, MouseAction::Up},
    {macro_menu::kRightClick, MouseButton::Right, MouseAction::Click},
    {macro_menu::kMiddleDown, MouseButton::Middle, MouseAction::Down},
    {macro_menu::kMiddleUp, MouseButton::Middle, MouseAction::Up},
    {macro_menu::kMiddleClick, MouseButton::Middle, MouseAction::Click},
};

} // namespace

MacroDialogController::MacroDialogController(const KeyNameTable& names, MonotonicClock clock,
                                             SkinPainter& painter, UiLanguage language,
                                             KeyHook& hook, DialogHost& host)
    : manager_(names, std::move(clock)), painter_(painter), language_(language), hook_(hook),
      host_(host), hover_(md::kNone) {}

MacroDialogController::~MacroDialogController() {
    removeHook();
}

QString MacroDialogController::caption() const {
    return tr("Macro manager", "message caption");
}

void MacroDialogController::open(const MacroTable& master) {
    removeHook();
    kept_ = false;
    manager_.open(master);
    refresh();
}

void MacroDialogController::refresh() {
    if (widgets_) {
        widgets_->showMacros(toLines(manager_.names()), manager_.selected());
        widgets_->showLoop(fromUtf8(manager_.loopText()), manager_.loopOn());
    }
    showEvents();
    syncHook();
    host_.repaint();
}

void MacroDialogController::showEvents() {
    if (widgets_) {
        const MacroRecorder& ev = manager_.events();
        widgets_->showEvents(toLines(ev.lines()), ev.selectedLine());
    }
}

void MacroDialogController::syncHook() {
    const bool wanted = manager_.listening();
    if (wanted && !hookInstalled_) {
        // The receiver may be called from the hook's own thread; the
        // recording state belongs to the window's.
        QPointer<QWidget> window = window_;
        hookInstalled_ = hook_.installhook(
            window_, KeyHook::kPressesAndReleases, [this, window](MacroEventRecorded e) {
                if (window && QThread::currentThread() != window->thread()) {
                    QMetaObject::invokeMethod(
                        window, [this, e] { keyEvent(e); }, Qt::QueuedConnection);
                    return;
                }
                keyEvent(e);
            });
        if (!hookInstalled_) {
            // Saying "stop recording" while nothing records would lie.
            manager_.stopListening();
            host_.inform(tr("Key presses cannot be captured; recording has not started."),
                         caption());
        }
    } else if (!wanted && hookInstalled_) {
        removeHook();
    }
}

void MacroDialogController::tell(const QString& text, const QString& caption) {
    // Keys pressed to answer a message box are no part of the macro.
    removeHook();
    host_.inform(text, caption);
    syncHook();
}

bool MacroDialogController::ask(const QString& text, const QString& caption) {
    removeHook();
    const bool ok = host_.confirm(text, caption);
    syncHook();
    return ok;
}

void MacroDialogController::removeHook() {
    if (hookInstalled_) {
        hook_.removehook();
        hookInstalled_ = false;
    }
}

void MacroDialogController::closing() {
    manager_.stopListening();
    removeHook();
}

void MacroDialogController::selectMacro(int index) {
    // A list that lost its selection chose nothing.
    if (index < 0 || index == manager_.selected()) {
        return;
    }
    manager_.select(index);
    refresh();
}

void MacroDialogController::selectEventLine(int line) {
    manager_.events().select(line);
}

void MacroDialogController::loopTextChanged(const QString& text) {
    const std::string typed = text.toStdString();
    const std::string& shown = manager_.setLoopText(typed);
    if (widgets_ && shown != typed) {
        widgets_->showLoop(fromUtf8(shown), manager_.loopOn());
    }
}

bool MacroDialogController::acceptName(const QString& name) {
    const std::u16string n = name.toStdU16String();
    if (MacroManager::checkName(n).ok()) {
        return true;
    }
    // Refused whole: a cut name would be a name the user never typed.
    tell(tr("A macro name holds at most 254 characters; this one has %1.").arg(n.size()),
         caption());
    return false;
}

void MacroDialogController::renamed(int index, const QString& name) {
    if (!manager_.rename(index, name.toStdU16String()).ok() && widgets_) {
        widgets_->showMacros(toLines(manager_.names()), manager_.selected());
    }
}

void MacroDialogController::record() {
    escapeStroke_ = 0;
    if (!manager_.toggleRecording()) {
        tell(tr("Choose the macro to record into"),
             tr("Macro manager", "caption of the recording warning"));
        return;
    }
    refresh();
}

void MacroDialogController::newMacro() {
    if (manager_.newMacro()) {
        refresh();
    }
}

void MacroDialogController::deleteMacro() {
    if (manager_.selected() < 0) {
        tell(tr("Choose the macro to delete"), caption());
        return;
    }
    if (!ask(tr("Delete the chosen macro?"), caption())) {
        return;
    }
    manager_.deleteSelected();
    refresh();
}

void MacroDialogController::ok() {
    manager_.confirm();
    removeHook();
    kept_ = true;
    host_.finish(true);
}

void MacroDialogController::cancel() {
    closing();
    kept_ = false;
    host_.finish(false);
}

bool MacroDialogController::escape() {
    cancel();
    return true;
}

void MacroDialogController::closeBox() {
    // OK for the caller, but the master table stays as it was.
    closing();
    kept_ = false;
    host_.finish(true);
}

void MacroDialogController::report(MacroEdit edit) {
    switch (edit) {
    case MacroEdit::OnDelayLine:
        tell(tr("Edit the delay itself"), caption());
        break;
    case MacroEdit::NoRoom:
        tell(tr("The macro is full: it holds at most 190 bytes of events."), caption());
        break;
    default: // nothing selected, or the last line: nothing to do
        break;
    }
}

void MacroDialogController::command(int id) {
    for (const MouseCommand& m : kMouseCommands) {
        if (m.id == id) {
            report(manager_.insertMouse(m.button, m.action));
            refresh();
            return;
        }
    }
    switch (id) {
    case macro_menu::kRecordBefore:
        manager_.recordBefore();
        break;
    case macro_menu::kRecordAfter:
        manager_.recordAfter();
        break;
    case macro_menu::kInsertDelay:
        report(manager_.insertDelay());
        break;
    case macro_menu::kDeleteLine:
        report(manager_.deleteLine());
        break;
    default:
        return;
    }
    refresh();
}

void MacroDialogController::editStarted() {
    // Typing into the editor must not be recorded.
    manager_.stopListening();
    syncHook();
    host_.repaint();
}

void MacroDialogController::delayCommitted(int line, int value) {
    report(manager_.commitDelay(line, value));
    syncHook();
    host_.repaint();
}

bool MacroDialogController::stopsRecording(MacroEventRecorded event) {
    if (!manager_.events().recording() || event.virtualKey != kVkEscape) {
        escapeStroke_ = 0;
        return false;
    }
    if (event.release) {
        escapeStroke_ = escapeStroke_ == 1 ? 2 : 0;
        return false;
    }
    if (escapeStroke_ != 2) {
        escapeStroke_ = 1;
        beforeEscape_ = manager_.events().streams();
        return false;
    }
    escapeStroke_ = 0;
    manager_.stopRecordingAt(beforeEscape_);
    refresh(); // the hook goes with the recording
    return true;
}

void MacroDialogController::keyEvent(MacroEventRecorded event) {
    if (!hookInstalled_) {
        return; // late delivery after the hook went
    }
    if (stopsRecording(event)) {
        return;
    }
    manager_.keyEvent(event.virtualKey, event.release);
    showEvents();
    syncHook(); // the release ends the insert-record mode
    host_.repaint();
}

bool MacroDialogController::dragsFrom(int x, int y) const {
    return layout::hitTest(md::kRegions, x, y, md::kNone) == md::kNone;
}

void MacroDialogController::release(int x, int y) {
    switch (layout::hitTest(md::kRegions, x, y, md::kNone)) {
    case md::kRecord:
        record();
        break;
    case md::kRecordDelays:
        manager_.toggleRecordDelays();
        host_.repaint();
        break;
    case md::kLoop:
        manager_.toggleLoop();
        refresh();
        break;
    case md::kNew:
        newMacro();
        break;
    case md::kDelete:
        deleteMacro();
        break;
    case md::kOk:
        ok();
        break;
    case md::kCancel:
        cancel();
        break;
    case md::kCloseBox:
        closeBox();
        break;
    default:
        break;
    }
}

void MacroDialogController::hover(int x, int y) {
    if (hover_.moveTo(layout::hitTest(md::kRegions, x, y, md::kNone))) {
        host_.repaint();
    }
}

void MacroDialogController::leave() {
    if (!hover_.overNothing()) {
        hover_.leave();
        host_.repaint();
    }
}

} // namespace vantrel::ui
