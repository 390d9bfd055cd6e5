// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_connection.h"
#include "core/model/configurator_model.h"
#include "core/model/state_files.h"
#include "ui/access/access_region.h"
#include "ui/main_view_state.h"
#include "ui/panel_host.h"
#include "ui/skin/skin_painter.h"
#include "ui/slider_bank.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <functional>

namespace vantrel::ui {

class KeyboardPort;
class DialogCommands;
class KeyActionLauncher;
class LightingPanel;
class UpdaterLauncher;
class UserPrompts;
class WindowShell;

// Everything the main window does, without a screen: hit-testing, hover,
// rubber band, the release dispatcher and its commands, the device
// handlers, and the painting of the window's picture. The view feeds it
// input in client pixels and has it paint().
class MainWindowController : public PanelHost {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Ports {
        WindowShell* shell = nullptr;
        UserPrompts* prompts = nullptr;
        DialogCommands* dialogs = nullptr;
        LightingPanel* lighting = nullptr;
        KeyboardPort* device = nullptr;
        UpdaterLauncher* updater = nullptr;
        KeyActionLauncher* keyLauncher = nullptr;
    };

    MainWindowController(ConfiguratorModel& model, DataFolder folder, SkinPainter& painter,
                         Ports ports, UiLanguage language = {});

    // The lighting page is created after the window; set it before use.
    void setLightingPanel(LightingPanel* panel) { ports_.lighting = panel; }
    // The keyboard may be opened after the window exists.
    void setKeyboardPort(KeyboardPort* device) { ports_.device = device; }
    void setDialogs(DialogCommands* dialogs) { ports_.dialogs = dialogs; }

    MainViewState& state() { return state_; }
    const MainViewState& state() const { return state_; }
    SliderBank& sliders() { return sliders_; }
    ConfiguratorModel& model() { return model_; }
    UiLanguage language() const { return language_; }
    QSize windowSize();

    // Input, in client pixels. `leftDown` is the physical state of the left
    // button at the time of the move.
    void mousePress(int x, int y);
    void mouseMove(int x, int y, bool leftDown);
    void mouseRelease(int x, int y);
    void ctrlPressed();
    void ctrlReleased();

    int hitTestButton(int x, int y) const;
    int hitTestKey(int x, int y) const;

    // The pause between the end of the profile manager and the refresh.
    static constexpr int kProfilesRefreshDelayMs = 50;

    // True while a device sequence runs, and from a connection until its
    // read-back arrived (edits before it would act on an image that has not
    // been read yet); commands, clicks and sliders are refused meanwhile.
    bool busy() const { return busy_ || awaitingReadBack_; }

    // A command of vantrelctl runs on the keyboard for the window: busy
    // meanwhile, as for the window's own device work. At its end what it
    // changed is in the model, and the window shows it as after a read.
    void beginCommandWork();
    void endCommandWork();

    // Device events, on the window's thread.
    // A read of the keyboard finished: merge, sync, then refresh (flag 0).
    void deviceReadBack(const Result<DeviceSnapshot>& snapshot);
    // The refresh after a read (flag 0) or after the profiles (flag 1).
    void readBackDone(int flag);
    void deviceLighting(std::uint8_t type, std::uint8_t value);
    void connectionChanged(bool connected);
    // A launch key was pressed on the keyboard: start what it stands for; a
    // failure is told, never passed over.
    void keyAction(std::uint8_t key);
    void checkFirmwareVersion();

    // Commands that other parts (tray, tests) reach directly.
    void runCommand(int c);
    void apply();
    void revert();
    void close();
    void factoryReset();
    void launchUpdater();

