// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class ColourChooser;
class PanelHost;
struct MainViewState;

// What the lighting page does with clicks, list choices and the keyboard's
// own lighting changes. It edits the model and the window state only; the
// page paints the result.
class LightingController {
public:
    LightingController(ConfiguratorModel& model, MainViewState& view, PanelHost& host,
                       ColourChooser& chooser);

    // Commands 3-15 and 23-35 of the main window's regions.
    void command(int c);
    void keyboardListClick(int x, int y);
    void wristListClick(int x, int y);
    void perKeyColourClick(int key);
    void deviceLightingChanged(int type);

    // Row of the effect list under (x, y), or kNoItem; the main window uses
    // these for the hover of the open lists.
    static int keyboardListItemAt(int x, int y);
    static int wristListItemAt(int x, int y);

private:
    // Runs the chooser from the neutral start colour; the chosen colour on OK.
    bool chooseColour();
    void keyboardSwatch(int s);
    void wristSwatch(int s);

    ConfiguratorModel& model_;
    MainViewState& view_;
    PanelHost& host_;
    ColourChooser& chooser_;
};

} // namespace vantrel::ui
