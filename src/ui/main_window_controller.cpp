// SPDX-License-Identifier: MIT
#include "ui/main_window_controller.h"

#include "core/device/command_codes.h"
#include "core/device/model_updates.h"
#include "core/layout/main_window_layout.h"
#include "core/lighting/effect_tables.h"
#include "core/model/firmware_check.h"
#include "core/model/key_picture_table.h"
#include "ui/dialog_commands.h"
#include "ui/key_action_launcher.h"
#include "ui/keyboard_port.h"
#include "ui/lighting/lighting_controller.h"
#include "ui/lighting/lighting_panel.h"
#include "ui/skin/interface_text.h"
#include "ui/updater_launcher.h"
#include "ui/user_prompts.h"
#include "ui/window_shell.h"

#include <QPoint>

namespace vantrel::ui {

using namespace vantrel::layout;

namespace {

// A firmware question from core, in the interface language.
bool confirmPrompt(UserPrompts& prompts, const FirmwarePrompt& prompt) {
    return prompts.confirm(QCoreApplication::translate(prompt.context, prompt.text),
                           QCoreApplication::translate(prompt.context, prompt.caption));
}

} // namespace

MainWindowController::MainWindowController(ConfiguratorModel& model, DataFolder folder,
                                           SkinPainter& painter, Ports ports, UiLanguage language)
    : model_(model), folder_(std::move(folder)), painter_(painter), ports_(ports),
      language_(language) {}

QSize MainWindowController::windowSize() {
    return painter_.store().size(QStringLiteral("main.png"));
}

int MainWindowController::hitTestButton(int x, int y) const {
    return HitTestButton(x, y, model_.image().lightEffect());
}

int MainWindowController::hitTestKey(int x, int y) const {
    return HitTestKey(x, y, state_.perKeyColourView);
}

void MainWindowController::repaint() {
    ++repaintRequests_;
    if (ports_.shell) {
        ports_.shell->repaint();
    }
}

// --- input ---------------------------------------------------------------

void MainWindowController::mousePress(int x, int y) {
    if (busy()) {
        return;
    }
    // The sliders are controls of their own: a press on one never starts a
    // rubber band.
    if (Slider* s = sliders_.at(x, y)) {
        activeSlider_ = s;
        setSliderPosition(s->id, s->positionAt(x));
        return;
    }
    state_.bandAnchorX = x;
    state_.bandAnchorY = y;
    state_.bandX = 0;
    state_.bandY = 0;
    state_.buttonHeld = true;
}

void MainWindowController::mouseMove(int x, int y, bool leftDown) {
    if (!leftDown) {
        // The release may have happened outside the window (or during a
        // system move): forget the held button.
        state_.buttonHeld = false;
        activeSlider_ = nullptr;
    }
    if (activeSlider_) {
        setSliderPosition(activeSlider_->id, activeSlider_->positionAt(x));
        return;
    }
    state_.bandX = x;
    state_.bandY = y;

    // An open effect list takes the hover of its rows.
    const bool effectList = state_.effectListOpen;
    if (effectList || state_.wristListOpen) {
        int& hovered = effectList ? state_.hoveredEffectItem : state_.hoveredWristItem;
        const int item = effectList ? LightingController::keyboardListItemAt(x, y)
                                    : LightingController::wristListItemAt(x, y);
        if (item != kNoItem) {
            if (item != hovered) {
                hovered = item;
                repaint();
            }
            return;
        }
        hovered = kNoItem;
    }

    if (state_.buttonHeld) {
        const int c = hitTestButton(x, y);
        const int k = hitTestKey(x, y);
        if (c < 0 && k < 0 && !state_.effectListOpen && !state_.wristListOpen &&
            y >= kTopStripFirstY && y <= kTopStripLastY) {
            state_.buttonHeld = false;
            if (ports_.shell) {
                ports_.shell->startSystemMove();
            }
        } else if (c == kCmdFirstSwatch) {
            // A drag over the first swatch changes nothing: the speed has
            // its own slider.
        } else {
            rubberBand();
            return;
        }
    }
    hover(x, y);
}

void MainWindowController::rubberBand() {
    state_.selection = SelectionState::Idle;
    const auto& keys = KeyPictureTable();
    bool any = false;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto& k = keys[i];
        const bool inside = state_.bandAnchorX <= k.left + kKeyboardPictureX &&
                            k.right + kKeyboardPictureX <= state_.bandX &&
                            state_.bandAnchorY <= k.top + kKeyboardPictureY &&
                            k.bottom + kKeyboardPictureY <= state_.bandY;
        state_.keySelected[i] = inside;
        any = any || inside;
    }
    if (any) {
        state_.selection = SelectionState::Banding;
    }
    repaint();
}

