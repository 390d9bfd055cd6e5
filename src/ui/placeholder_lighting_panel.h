// SPDX-License-Identifier: MIT
#pragma once

#include "ui/lighting/lighting_panel.h"

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class PanelHost;

// Stands in for the lighting page until it is built: draws the panel's
// fixed parts and the device switches and sliders, and takes no lighting
// commands.
class PlaceholderLightingPanel final : public LightingPanel {
public:
    PlaceholderLightingPanel(ConfiguratorModel& model, PanelHost& host)
        : model_(model), host_(host) {}

    void paint(QPainter& p) override;
    void command(int) override {}
    void keyboardListClick(const QPoint&) override {}
    void wristListClick(const QPoint&) override {}
    void perKeyColourClick(int) override {}
    void deviceLightingChanged(int) override {}
    void paintPerKeyOverlay(QPainter&) override {}

private:
    ConfiguratorModel& model_;
    PanelHost& host_;
};

} // namespace vantrel::ui
