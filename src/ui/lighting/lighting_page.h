// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"
#include "ui/lighting/lighting_controller.h"
#include "ui/lighting/lighting_panel.h"

#include <QCoreApplication>
#include <cstdint>

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class KeyFaces;

// The lighting and device-switch panel: paints the left panel and the
// per-key colours, hands every click to its controller.
class LightingPage : public LightingPanel {
    Q_DECLARE_TR_FUNCTIONS(LightingPanel)

public:
    LightingPage(ConfiguratorModel& model, MainViewState& view, PanelHost& host,
                 ColourChooser& chooser, const KeyFaces& keys, UiLanguage language);

    void paint(QPainter& p) override;
    void command(int c) override { controller_.command(c); }
    void keyboardListClick(const QPoint& at) override;
    void wristListClick(const QPoint& at) override;
    void perKeyColourClick(int key) override { controller_.perKeyColourClick(key); }
    void deviceLightingChanged(int type) override { controller_.deviceLightingChanged(type); }
    void paintPerKeyOverlay(QPainter& p) override;
    void describe(AccessRegions& out) const override;

    LightingController& controller() { return controller_; }

private:
    bool chinese() const;
    void label(QPainter& p, const QString& text, int x, int y, int height);
    void paintSpeedAndBrightness(QPainter& p);
    void paintKeyboardPalette(QPainter& p);
    void paintDirectionOrView(QPainter& p);
    void paintDeviceItems(QPainter& p);
    void paintWrist(QPainter& p);
    void paintKeyboardList(QPainter& p);
    void paintWristList(QPainter& p);
    void describeKeyboard(AccessRegions& out) const;
    void describeWrist(AccessRegions& out) const;
    void describeDeviceItems(AccessRegions& out) const;

    ConfiguratorModel& model_;
    MainViewState& view_;
    PanelHost& host_;
    const KeyFaces& keys_;
    UiLanguage language_;
    LightingController controller_;
};

} // namespace vantrel::ui
