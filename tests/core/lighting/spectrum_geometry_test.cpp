// SPDX-License-Identifier: MIT
#include "core/lighting/spectrum_geometry.h"

#include <gtest/gtest.h>

namespace vantrel::lighting {
namespace {

// The chooser's control is 160 x 140: spectrum (0,10)-(125,130), bar
// (131,2)-(158,138).
const SpectrumGeometry kGeo(160, 140);

TEST(SpectrumGeometry, RectanglesFollowTheControlSize) {
    const IntRect s = kGeo.spectrumRect();
    EXPECT_EQ(s.left, 0);
    EXPECT_EQ(s.top, 10);
    EXPECT_EQ(s.right, 125);
    EXPECT_EQ(s.bottom, 130);
    const IntRect l = kGeo.luminosityRect();
    EXPECT_EQ(l.left, 131);
    EXPECT_EQ(l.right, 158);
}

TEST(SpectrumGeometry, CrosshairAndArrowFromHsl) {
    EXPECT_EQ(kGeo.crosshairFor(0, 0), (IntPoint{0, 129}));
    EXPECT_EQ(kGeo.crosshairFor(239, 240), (IntPoint{124, 10}));
    EXPECT_EQ(kGeo.crosshairFor(120, 120), (IntPoint{62, 70}));
    EXPECT_EQ(kGeo.arrowFor(240), 0);
    EXPECT_EQ(kGeo.arrowFor(0), 119);
    EXPECT_EQ(kGeo.arrowFor(120), 60);
}

TEST(SpectrumGeometry, PointInSpectrumGivesHueAndSaturation) {
    EXPECT_EQ(kGeo.hueSaturationAt(0, 10, 77), (Hsl{0, 240, 77}));
    EXPECT_EQ(kGeo.hueSaturationAt(124, 129, 77), (Hsl{239, 0, 77}));
    EXPECT_EQ(kGeo.hueSaturationAt(62, 70, 0).hue, 62 * 239 / 124);
}

TEST(SpectrumGeometry, ArrowDraggedToTheEndsGivesWhiteAndBlack) {
    EXPECT_EQ(kGeo.luminosityForArrow(kGeo.arrowAt(2)), 240);
    EXPECT_EQ(kGeo.luminosityForArrow(kGeo.arrowAt(137)), 0);
    EXPECT_EQ(hslToRgb(57, 200, kGeo.luminosityForArrow(kGeo.arrowAt(0))), (Rgb{255, 255, 255}));
    // The drawn arrow never leaves the bar.
    EXPECT_EQ(kGeo.arrowTop(119), 136 - 17 + 2);
}

TEST(SpectrumGeometry, BarRunsFromBlackAtTheBottomToWhiteAtTheTop) {
    EXPECT_EQ(kGeo.barRowY(0), 129);
    EXPECT_EQ(kGeo.barRowLuminosity(0), 0);
    EXPECT_EQ(kGeo.barRowY(kGeo.barRows() - 1), 10);
    EXPECT_EQ(kGeo.barRowLuminosity(kGeo.barRows() - 1), 240);
    // Picture: bottom row grey (saturation 0), top-left red.
    EXPECT_EQ(kGeo.spectrumPixelY(139), 10);
    EXPECT_EQ(hslToRgb(kGeo.spectrumPixelHsl(0, 139)), (Rgb{255, 0, 0}));
}

TEST(SpectrumKeys, StepsFollowTheModifiers) {
    EXPECT_EQ(spectrumKeyStep(true, true), 1);
    EXPECT_EQ(spectrumKeyStep(false, true), 10);
    EXPECT_EQ(spectrumKeyStep(false, false), 5);
}

TEST(SpectrumKeys, SpectrumPartMovesHueAndSaturationWithinRange) {
    Hsl h{2, 238, 100};
    EXPECT_TRUE(applySpectrumKey(h, SpectrumPart::Spectrum, SpectrumKey::Left, 5));
    EXPECT_EQ(h.hue, 0);
    EXPECT_TRUE(applySpectrumKey(h, SpectrumPart::Spectrum, SpectrumKey::Up, 5));
    EXPECT_EQ(h.saturation, 240);
    applySpectrumKey(h, SpectrumPart::Spectrum, SpectrumKey::End, 5);
    EXPECT_EQ(h.hue, 239);
    applySpectrumKey(h, SpectrumPart::Spectrum, SpectrumKey::Right, 10);
    EXPECT_EQ(h.hue, 239);
    applySpectrumKey(h, SpectrumPart::Spectrum, SpectrumKey::PageDown, 5);
    EXPECT_EQ(h.saturation, 0);
    applySpectrumKey(h, SpectrumPart::Spectrum, SpectrumKey::Home, 5);
    EXPECT_EQ(h, (Hsl{0, 0, 100}));
}

TEST(SpectrumKeys, LuminosityPartIgnoresHueKeys) {
    Hsl h{50, 60, 100};
    EXPECT_FALSE(applySpectrumKey(h, SpectrumPart::Luminosity, SpectrumKey::Left, 5));
    EXPECT_FALSE(applySpectrumKey(h, SpectrumPart::Luminosity, SpectrumKey::Right, 5));
    EXPECT_EQ(h, (Hsl{50, 60, 100}));
    applySpectrumKey(h, SpectrumPart::Luminosity, SpectrumKey::Up, 1);
    EXPECT_EQ(h.luminosity, 101);
    applySpectrumKey(h, SpectrumPart::Luminosity, SpectrumKey::Home, 1);
    EXPECT_EQ(h.luminosity, 240);
    applySpectrumKey(h, SpectrumPart::Luminosity, SpectrumKey::End, 1);
    EXPECT_EQ(h.luminosity, 0);
    applySpectrumKey(h, SpectrumPart::Luminosity, SpectrumKey::Down, 10);
    EXPECT_EQ(h.luminosity, 0);
    EXPECT_FALSE(applySpectrumKey(h, SpectrumPart::None, SpectrumKey::Up, 5));
}

} // namespace
} // namespace vantrel::lighting