void MainWindowController::hover(int x, int y) {
    const int k = hitTestKey(x, y);
    const int key = k < 0 ? kNoKey : k;
    state_.hoveredKey = key;
    if (key != state_.lastHoveredKey) {
        state_.lastHoveredKey = key;
        repaint();
        return;
    }
    if (key != kNoKey) {
        return;
    }
    if (hitTestButton(x, y) >= 0 || state_.hoveredEffectItem != kNoItem ||
        state_.hoveredWristItem != kNoItem) {
        repaint();
    }
}

void MainWindowController::ctrlPressed() {
    state_.ctrlHeld = true;
}

void MainWindowController::ctrlReleased() {
    state_.ctrlHeld = false;
    if (state_.anyKeySelected()) {
        state_.selection = SelectionState::Waiting;
    }
}

void MainWindowController::mouseRelease(int x, int y) {
    state_.bandAnchorX = state_.bandAnchorY = state_.bandX = state_.bandY = 0;
    state_.buttonHeld = false;
    if (activeSlider_) {
        activeSlider_ = nullptr;
        return;
    }
    if (!busy()) {
        release(x, y);
    }
    repaint();
}

void MainWindowController::release(int x, int y) {
    if (state_.effectListOpen) {
        if (ports_.lighting) {
            ports_.lighting->keyboardListClick(QPoint(x, y));
        }
        return;
    }
    if (state_.wristListOpen) {
        if (ports_.lighting) {
            ports_.lighting->wristListClick(QPoint(x, y));
        }
        return;
    }
    if (state_.helpMenuOpen) {
        helpMenuRelease(x, y);
        return;
    }
    runCommand(hitTestButton(x, y));
    if (busy()) {
        return; // the command started device work; the click is spent
    }
    const int k = hitTestKey(x, y);
    state_.hoveredKey = k < 0 ? kNoKey : k;
    if (k < 0) {
        if (state_.selection == SelectionState::Banding) {
            state_.selection = SelectionState::Waiting;
        }
    } else if (!state_.perKeyColourView) {
        if (ports_.dialogs) {
            ports_.dialogs->assignKey(k);
        }
    } else if (ports_.lighting) {
        ports_.lighting->perKeyColourClick(k);
    }
}

// --- commands --------------------------------------------------------------

void MainWindowController::runCommand(int c) {
    if (busy()) {
        return;
    }
    if (isLightingCommand(c)) {
        if (ports_.lighting) {
            ports_.lighting->command(c);
        }
        return;
    }
    ConfigImage& image = model_.image();
    switch (c) {
    case kCmdHelp:
        state_.helpMenuOpen = true;
        break;
    case kCmdMinimise:
        if (ports_.shell) {
            ports_.shell->hideWindow();
        }
        break;
    case kCmdClose:
        close();
        break;
    case kCmdGameMode:
        image.setGameMode(static_cast<std::uint8_t>((image.gameMode() + 1) % 2));
        break;
    case kCmdWinLock:
        image.setWinLock(static_cast<std::uint8_t>((image.winLock() + 1) % 2));
        break;
    case kCmdProfiles:
        if (ports_.dialogs) {
            ports_.dialogs->profiles();
        }
        // Whatever the profile manager did, the window shows the image again
        // once the dialog has gone: sliders, marks, keymap.bin.
        if (ports_.shell) {
            ports_.shell->after(kProfilesRefreshDelayMs, [this] { readBackDone(1); });
        } else {
            readBackDone(1);
        }
        break;
    case kCmdMacros:
        if (ports_.dialogs) {
            ports_.dialogs->macros();
        }
        break;
    case kCmdRevert:
        revert();
        break;
    case kCmdApply:
        apply();
        break;
    default:
        break;
    }
}

