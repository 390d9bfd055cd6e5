// SPDX-License-Identifier: MIT
#include "core/lighting/colour_space.h"

#include <algorithm>

namespace vantrel::lighting {
namespace {

Hsl rgbToHslRaw(Rgb c) {
    const double r = c.red / 255.0;
    const double g = c.green / 255.0;
    const double b = c.blue / 255.0;
    const double mx = std::max({r, g, b});
    const double mn = std::min({r, g, b});
    const double l = (mx + mn) / 2.0;
    double h = 0.0;
    double s = 0.0;
    if (mx != mn) {
        const double d = mx - mn;
        s = l < 0.5 ? d / (mx + mn) : d / (2.0 - mx - mn);
        if (mx == r) {
            h = (g - b) / d;
        } else if (mx == g) {
            h = (b - r) / d + 2.0;
        } else {
            h = (r - g) / d + 4.0;
        }
        h /= 6.0;
        if (h < 0.0) {
            h += 1.0;
        }
    }
    // Add a half and truncate, exactly as the values shown in the chooser
    // have always been rounded; lround would differ on negative inputs only,
    // which cannot occur here, but keep the written rule.
    const auto toScale = [](double v) {
        return static_cast<int>(v * kHslScale + 0.5); // NOLINT(bugprone-incorrect-roundings)
    };
    return Hsl{toScale(h), toScale(s), toScale(l)};
}

double channel(double m1, double m2, double t) {
    if (t < 0.0) {
        t += 1.0;
    } else if (t > 1.0) {
        t -= 1.0;
    }
    if (6.0 * t < 1.0) {
        return m1 + (m2 - m1) * 6.0 * t;
    }
    if (2.0 * t < 1.0) {
        return m2;
    }
    if (3.0 * t < 2.0) {
        return m1 + (m2 - m1) * (2.0 / 3.0 - t) * 6.0;
    }
    return m1;
}

std::uint8_t toByte(double v) {
    // Truncation as the value boxes show it; the clamp only guards against
    // inputs beyond the 240 scale.
    const int i = static_cast<int>(v * 255.0);
    return static_cast<std::uint8_t>(std::clamp(i, 0, 255));
}

} // namespace

Hsl rgbToHsl(Rgb c) {
    Hsl h = rgbToHslRaw(c);
    if (h.hue >= kHslScale) {
        h.hue = kMaxHue;
    }
    h.saturation = std::min(h.saturation, kHslScale);
    h.luminosity = std::min(h.luminosity, kHslScale);
    return h;
}

Hsl rgbToHslUncapped(Rgb c) {
    return rgbToHslRaw(c);
}

Rgb hslToRgb(int hue, int saturation, int luminosity) {
    const double s = saturation / static_cast<double>(kHslScale);
    const double l = luminosity / static_cast<double>(kHslScale);
    if (s == 0.0) {
        const std::uint8_t v = toByte(l);
        return Rgb{v, v, v};
    }
    const double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
    const double m1 = 2.0 * l - m2;
    const double h = hue / static_cast<double>(kHslScale);
    return Rgb{toByte(channel(m1, m2, h + 1.0 / 3.0)), toByte(channel(m1, m2, h)),
               toByte(channel(m1, m2, h - 1.0 / 3.0))};
}

} // namespace vantrel::lighting
