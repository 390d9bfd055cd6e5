// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"

#include <array>

// The profile manager's face, in client pixels.
namespace vantrel::layout::profile_dialog {

enum Area : int {
    kNone = kNoRegion,
    kCloseBox = 0,
    kCloseButton = 1, // "Закрыть"
    kImport = 2,
    kExport = 3,
    kFirstSpare = 4, // three more button places without a function
    kLastSpare = 6,
};

inline constexpr std::array<Region, 7> kRegions{{
    {374, 10, 377, 14},
    {17, 367, 62, 383},
    {273, 51, 373, 90},
    {273, 98, 373, 137},
    {273, 146, 373, 185},
    {273, 193, 373, 232},
    {273, 241, 373, 280},
}};

// Where the import and export buttons' texts go: right of the arrow their
// pictures carry.
inline constexpr int kArrowButtonTextLeft = 295;
constexpr Region textBoxOf(Area button) {
    const Region& r = kRegions[static_cast<std::size_t>(button)];
    return button == kImport || button == kExport
               ? Region{kArrowButtonTextLeft, r.top, r.right, r.bottom}
               : r;
}

// The profile list: 243 x 283 pixels, bold Arial 15 pixels high.
inline constexpr Region kList{16, 50, 258, 332};
inline constexpr int kListFontPixels = 15;

// The background picture's size.
inline constexpr int kWidth = 384;
inline constexpr int kHeight = 392;

} // namespace vantrel::layout::profile_dialog
