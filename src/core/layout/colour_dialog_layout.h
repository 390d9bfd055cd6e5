// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"

#include <array>

// The colour chooser's face, in client pixels. The palette cells are
// lighting::chooserCellOrigin's.
namespace vantrel::layout::colour_dialog {

// Without a skin picture the dialog draws a plain face of this size.
inline constexpr int kFallbackWidth = 337;
inline constexpr int kFallbackHeight = 240;

inline constexpr Region kCloseSquare{322, 8, 327, 14};
inline constexpr Region kSpectrum{171, 27, 330, 166}; // 160 x 140
inline constexpr Region kOk{218, 187, 264, 201};      // 47 x 15
inline constexpr Region kCancel{270, 187, 316, 201};
inline constexpr Region kPreview{14, 150, 58, 194}; // 45 x 45

// The value boxes, 30 x 15: red, green, blue at x 128, hue, saturation,
// luminosity at x 80, on these rows; their letters stand 10 pixels left.
inline constexpr int kRgbBoxX = 128;
inline constexpr int kHslBoxX = 80;
inline constexpr int kBoxWidth = 30;
inline constexpr int kBoxHeight = 15;
inline constexpr std::array<int, 3> kBoxRows{150, 165, 180};

} // namespace vantrel::layout::colour_dialog
