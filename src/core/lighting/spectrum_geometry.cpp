// SPDX-License-Identifier: MIT
#include "core/lighting/spectrum_geometry.h"

#include <algorithm>

namespace vantrel::lighting {

Hsl SpectrumGeometry::spectrumPixelHsl(int x, int g) const {
    const int columns = std::max(w_ - 36, 1);
    const int rows = std::max(h_ - 1, 1);
    return Hsl{kHslScale * x / columns, kHslScale * g / rows, kHslScale / 2};
}

Hsl SpectrumGeometry::spectrumHslAt(double x, double y) const {
    const int columns = std::max(w_ - 36, 1);
    const int rows = std::max(h_ - 1, 1);
    const double g = h_ + 9 - y;
    const int hue = static_cast<int>(kHslScale * x / columns);
    const int saturation = static_cast<int>(kHslScale * g / rows);
    return Hsl{std::clamp(hue, 0, kHslScale), std::clamp(saturation, 0, kHslScale), kHslScale / 2};
}

int SpectrumGeometry::barLuminosityAt(double y) const {
    const int span = std::max(barRows() - 1, 1);
    const double i = barRows() + 9 - y;
    return std::clamp(static_cast<int>(kHslScale * i / span), 0, kHslScale);
}

int SpectrumGeometry::barRowLuminosity(int i) const {
    const int span = std::max(barRows() - 1, 1);
    return kHslScale * i / span;
}

IntPoint SpectrumGeometry::crosshairFor(int hue, int saturation) const {
    const IntRect r = spectrumRect();
    const int x = std::min(r.width() * hue / kMaxHue, r.right - 1);
    const int y = std::min(r.bottom - saturation * r.height() / kHslScale, r.bottom - 1);
    return {x, y};
}

int SpectrumGeometry::arrowFor(int luminosity) const {
    const int span = spectrumRect().height();
    return std::clamp(span - span * luminosity / kHslScale, 0, span - 1);
}

int SpectrumGeometry::arrowTop(int arrow) const {
    return std::clamp(arrow, 0, luminosityRect().height() - kArrowHeight) + 2;
}

Hsl SpectrumGeometry::hueSaturationAt(int x, int y, int luminosity) const {
    const IntRect r = spectrumRect();
    const int hue = x * kMaxHue / std::max(r.width() - 1, 1);
    const int sat = (r.height() - y + 9) * kHslScale / std::max(r.height() - 1, 1);
    return Hsl{std::clamp(hue, 0, kMaxHue), std::clamp(sat, 0, kHslScale), luminosity};
}

int SpectrumGeometry::arrowAt(int y) const {
    return std::clamp(y - 10, 0, spectrumRect().height() - 1);
}

int SpectrumGeometry::luminosityForArrow(int arrow) const {
    const int span = spectrumRect().height();
    const int l = ((span - arrow) * kHslScale - kHslScale) / std::max(span - 1, 1);
    return std::clamp(l, 0, kHslScale);
}

bool applySpectrumKey(Hsl& hsl, SpectrumPart part, SpectrumKey key, int step) {
    if (part == SpectrumPart::Spectrum) {
        switch (key) {
        case SpectrumKey::Left:
            hsl.hue = std::max(hsl.hue - step, 0);
            return true;
        case SpectrumKey::Right:
            hsl.hue = std::min(hsl.hue + step, kMaxHue);
            return true;
        case SpectrumKey::Up:
            hsl.saturation = std::min(hsl.saturation + step, kHslScale);
            return true;
        case SpectrumKey::Down:
            hsl.saturation = std::max(hsl.saturation - step, 0);
            return true;
        case SpectrumKey::PageUp:
            hsl.saturation = kHslScale;
            return true;
        case SpectrumKey::PageDown:
            hsl.saturation = 0;
            return true;
        case SpectrumKey::Home:
            hsl.hue = 0;
            return true;
        case SpectrumKey::End:
            hsl.hue = kMaxHue;
            return true;
        }
        return false;
    }
    if (part == SpectrumPart::Luminosity) {
        switch (key) {
        case SpectrumKey::Left:
        case SpectrumKey::Right:
            return false;
        case SpectrumKey::Up:
            hsl.luminosity = std::min(hsl.luminosity + step, kHslScale);
            return true;
        case SpectrumKey::Down:
            hsl.luminosity = std::max(hsl.luminosity - step, 0);
            return true;
        case SpectrumKey::PageUp:
        case SpectrumKey::Home:
            hsl.luminosity = kHslScale;
            return true;
        case SpectrumKey::PageDown:
        case SpectrumKey::End:
            hsl.luminosity = 0;
            return true;
        }
    }
    return false;
}

} // namespace vantrel::lighting
