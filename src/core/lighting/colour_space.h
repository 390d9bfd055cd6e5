// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/rgb.h"

namespace vantrel::lighting {

// Hue 0-239, saturation and luminosity 0-240: the scale of the chooser's
// value boxes and of its spectrum.
inline constexpr int kHslScale = 240;
inline constexpr int kMaxHue = 239;

struct Hsl {
    int hue = 0;
    int saturation = 0;
    int luminosity = 0;
    friend bool operator==(const Hsl&, const Hsl&) = default;
};

// Both directions truncate rather than round, so a round trip may move a
// channel by one step; the chooser shows exactly these values.
Hsl rgbToHsl(Rgb c);
// The same, rounded but without the caps (a hue of 240 stays 240).
Hsl rgbToHslUncapped(Rgb c);
Rgb hslToRgb(int hue, int saturation, int luminosity);
inline Rgb hslToRgb(const Hsl& h) {
    return hslToRgb(h.hue, h.saturation, h.luminosity);
}

} // namespace vantrel::lighting
