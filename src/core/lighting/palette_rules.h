// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace vantrel {
class ConfigImage;
}

namespace vantrel::lighting {

// lightColourIndex: 1-7 choose a palette colour, 8 the multi-colour mode.
inline constexpr std::uint8_t kMultiColourIndex = 8;
inline constexpr std::uint8_t kPaletteColourCount = 7;
// Wrist colour choice: 0-6 a palette colour, 7 the multi-colour mode.
inline constexpr std::uint8_t kWristMultiColourChoice = 7;

// Steady has no multi-colour choice; out-of-range indexes fall back to the
// nearest sensible one (steady) or to colour 1 (everything else).
std::uint8_t normaliseColourIndex(std::uint8_t effect, std::uint8_t index);
// Wave and neon colour every key by themselves: palette greyed, index 8.
bool keyboardPaletteGreyed(std::uint8_t effect);
bool keyboardHasMultiColourSwatch(std::uint8_t effect);
// Normalises lightColourIndex for the current effect (only below the
// per-key effects, whose palette is not shown).
void applyKeyboardPaletteRules(ConfigImage& image);

bool wristPaletteGreyed(std::uint8_t wristEffect);
bool wristHasMultiColourSwatch(std::uint8_t wristEffect);
// Steady and off cap the choice at colour 7; wave forces multi-colour.
void applyWristPaletteRules(ConfigImage& image);
// Wave lights the wrist rest at fixed brightness: slider disabled; breathing
// and progress leave it as it is; every other code enables it.
std::optional<bool> wristBrightnessSliderEnabled(std::uint8_t wristEffect);

// Outcome of a click on a colour swatch.
struct SwatchOutcome {
    bool openChooser = false;                 // edit the clicked colour
    std::optional<std::uint8_t> newIndex;     // the choice after the click
    std::optional<std::uint8_t> colourToEdit; // palette colour 0-6 on OK
};

// Keyboard swatch s (1-8) under the current effect and index.
SwatchOutcome keyboardSwatchClick(std::uint8_t effect, std::uint8_t index, int s);
// Wrist swatch s (0-6) under the current wrist effect and choice.
SwatchOutcome wristSwatchClick(std::uint8_t wristEffect, std::uint8_t choice, int s);
// The wrist multi-colour swatch.
SwatchOutcome wristMultiColourClick(std::uint8_t wristEffect);

// A choice from the keyboard effect list: stores the effect and forces the
// colour index the effect needs.
void chooseKeyboardEffect(ConfigImage& image, std::uint8_t code);
void chooseWristEffect(ConfigImage& image, std::uint8_t code);

// The wrist speed byte runs the other way round from its slider.
inline constexpr int kWristSpeedBase = 4;
constexpr std::uint8_t wristSpeedFromSlider(int position) {
    return static_cast<std::uint8_t>(kWristSpeedBase - position);
}
// Slider position for a stored speed byte, kept within the slider's range.
constexpr int wristSliderFromSpeed(std::uint8_t speed) {
    const int p = kWristSpeedBase - static_cast<int>(speed);
    return p < 0 ? 0 : (p > 3 ? 3 : p);
}

} // namespace vantrel::lighting
