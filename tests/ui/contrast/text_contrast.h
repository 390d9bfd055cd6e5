// SPDX-License-Identifier: MIT
#pragma once

#include "ui/skin/skin_painter.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace vantrel::ui::testing {

// The least ratio a text must reach against every pixel behind it.
inline constexpr double kReadableContrast = 4.5;

// Relative luminance of an sRGB colour, 0 (black) .. 1 (white).
double relativeLuminance(const QColor& c);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black
// on white.
double contrastRatio(const QColor& a, const QColor& b);

// How one label reads: its colour against each pixel of the bare face
// inside the box its glyphs cover. The worst pixel is what the test holds
// to; the 5th percentile tells a box that grazes one bright edge from a
// text that stands on a light face.
struct LabelContrast {
    QColor text;
    QColor worstBackground;
    double worst = 0;
    double fifthPercentile = 0;
    // False when nothing of the label shows (a list or a picture drawn
    // over it): such a label is not read, so it is not held to the ratio.
    bool shown = false;
};

// A text of `colour` against the pixels behind it (shown when any).
LabelContrast readAgainst(const QColor& colour, const std::vector<QRgb>& behind);

// `picture` and `bare` are the same face with and without its labels, at
// their own device pixel ratio; the label's boxes are in logical pixels.
LabelContrast measureLabel(const DrawnLabel& label, const QImage& picture, const QImage& bare);

} // namespace vantrel::ui::testing
