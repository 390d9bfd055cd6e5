// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"

#include <array>

// The dialog that binds programs to profiles, in client pixels: the profile
// chosen between two arrows, the list of its programs, the buttons beside
// the list and the close button below it.
namespace vantrel::layout::programs_dialog {

enum Area : int {
    kNone = kNoRegion,
    kCloseBox = 0,
    kPreviousProfile = 1,
    kProfileName = 2, // shows the profile; a click there chooses the next one
    kNextProfile = 3,
    kAddProgram = 4, // an executable from the file picker
    kAddWindow = 5,  // one of the windows open now
    kRemove = 6,
    kCloseButton = 7,
};

inline constexpr std::array<Region, 8> kRegions{{
    {442, 9, 457, 24},
    {16, 46, 39, 71},
    {44, 46, 239, 71},
    {244, 46, 267, 71},
    {280, 86, 456, 117},
    {280, 125, 456, 156},
    {280, 164, 456, 195},
    {16, 311, 111, 332},
}};

// The list of the chosen profile's programs, in the list font of the
// profile manager.
inline constexpr Region kList{16, 86, 267, 281};
inline constexpr int kListFontPixels = 13;

// A line under the list for what cannot be done on this desktop.
inline constexpr Region kNote{16, 284, 456, 300};

// Label heights.
inline constexpr int kTitlePixels = 20;
inline constexpr int kButtonPixels = 14;
inline constexpr int kProfilePixels = 16;
inline constexpr int kNotePixels = 12;

// The background picture's size.
inline constexpr int kWidth = 472;
inline constexpr int kHeight = 344;

} // namespace vantrel::layout::programs_dialog
