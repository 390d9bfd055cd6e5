// SPDX-License-Identifier: MIT
#include "core/lighting/chooser_palette.h"
#include "core/lighting/colour_space.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace vantrel::lighting {
namespace {

TEST(ColourSpace, GreyIsLuminosityScaledAndTruncated) {
    EXPECT_EQ(hslToRgb(0, 0, 120), (Rgb{127, 127, 127}));
    EXPECT_EQ(hslToRgb(100, 0, 60), (Rgb{63, 63, 63}));
    EXPECT_EQ(rgbToHsl(Rgb{128, 128, 128}), (Hsl{0, 0, 120}));
}

TEST(ColourSpace, ExtremeLuminosityIsWhiteOrBlackForAnyHueAndSaturation) {
    for (int hue = 0; hue <= 239; ++hue) {
        for (int sat : {0, 1, 120, 240}) {
            EXPECT_EQ(hslToRgb(hue, sat, 240), (Rgb{255, 255, 255})) << hue << "," << sat;
            EXPECT_EQ(hslToRgb(hue, sat, 0), (Rgb{0, 0, 0})) << hue << "," << sat;
        }
    }
}

TEST(ColourSpace, PrimariesOnTheTwoHundredFortyScale) {
    EXPECT_EQ(rgbToHsl(Rgb{255, 0, 0}), (Hsl{0, 240, 120}));
    EXPECT_EQ(rgbToHsl(Rgb{0, 255, 0}), (Hsl{80, 240, 120}));
    EXPECT_EQ(rgbToHsl(Rgb{0, 0, 255}), (Hsl{160, 240, 120}));
    EXPECT_EQ(rgbToHsl(Rgb{255, 255, 255}), (Hsl{0, 0, 240}));
    EXPECT_EQ(hslToRgb(0, 240, 120), (Rgb{255, 0, 0}));
    EXPECT_EQ(hslToRgb(160, 240, 120), (Rgb{0, 0, 255}));
}

TEST(ColourSpace, HueJustBelowRedIsCappedAt239) {
    // Raw hue rounds to 240 and must wrap no further than the last step.
    EXPECT_EQ(rgbToHsl(Rgb{255, 0, 1}).hue, 239);
    EXPECT_EQ(rgbToHslUncapped(Rgb{255, 0, 1}).hue, 240);
}

TEST(ColourSpace, BasicColoursSurviveARoundTripWithinOneStep) {
    // Orange 255,128,64 has a hue of 13.4 steps; the whole-step hue brings it
    // back as 255,125,63. Every other basic colour returns within one step.
    constexpr int kOrange = 17;
    const auto& colours = chooserPaletteColours();
    for (int i = 0; i < kBasicColourCount; ++i) {
        const Rgb c = colours[static_cast<std::size_t>(i)];
        const Rgb back = hslToRgb(rgbToHsl(c));
        const int limit = i == kOrange ? 3 : 1;
        EXPECT_LE(std::abs(back.red - c.red), limit) << "cell " << i;
        EXPECT_LE(std::abs(back.green - c.green), limit) << "cell " << i;
        EXPECT_LE(std::abs(back.blue - c.blue), limit) << "cell " << i;
    }
    EXPECT_EQ(hslToRgb(rgbToHsl(colours[kOrange])), (Rgb{255, 125, 63}));
}

TEST(ChooserPalette, CellsHitTestWithInclusiveEdges) {
    EXPECT_EQ(chooserCellAt(13, 41), 0);
    EXPECT_EQ(chooserCellAt(26, 53), 0);
    EXPECT_EQ(chooserCellAt(27, 41), std::nullopt);
    EXPECT_EQ(chooserCellAt(13, 54), std::nullopt);
    EXPECT_EQ(chooserCellAt(13 + 19 * 7, 122), 47);
    EXPECT_EQ(chooserCellAt(13, 162), 48);
    EXPECT_EQ(chooserCellAt(13 + 19 * 7 + 13, 178 + 12), 63);
}

TEST(ChooserPalette, StartingColourSelectsTheFirstMatchingCell) {
    EXPECT_EQ(chooserCellOfColour(Rgb{255, 0, 0}), 8);
    EXPECT_EQ(chooserCellOfColour(Rgb{0x0C, 0x0C, 0x0C}), std::nullopt);
    // 128,128,255 appears twice; white is both a basic and every custom cell.
    EXPECT_EQ(chooserCellOfColour(Rgb{128, 128, 255}), 14);
    EXPECT_EQ(chooserCellOfColour(Rgb{255, 255, 255}), 47);
    EXPECT_EQ(chooserPaletteColours()[63], (Rgb{255, 255, 255}));
}

} // namespace
} // namespace vantrel::lighting
