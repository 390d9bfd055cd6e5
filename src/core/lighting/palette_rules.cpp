// SPDX-License-Identifier: MIT
#include "core/lighting/palette_rules.h"

#include "core/lighting/effect_tables.h"
#include "core/model/config_image.h"

namespace vantrel::lighting {

std::uint8_t normaliseColourIndex(std::uint8_t effect, std::uint8_t index) {
    if (effect == kEffectSteady) {
        if (index == 0) {
            return 1;
        }
        return index > kMultiColourIndex ? kMultiColourIndex : index;
    }
    if (index == 0 || index > kMultiColourIndex) {
        return 1;
    }
    return index;
}

bool keyboardPaletteGreyed(std::uint8_t effect) {
    return effect == kEffectWave || effect == kEffectNeon;
}

bool keyboardHasMultiColourSwatch(std::uint8_t effect) {
    return effect != kEffectSteady;
}

void applyKeyboardPaletteRules(ConfigImage& image) {
    const std::uint8_t effect = image.lightEffect();
    if (effect >= kFirstPerKeyEffect) {
        return;
    }
    image.setLightColourIndex(normaliseColourIndex(effect, image.lightColourIndex()));
    if (keyboardPaletteGreyed(effect)) {
        image.setLightColourIndex(kMultiColourIndex);
    }
}

bool wristPaletteGreyed(std::uint8_t wristEffect) {
    return wristEffect == kWristWave;
}

bool wristHasMultiColourSwatch(std::uint8_t wristEffect) {
    return wristEffect == kWristBreathing || wristEffect == kWristProgress ||
           wristEffect == kWristWave;
}

void applyWristPaletteRules(ConfigImage& image) {
    auto wrist = image.wristLighting();
    const std::uint8_t effect = wrist[image::kWristEffect];
    if (effect >= kFirstPerKeyEffect) {
        return;
    }
    std::uint8_t& choice = wrist[image::kWristColourChoice];
    if ((effect == kWristSteady || effect == kWristOff) && choice > 6) {
        choice = 6;
    }
    if (wristPaletteGreyed(effect)) {
        choice = kWristMultiColourChoice;
    }
}

std::optional<bool> wristBrightnessSliderEnabled(std::uint8_t wristEffect) {
    if (wristEffect == kWristWave) {
        return false;
    }
    if (wristEffect == kWristBreathing || wristEffect == kWristProgress ||
        wristEffect >= kFirstPerKeyEffect) {
        return std::nullopt;
    }
    return true;
}

SwatchOutcome keyboardSwatchClick(std::uint8_t effect, std::uint8_t index, int s) {
    SwatchOutcome out;
    if (effect >= kFirstPerKeyEffect || s < 1 || s > kMultiColourIndex) {
        return out;
    }
    if (s == kMultiColourIndex) {
        if (effect != kEffectSteady) {
            out.newIndex = kMultiColourIndex;
        }
        return out;
    }
    if (keyboardPaletteGreyed(effect)) {
        return out;
    }
    out.openChooser = (s == index);
    if (out.openChooser) {
        out.colourToEdit = static_cast<std::uint8_t>(s - 1);
    }
    out.newIndex = static_cast<std::uint8_t>(s);
    return out;
}

SwatchOutcome wristSwatchClick(std::uint8_t wristEffect, std::uint8_t choice, int s) {
    SwatchOutcome out;
    if (wristEffect == kWristWave || wristEffect == kWristOff || s < 0 ||
        s >= kPaletteColourCount) {
        return out;
    }
    out.openChooser = (s == choice);
    if (out.openChooser) {
        out.colourToEdit = static_cast<std::uint8_t>(s);
    }
    out.newIndex = static_cast<std::uint8_t>(s);
    return out;
}

SwatchOutcome wristMultiColourClick(std::uint8_t wristEffect) {
    SwatchOutcome out;
    if (wristEffect == kWristBreathing || wristEffect == kWristProgress) {
        out.newIndex = kWristMultiColourChoice;
    }
    return out;
}

void chooseKeyboardEffect(ConfigImage& image, std::uint8_t code) {
    image.setLightEffect(code);
    if (code == kEffectSteady && image.lightColourIndex() == kMultiColourIndex) {
        image.setLightColourIndex(1);
    }
    if (keyboardPaletteGreyed(code)) {
        image.setLightColourIndex(kMultiColourIndex);
    }
}

void chooseWristEffect(ConfigImage& image, std::uint8_t code) {
    image.wristLighting()[image::kWristEffect] = code;
}

} // namespace vantrel::lighting