    // A text shown on the window about the keyboard (simulated, missing).
    void setDeviceNotice(const QString& text);
    // A lasting problem shown after the device notice (the system's device
    // events cannot be watched).
    void setWatchNotice(const QString& text);
    // Profiles (main_window_profiles.cpp). Edits not yet applied: the image or
    // the assignments differ from what the keyboard was last given.
    bool editsPending() const;
    bool keyboardReady() const;
    // Sends a whole configuration (a profile) as apply does, without asking
    // anything; when the keyboard does not take it the window keeps what it
    // had, and `done` hears why.
    void sendConfiguration(const ConfigImage& image, const AssignmentTable& table,
                           std::function<void(Status)> done);
    // Which profile is active and how it came, on the status line.
    void setProfileNotice(const QString& text);
    // Why the window is on the simulated keyboard, said while it is.
    void setSimulationNotice(const QString& text) { simulationNotice_ = text; }

    // Composes the whole window onto the canvas, at `scale` device pixels
    // per logical pixel (the screen's device pixel ratio); the canvas has
    // that pixel ratio.
    // (For screenshots and tests: the window paints with paint() instead.)
    const QImage& compose(qreal scale = 1.0);
    const QImage& canvas() const { return canvas_; }
    // Paints the whole window with `p`, whose device has `scale` pixels per
    // logical pixel. The window paints straight into its backing store: a
    // canvas of its own would hold the whole window a second time.
    void paint(QPainter& p, qreal scale);
    // Decodes the background at `scale` now, before the window has a
    // buffer of its own: decoding holds a picture twice for a moment, and
    // that moment should not add to the buffer.
    void prepare(qreal scale) { background(scale); }
    // How many repaints were asked for (measured by the paint benchmark).
    int repaintRequests() const { return repaintRequests_; }

    // The window's regions as it shows them now, in reading order, for
    // assistive technology; activating one clicks its centre.
    AccessRegions accessRegions() const;
    void activateRegion(const AccessRegion& region);
    void setRegionPosition(const AccessRegion& region, int position);

    // PanelHost
    void drawSkinImage(QPainter& p, const QString& name, int x, int y) override;
    void drawLabel(QPainter& p, const QString& text, int x, int y, int height,
                   const QColor& colour) override;
    void drawButtonLabel(QPainter& p, const QString& text, QPoint skinPlace,
                         const layout::Region& box, int height) override;
    void drawOutline(QPainter& p, int x, int y, int w, int h) override;
    void drawSlider(QPainter& p, int id) override;
    void setSliderVisible(int id, bool visible) override;
    void setSliderEnabled(int id, bool enabled) override;
    bool sliderEnabled(int id) const override;
    int sliderPosition(int id) const override;
    void setSliderPosition(int id, int position) override;
    void repaint() override;

private:
    void release(int x, int y);
    void helpMenuRelease(int x, int y);
    void rubberBand();
    void hover(int x, int y);
    void saveWorkingState();
    void informSaveFailure(const Status& s);
    void beginDeviceWork();
    void endDeviceWork();
    void setAwaitingReadBack(bool awaiting);
    void showBusy();
    bool requireKeyboard();
    // The background with what never leaves it, at `scale`.
    const QImage& background(qreal scale);
    // Everything over the background.
    void paintFace(QPainter& p);
    void paintKeyOverlays(QPainter& p);
    // The line about the keyboard under the picture; empty when all is well.
    QString noticeText() const;
    // The status line: the notice, then the active profile.
    QString statusLine() const;
    void describeSliders(AccessRegions& out) const;
    void describeKeys(AccessRegions& out) const;
    void describeHelpMenu(AccessRegions& out) const;

    static constexpr int kNoticeWidth = 480;

    ConfiguratorModel& model_;
    DataFolder folder_;
    SkinPainter& painter_;
    Ports ports_;
    UiLanguage language_;
    MainViewState state_;
    SliderBank sliders_;
    Slider* activeSlider_ = nullptr;
    bool busy_ = false;
    bool awaitingReadBack_ = false;
    bool connected_ = true;
    QString deviceNotice_;
    QString watchNotice_;
    QString profileNotice_;
    QString simulationNotice_;
    QImage canvas_;
    int repaintRequests_ = 0;
};

} // namespace vantrel::ui
