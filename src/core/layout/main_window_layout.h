// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"

#include <array>

namespace vantrel::layout {

// Command numbers of the main window: the index of a region in
// ButtonRegionTable(), plus the two radio buttons of the per-key effects.
enum MainCommand : int {
    kCmdNone = -1,
    kCmdHelp = 0,
    kCmdMinimise = 1,
    kCmdClose = 2,
    kCmdEffectBox = 3, // opens the keyboard effect list
    kCmdArrowTop = 4,
    kCmdArrowBottom = 5,
    kCmdArrowRight = 6,
    kCmdArrowLeft = 7,
    kCmdFirstSwatch = 8, // keyboard colour swatches 1 to 8
    kCmdLastSwatch = 15,
    kCmdGameMode = 16,
    kCmdWinLock = 17,
    kCmdProfiles = 18,
    kCmdMacros = 19,
    kCmdNoAction = 20,
    kCmdRevert = 21, // the origin pixel only
    kCmdApply = 22,
    kCmdWristBox = 23, // opens the wrist-rest effect list
    kCmdWristChoice0 = 24,
    kCmdWristChoice1 = 25,
    kCmdFirstWristSwatch = 26, // wrist-rest swatches 1 to 7
    kCmdLastWristSwatch = 32,
    kCmdWristMulti = 33,  // the eighth wrist-rest swatch
    kCmdKeymapRadio = 34, // only while a per-key effect is chosen
    kCmdDiyRadio = 35,
};

inline constexpr int kMainRegionCount = 35;
const std::array<Region, kMainRegionCount>& ButtonRegionTable();

// Tested before the table while a per-key effect (code 51 or more) is chosen.
inline constexpr Region kKeymapRadio{28, 175, 42, 189};
inline constexpr Region kDiyRadio{130, 175, 144, 189};

constexpr bool isLightingCommand(int c) {
    return (c >= kCmdEffectBox && c <= kCmdLastSwatch) || (c >= kCmdWristBox && c <= kCmdDiyRadio);
}

// The help menu under the help button: three rows.
inline constexpr Region kHelpMenu{830, 22, 996, 99};
inline constexpr int kHelpItemHeight = 25;

// A press on no region and no key between these rows drags the window.
inline constexpr int kTopStripFirstY = 2;
inline constexpr int kTopStripLastY = 30;

// The command under (x, y) or kCmdNone. With a per-key effect (code 51 or
// more) the two radio buttons are tested before the table.
int HitTestButton(int x, int y, int lightEffect);
// The key under (x, y) or -1. In the key assignment view Ctrl, Win, Fn and
// right Ctrl cannot be chosen.
int HitTestKey(int x, int y, bool perKeyColourView);

// The open effect lists: rows of 20 pixels under their effect boxes.
inline constexpr int kListLeft = 28;
inline constexpr int kListRight = 248;
inline constexpr int kListRowHeight = 20;
inline constexpr int kKeyboardListTop = 148;
inline constexpr int kWristListTop = 332;

} // namespace vantrel::layout
