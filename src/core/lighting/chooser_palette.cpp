// SPDX-License-Identifier: MIT
#include "core/lighting/chooser_palette.h"

namespace vantrel::lighting {
namespace {

constexpr std::array<int, 8> kRowTops{41, 57, 73, 89, 105, 122, 162, 178};

} // namespace

const std::array<Rgb, kPaletteCellCount>& chooserPaletteColours() {
    static const std::array<Rgb, kPaletteCellCount> colours = [] {
        std::array<Rgb, kPaletteCellCount> c{};
        const std::array<Rgb, kBasicColourCount> basic{{
            {255, 128, 128}, {255, 255, 128}, {128, 255, 128}, {0, 255, 128},   {128, 255, 254},
            {0, 128, 255},   {254, 128, 192}, {255, 128, 255}, {255, 0, 0},     {255, 255, 0},
            {128, 255, 0},   {0, 255, 64},    {0, 255, 255},   {0, 128, 192},   {128, 128, 255},
            {255, 0, 255},   {128, 64, 64},   {255, 128, 64},  {0, 255, 0},     {0, 128, 128},
            {0, 64, 128},    {128, 128, 255}, {128, 0, 64},    {255, 0, 128},   {128, 0, 0},
            {255, 128, 0},   {0, 128, 0},     {0, 128, 64},    {0, 0, 255},     {0, 0, 160},
            {128, 0, 128},   {128, 0, 255},   {64, 0, 0},      {128, 64, 0},    {0, 64, 0},
            {0, 64, 64},     {0, 0, 128},     {0, 0, 64},      {64, 0, 64},     {64, 0, 128},
            {0, 0, 0},       {128, 128, 0},   {128, 128, 64},  {128, 128, 128}, {64, 128, 128},
            {129, 192, 192}, {64, 0, 64},     {255, 255, 255},
        }};
        for (int i = 0; i < kPaletteCellCount; ++i) {
            c[static_cast<std::size_t>(i)] =
                i < kBasicColourCount ? basic[static_cast<std::size_t>(i)] : Rgb{255, 255, 255};
        }
        return c;
    }();
    return colours;
}

CellOrigin chooserCellOrigin(int cell) {
    const int row = cell / kPaletteColumns;
    const int column = cell % kPaletteColumns;
    return {13 + 19 * column, kRowTops[static_cast<std::size_t>(row)]};
}

std::optional<int> chooserCellAt(int x, int y) {
    for (int i = 0; i < kPaletteCellCount; ++i) {
        const CellOrigin o = chooserCellOrigin(i);
        if (x >= o.x && x <= o.x + kCellWidth - 1 && y >= o.y && y <= o.y + kCellHeight - 1) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> chooserCellOfColour(Rgb c) {
    const auto& colours = chooserPaletteColours();
    for (int i = 0; i < kPaletteCellCount; ++i) {
        if (colours[static_cast<std::size_t>(i)] == c) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace vantrel::lighting
