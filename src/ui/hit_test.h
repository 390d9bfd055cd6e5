// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace vantrel::ui {

// Command regions of the main window, inclusive on all four sides, in
// client pixels; the index is the command number.
struct Region {
    int left, top, right, bottom;
    constexpr bool contains(int x, int y) const {
        return left <= x && x <= right && top <= y && y <= bottom;
    }
};
inline constexpr int kRegionCount = 35;
const std::array<Region, kRegionCount>& ButtonRegionTable();

// Command numbers the dispatcher acts on.
enum Command : int {
    kCmdNone = -1,
    kCmdHelp = 0,
    kCmdMinimise = 1,
    kCmdClose = 2,
    kCmdGameMode = 16,
    kCmdWinLock = 17,
    kCmdProfiles = 18,
    kCmdMacros = 19,
    kCmdNoAction = 20,
    kCmdRevert = 21,
    kCmdApply = 22,
    kCmdKeymapRadio = 34, // only while a per-key effect is chosen
    kCmdDiyRadio = 35,
};

// The command under (x, y) or -1. With a per-key effect (code 51 or more)
// the two radio buttons are tested before the table.
int HitTestButton(int x, int y, int lightEffect);
// The key under (x, y) or -1. In the key assignment view Ctrl, Win, Fn and
// right Ctrl cannot be chosen.
int HitTestKey(int x, int y, bool perKeyColourView);

// The help menu under the help button.
inline constexpr Region kHelpMenu{830, 22, 996, 99};
inline constexpr int kHelpItemHeight = 25;

} // namespace vantrel::ui