void MainWindowController::helpMenuRelease(int x, int y) {
    if (!kHelpMenu.contains(x, y)) {
        state_.helpMenuOpen = false;
        return;
    }
    const int item = (y - kHelpMenu.top) / kHelpItemHeight;
    state_.helpMenuOpen = false;
    if (item == 0) {
        const bool ok =
            ports_.prompts &&
            ports_.prompts->confirm(tr("Restore the factory settings?"), tr("Factory settings"));
        if (ok) {
            factoryReset();
        }
    } else if (item == 1) {
        const auto prompt = driverUpdatePrompt();
        if (ports_.prompts && confirmPrompt(*ports_.prompts, prompt)) {
            launchUpdater();
        }
    }
}

void MainWindowController::saveWorkingState() {
    informSaveFailure(SaveKeymapFile(folder_.keymap(), model_.image(), model_.assignments()));
}

void MainWindowController::informSaveFailure(const Status& s) {
    if (!s.ok() && ports_.prompts) {
        ports_.prompts->inform(QString::fromStdString(s.error().message),
                               QStringLiteral("VANTREL"));
    }
}

void MainWindowController::close() {
    // Only what reached the keyboard is kept: unapplied edits are dropped.
    informSaveFailure(
        SaveKeymapFile(folder_.keymap(), model_.syncedImage(), model_.syncedAssignments()));
    if (ports_.shell) {
        ports_.shell->endProgram();
    }
}

void MainWindowController::revert() {
    if (ports_.shell) {
        ports_.shell->hideWindow();
    }
    model_.revert();
    // The sliders store their positions on every paint; they must show the
    // reverted values or the next paint would undo the revert.
    sliders_.loadFrom(model_.image());
    state_.perKeyColourView = model_.image().lightEffect() >= lighting::kFirstPerKeyEffect;
    saveWorkingState();
}

bool MainWindowController::requireKeyboard() {
    if (ports_.device && ports_.device->present()) {
        return true;
    }
    if (ports_.prompts) {
        ports_.prompts->inform(tr("No gaming keyboard!"), tr("Attention"));
    }
    return false;
}

void MainWindowController::beginDeviceWork() {
    busy_ = true;
    showBusy();
}

void MainWindowController::beginCommandWork() {
    beginDeviceWork();
}

void MainWindowController::endCommandWork() {
    endDeviceWork();
    readBackDone(1);
}

void MainWindowController::endDeviceWork() {
    busy_ = false;
    showBusy();
}

void MainWindowController::setAwaitingReadBack(bool awaiting) {
    if (awaiting != awaitingReadBack_) {
        awaitingReadBack_ = awaiting;
        showBusy();
    }
}

void MainWindowController::showBusy() {
    if (ports_.shell) {
        ports_.shell->setBusy(busy());
    }
}

void MainWindowController::apply() {
    if (!requireKeyboard()) {
        return;
    }
    beginDeviceWork();
    ports_.device->apply(model_.image(), model_.syncedImage(), [this](Result<ApplyOutcome> r) {
        endDeviceWork();
        if (!r.ok()) {
            if (ports_.prompts) {
                ports_.prompts->inform(tr("Could not apply the settings: ") +
                                           QString::fromStdString(r.error().message),
                                       QStringLiteral("VANTREL"));
            }
            repaint();
            return;
        }
        model_.image() = r->image;
        model_.syncImage();
        model_.syncAssignments();
        saveWorkingState();
        repaint();
    });
}

void MainWindowController::factoryReset() {
    if (!requireKeyboard()) {
        return;
    }
    state_.perKeyColourView = false;
    beginDeviceWork();
    ports_.device->factoryReset([this](Result<DeviceSnapshot> r) {
        endDeviceWork();
        if (!r.ok()) {
            if (ports_.prompts) {
                ports_.prompts->inform(QString::fromStdString(r.error().message),
                                       tr("Factory settings"));
            }
            repaint();
            return;
        }
        applyFactoryResetToModel(model_, *r);
        model_.setFirmwareVersion(r->firmware);
        model_.setFirmwareVersionReply(r->versionReply);
        sliders_.loadPageSlidersFrom(model_.image());
        saveWorkingState();
        repaint();
    });
}

