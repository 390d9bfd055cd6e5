// SPDX-License-Identifier: MIT
#include "core/lighting/effect_tables.h"
#include "core/lighting/lighting_sliders.h"
#include "core/lighting/palette_rules.h"
#include "core/model/config_image.h"

#include <gtest/gtest.h>

namespace vantrel::lighting {
namespace {

TEST(EffectTables, CodesInListOrderAndUnknownCodesHaveNoName) {
    const std::array<int, 16> codes{1, 2, 3, 4, 5, 6, 8, 10, 11, 12, 13, 51, 52, 53, 54, 55};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(keyboardEffects()[i].code, codes[i]);
    }
    EXPECT_EQ(findKeyboardEffect(7), std::nullopt);
    EXPECT_EQ(findKeyboardEffect(50), std::nullopt);
    EXPECT_STREQ(findKeyboardEffect(3)->name, "Wave");
    EXPECT_STREQ(findWristEffect(4)->name, "Off");
    EXPECT_EQ(findWristEffect(5), std::nullopt);
}

TEST(PaletteRules, NormalisationDependsOnSteady) {
    EXPECT_EQ(normaliseColourIndex(1, 0), 1);
    EXPECT_EQ(normaliseColourIndex(1, 9), 8);
    EXPECT_EQ(normaliseColourIndex(1, 8), 8);
    EXPECT_EQ(normaliseColourIndex(2, 0), 1);
    EXPECT_EQ(normaliseColourIndex(2, 9), 1);
    EXPECT_EQ(normaliseColourIndex(2, 8), 8);
    EXPECT_EQ(normaliseColourIndex(2, 4), 4);
}

TEST(PaletteRules, WaveAndNeonForceMultiColourButPerKeyEffectsAreLeftAlone) {
    ConfigImage image;
    image.setLightEffect(kEffectNeon);
    image.setLightColourIndex(3);
    applyKeyboardPaletteRules(image);
    EXPECT_EQ(image.lightColourIndex(), 8);
    image.setLightEffect(52);
    image.setLightColourIndex(0);
    applyKeyboardPaletteRules(image);
    EXPECT_EQ(image.lightColourIndex(), 0);
}

TEST(PaletteRules, WristSteadyAndOffCapTheChoiceWaveForcesMultiColour) {
    ConfigImage image;
    auto wrist = image.wristLighting();
    wrist[image::kWristEffect] = kWristSteady;
    wrist[image::kWristColourChoice] = 7;
    applyWristPaletteRules(image);
    EXPECT_EQ(wrist[image::kWristColourChoice], 6);
    wrist[image::kWristEffect] = kWristWave;
    wrist[image::kWristColourChoice] = 2;
    applyWristPaletteRules(image);
    EXPECT_EQ(wrist[image::kWristColourChoice], 7);
    EXPECT_EQ(wristBrightnessSliderEnabled(kWristWave), false);
    EXPECT_EQ(wristBrightnessSliderEnabled(kWristBreathing), std::nullopt);
    EXPECT_EQ(wristBrightnessSliderEnabled(kWristOff), true);
}

TEST(SwatchRules, FirstClickChoosesSecondClickEdits) {
    const auto edit = keyboardSwatchClick(kEffectBreathing, 3, 3);
    EXPECT_TRUE(edit.openChooser);
    EXPECT_EQ(edit.colourToEdit, 2);
    EXPECT_EQ(edit.newIndex, 3);
    const auto move = keyboardSwatchClick(kEffectBreathing, 3, 5);
    EXPECT_FALSE(move.openChooser);
    EXPECT_EQ(move.newIndex, 5);
}

TEST(SwatchRules, MultiColourSwatchDependsOnTheEffect) {
    EXPECT_EQ(keyboardSwatchClick(kEffectSteady, 2, 8).newIndex, std::nullopt);
    EXPECT_EQ(keyboardSwatchClick(kEffectBreathing, 2, 8).newIndex, 8);
    EXPECT_EQ(keyboardSwatchClick(kEffectWave, 8, 8).newIndex, 8);
    const auto greyed = keyboardSwatchClick(kEffectWave, 8, 2);
    EXPECT_FALSE(greyed.openChooser);
    EXPECT_EQ(greyed.newIndex, std::nullopt);
    EXPECT_EQ(keyboardSwatchClick(51, 1, 1).newIndex, std::nullopt);
}

TEST(SwatchRules, WristSwatchesAreFrozenForWaveAndOff) {
    EXPECT_EQ(wristSwatchClick(kWristWave, 7, 0).newIndex, std::nullopt);
    EXPECT_EQ(wristSwatchClick(kWristOff, 0, 0).newIndex, std::nullopt);
    const auto edit = wristSwatchClick(kWristSteady, 4, 4);
    EXPECT_TRUE(edit.openChooser);
    EXPECT_EQ(edit.colourToEdit, 4);
    EXPECT_EQ(wristMultiColourClick(kWristProgress).newIndex, 7);
    EXPECT_EQ(wristMultiColourClick(kWristSteady).newIndex, std::nullopt);
}

TEST(EffectChoice, WaveForcesMultiColourSteadyFallsBackToColourOne) {
    ConfigImage image;
    image.setLightColourIndex(2);
    chooseKeyboardEffect(image, kEffectWave);
    EXPECT_EQ(image.lightEffect(), kEffectWave);
    EXPECT_EQ(image.lightColourIndex(), 8);
    chooseKeyboardEffect(image, kEffectSteady);
    EXPECT_EQ(image.lightColourIndex(), 1);
    image.setLightColourIndex(5);
    chooseKeyboardEffect(image, kEffectSteady);
    EXPECT_EQ(image.lightColourIndex(), 5);
}

TEST(LightingSliders, WristSpeedIsStoredAsFourMinusTheSlider) {
    ConfigImage image;
    ASSERT_TRUE(storeLightingSlider(image, kWristSpeedSliderId, 0));
    EXPECT_EQ(image.wristLighting()[image::kWristSpeed], 4);
    storeLightingSlider(image, kWristSpeedSliderId, 3);
    EXPECT_EQ(image.wristLighting()[image::kWristSpeed], 1);
    EXPECT_EQ(lightingSliderPosition(image, kWristSpeedSliderId), 3);
    storeLightingSlider(image, kBrightnessSliderId, 77);
    EXPECT_EQ(image.lightBrightness(), 50);
    EXPECT_FALSE(storeLightingSlider(image, 1018, 2));
}

} // namespace
} // namespace vantrel::lighting
