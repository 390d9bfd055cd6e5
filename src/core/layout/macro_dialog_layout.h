// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"

#include <array>

// The macro manager's face, in client pixels.
namespace vantrel::layout::macro_dialog {

enum Area : int {
    kNone = 255,
    kRecord = 0,
    kRecordDelays = 1, // check box: record the delays between key actions
    kLoop = 2,         // check box: play the macro more than once
    kNew = 3,
    kDelete = 4,
    kOk = 5,
    kCancel = 6,
    kCloseBox = 7,
};

inline constexpr std::array<Region, 8> kRegions{{
    {257, 100, 362, 124},
    {338, 168, 352, 182},
    {265, 315, 279, 329},
    {20, 368, 77, 392},
    {80, 368, 137, 392},
    {250, 368, 307, 392},
    {310, 368, 367, 392},
    {370, 8, 377, 15},
}};

// The controls placed over the face (left, top, right, bottom).
inline constexpr Region kMacroList{19, 63, 125, 359};  // 107 x 297
inline constexpr Region kEventList{137, 63, 243, 359}; // 107 x 297
inline constexpr Region kLoopEdit{265, 331, 348, 348}; // 84 x 18
inline constexpr int kListFontPixels = 16;
inline constexpr int kLoopDigits = 3;

// Panels of the background behind the lists and the options.
inline constexpr Region kListsPanel{12, 36, 250, 362};
inline constexpr Region kOptionsPanel{252, 36, 372, 362};

// The background picture's size.
inline constexpr int kWidth = 384;
inline constexpr int kHeight = 400;

} // namespace vantrel::layout::macro_dialog