void MainWindowController::launchUpdater() {
    if (!ports_.updater) {
        return;
    }
    const Status s = ports_.updater->start();
    if (!s.ok() && ports_.prompts) {
        ports_.prompts->inform(QString::fromStdString(s.error().message),
                               QStringLiteral("Firmware Update"));
    }
}

// --- device events --------------------------------------------------------

void MainWindowController::deviceReadBack(const Result<DeviceSnapshot>& snapshot) {
    setAwaitingReadBack(false);
    if (!snapshot.ok()) {
        setDeviceNotice(QString::fromStdString(snapshot.error().message));
        return;
    }
    deviceNotice_.clear();
    applyReadBackToModel(model_, *snapshot);
    readBackDone(0);
}

void MainWindowController::readBackDone(int flag) {
    sliders_.loadFrom(model_.image());
    model_.recomputeMarks();
    saveWorkingState();
    repaint();
    if (flag == 0) {
        checkFirmwareVersion();
    }
}

void MainWindowController::deviceLighting(std::uint8_t type, std::uint8_t value) {
    // Shown, never sent back: both copies take the keyboard's value.
    if (!applyDeviceLighting(model_, type, value)) {
        return;
    }
    switch (type) {
    case note::kEffect:
    case note::kSpeed:
        setSliderPosition(kSliderSpeed, model_.image().lightSpeed());
        break;
    case note::kBrightness:
        setSliderPosition(kSliderBrightness, model_.image().lightBrightness());
        break;
    default:
        break;
    }
    if (ports_.lighting) {
        ports_.lighting->deviceLightingChanged(type);
    }
    repaint();
}

void MainWindowController::connectionChanged(bool connected) {
    connected_ = connected;
    // Every connection ends in a read-back (or its failure), whose image
    // replaces the window's: until then nothing may be edited or sent.
    setAwaitingReadBack(connected);
    if (connected) {
        deviceNotice_.clear(); // an old read failure no longer applies
    }
    repaint();
}

void MainWindowController::keyAction(std::uint8_t key) {
    if (!ports_.keyLauncher) {
        return;
    }
    const Status s = ports_.keyLauncher->launch(model_.assignments(), key);
    if (!s.ok() && ports_.prompts) {
        ports_.prompts->inform(tr("Could not start: ") + QString::fromStdString(s.error().message),
                               QStringLiteral("VANTREL"));
    }
}

void MainWindowController::setDeviceNotice(const QString& text) {
    deviceNotice_ = text;
    repaint();
}

void MainWindowController::setWatchNotice(const QString& text) {
    watchNotice_ = text;
    repaint();
}

void MainWindowController::checkFirmwareVersion() {
    if (!firmwareUpdateDue(model_.firmwareVersion(), model_.shippedVersion())) {
        return;
    }
    if (ports_.prompts && confirmPrompt(*ports_.prompts, firmwareUpdatePrompt())) {
        launchUpdater();
    }
}

// --- sliders ---------------------------------------------------------------

void MainWindowController::setSliderVisible(int id, bool visible) {
    if (Slider* s = sliders_.find(id)) {
        s->visible = visible;
    }
}

void MainWindowController::setSliderEnabled(int id, bool enabled) {
    if (Slider* s = sliders_.find(id)) {
        s->enabled = enabled;
    }
}

bool MainWindowController::sliderEnabled(int id) const {
    const Slider* s = sliders_.find(id);
    return s && s->enabled;
}

int MainWindowController::sliderPosition(int id) const {
    return sliders_.position(id);
}

void MainWindowController::setSliderPosition(int id, int position) {
    const int before = sliders_.position(id);
    sliders_.setPosition(id, position);
    if (Slider* s = sliders_.find(id); s && s->position != before) {
        // A moved slider changes the image at once; the keyboard gets it on
        // apply.
        SliderBank::store(*s, model_.image());
        repaint();
    }
}

} // namespace vantrel::ui
