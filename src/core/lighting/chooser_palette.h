// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/rgb.h"

#include <array>
#include <optional>

namespace vantrel::lighting {

// The colour chooser's 64 cells: 48 basic colours in six rows of eight, then
// 16 custom cells that stay white.
inline constexpr int kPaletteColumns = 8;
inline constexpr int kBasicColourCount = 48;
inline constexpr int kPaletteCellCount = 64;
inline constexpr int kCellWidth = 14;
inline constexpr int kCellHeight = 13;

const std::array<Rgb, kPaletteCellCount>& chooserPaletteColours();

// Top-left of cell i (0-63).
struct CellOrigin {
    int x = 0;
    int y = 0;
};
CellOrigin chooserCellOrigin(int cell);
// The cell under (x, y), if any.
std::optional<int> chooserCellAt(int x, int y);
// The first cell showing this colour, if any.
std::optional<int> chooserCellOfColour(Rgb c);

} // namespace vantrel::lighting
