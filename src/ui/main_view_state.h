// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace vantrel::ui {

// Control ids of the six bitmap sliders of the left panel.
enum SliderId : int {
    kSliderSpeed = 1007,
    kSliderReportRate = 1010,
    kSliderBrightness = 1017,
    kSliderResponseTime = 1018,
    kSliderWristBrightness = 1037,
    kSliderWristSpeed = 1038,
};

enum class SelectionState : std::uint8_t {
    Idle = 0,    // no keys gathered
    Banding = 1, // a rubber band currently holds at least one key
    Waiting = 2, // a selection waits for a colour
};

inline constexpr int kNoKey = 255;
inline constexpr int kNoItem = 255;

// Window state of the main window that the window itself and the lighting
// page both read and change. Plain data: controllers own it, views draw it.
struct MainViewState {
    bool effectListOpen = false;
    bool wristListOpen = false;
    bool helpMenuOpen = false;
    bool perKeyColourView = false; // only meaningful for effects 51-55
    SelectionState selection = SelectionState::Idle;
    bool buttonHeld = false;
    int bandAnchorX = 0;
    int bandAnchorY = 0;
    int bandX = 0;
    int bandY = 0;
    bool ctrlHeld = false;
    std::array<bool, 126> keySelected{};
    int hoveredKey = kNoKey; // also the key a click or an assignment acts on
    int lastHoveredKey = kNoKey;
    int hoveredEffectItem = kNoItem;
    int hoveredWristItem = kNoItem;

    void clearSelection() {
        keySelected.fill(false);
        selection = SelectionState::Idle;
    }
    bool anyKeySelected() const {
        for (bool b : keySelected) {
            if (b) {
                return true;
            }
        }
        return false;
    }
};

} // namespace vantrel::ui
