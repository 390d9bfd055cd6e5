// SPDX-License-Identifier: MIT
#pragma once

#include "core/lighting/colour_space.h"

namespace vantrel::lighting {

struct IntPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

// Right and bottom edges are exclusive.
struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// Layout and arithmetic of the hue/saturation spectrum with its luminosity
// bar, for a control of w x h pixels. The spectrum leaves a 10-pixel margin
// above and below so the crosshair and arrow can reach the extremes.
class SpectrumGeometry {
public:
    SpectrumGeometry(int w, int h) : w_(w), h_(h) {}

    int width() const { return w_; }
    int height() const { return h_; }
    IntRect spectrumRect() const { return {0, 10, w_ - 35, h_ - 10}; }
    IntRect luminosityRect() const { return {w_ - 29, 2, w_ - 2, h_ - 2}; }

    // The cached spectrum picture: the HSL of pixel column x, row index g
    // (drawn at y = h + 9 - g), for 0 <= x <= w - 36 and 0 <= g < h.
    Hsl spectrumPixelHsl(int x, int g) const;
    int spectrumPixelY(int g) const { return h_ + 9 - g; }
    // The same for a point (x, y) between pixels, for a picture drawn on a
    // finer grid than the control's pixels (a screen at 2x has two device
    // pixels per pixel here): the colour that pixel row and column would
    // have there. Equal to the pixel's own at whole coordinates.
    Hsl spectrumHslAt(double x, double y) const;
    // Where the spectrum picture is drawn: 0 <= x < spectrumPictureRight()
    // and spectrumPictureTop() <= y < h.
    int spectrumPictureRight() const { return w_ - 35; }
    static constexpr int spectrumPictureTop() { return 10; }

    // Luminosity bar: rows i = 0 .. barRows() - 1 at y = barRowY(i).
    int barRows() const { return h_ - 20; }
    int barRowY(int i) const { return barRows() + 9 - i; }
    int barRowLuminosity(int i) const;
    // The luminosity of the bar at a y between pixels (see spectrumHslAt);
    // the bar covers barRowY(barRows() - 1) <= y < barRowY(0) + 1.
    int barLuminosityAt(double y) const;
    int barLeft() const { return w_ - 29; }
    static constexpr int kBarWidth = 14;

    IntPoint crosshairFor(int hue, int saturation) const;
    int arrowFor(int luminosity) const;
    // Arrow triangle: 9 x 17, top row and left edge.
    int arrowTop(int arrow) const;
    int arrowLeft() const { return w_ - 12; }
    static constexpr int kArrowWidth = 9;
    static constexpr int kArrowHeight = 17;

    // Hue and saturation at a point of the spectrum.
    Hsl hueSaturationAt(int x, int y, int luminosity) const;
    // Arrow offset for a press at y in the luminosity bar, and its luminosity.
    int arrowAt(int y) const;
    int luminosityForArrow(int arrow) const;

private:
    int w_;
    int h_;
};

// Parts of the spectrum control that can own the keyboard focus.
enum class SpectrumPart { None, Spectrum, Luminosity };

enum class SpectrumKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

// Arrow-key step: Ctrl fine, Shift coarse.
constexpr int spectrumKeyStep(bool ctrl, bool shift) {
    return ctrl ? 1 : (shift ? 10 : 5);
}

// Applies one key to the HSL values for the focused part. Returns false when
// the key means nothing for that part (the values are left alone).
bool applySpectrumKey(Hsl& hsl, SpectrumPart part, SpectrumKey key, int step);

} // namespace vantrel::lighting
