// SPDX-License-Identifier: MIT
// Measures of rendered pictures that tell a picture drawn at a screen's
// scale from a smaller one enlarged: pixel doubling and blur.
#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>
#include <vector>

namespace vantrel::ui::testing {

// The share of the pixels of `two` (twice the size of `one`) that equal the
// pixel of `one` they would be if `one` were merely doubled.
inline double shareEqualToDoubled(const QImage& one, const QImage& two) {
    const QImage a = one.convertToFormat(QImage::Format_RGB32);
    const QImage b = two.convertToFormat(QImage::Format_RGB32);
    long equal = 0;
    for (int y = 0; y < b.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y / 2));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < b.width(); ++x) {
            equal += rowA[x / 2] == rowB[x];
        }
    }
    return double(equal) / (double(b.width()) * b.height());
}

// How the edges of light text on a plain dark ground are drawn, over a
// region of device pixels.
struct GlyphEdges {
    // Of the 2 x 2 pixel blocks that touch a glyph, the share that is one
    // colour (all of them when the text was enlarged by doubling pixels).
    double uniformBlocks = 1;
    // Per pixel row through the text, the steepest step between two
    // neighbours as a share of the text's contrast; the median row (about
    // one where glyph edges fall on pixel edges, a half for a blurred
    // enlargement).
    double steepestStep = 0;
    // The pixels between ground and glyph (under 10 % and over 90 % of the
    // contrast) where a row crosses an edge; the median crossing.
    int rampPixels = 0;
};

inline GlyphEdges glyphEdges(const QImage& picture, const QRect& region) {
    const QImage img = picture.copy(region).convertToFormat(QImage::Format_Grayscale8);
    auto at = [&](int x, int y) { return int(img.constScanLine(y)[x]); };
    int ground = 255;
    int ink = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            ground = std::min(ground, at(x, y));
            ink = std::max(ink, at(x, y));
        }
    }
    const double contrast = std::max(ink - ground, 1);
    auto level = [&](int x, int y) { return (at(x, y) - ground) / contrast; };

    GlyphEdges e;
    int touched = 0;
    int uniform = 0;
    for (int y = 0; y + 1 < img.height(); y += 2) {
        for (int x = 0; x + 1 < img.width(); x += 2) {
            const int b[4] = {at(x, y), at(x + 1, y), at(x, y + 1), at(x + 1, y + 1)};
            const auto [lo, hi] = std::minmax_element(b, b + 4);
            if ((*hi - ground) > 0.25 * contrast) {
                ++touched;
                uniform += *hi == *lo;
            }
        }
    }
    e.uniformBlocks = touched ? double(uniform) / touched : 1;

    std::vector<double> steps;
    std::vector<int> ramps;
    for (int y = 0; y < img.height(); ++y) {
        double steepest = 0;
        double brightest = 0;
        int lastSide = 0; // -1 ground, +1 glyph
        int lastAt = 0;
        for (int x = 0; x < img.width(); ++x) {
            const double v = level(x, y);
            brightest = std::max(brightest, v);
            if (x > 0) {
                steepest = std::max(steepest, std::abs(v - level(x - 1, y)));
            }
            const int side = v < 0.1 ? -1 : (v > 0.9 ? 1 : 0);
            if (side != 0) {
                if (lastSide == -side) {
                    ramps.push_back(x - lastAt - 1);
                }
                lastSide = side;
                lastAt = x;
            }
        }
        if (brightest > 0.5) {
            steps.push_back(steepest);
        }
    }
    auto median = [](auto values) {
        std::sort(values.begin(), values.end());
        return values.empty() ? typename decltype(values)::value_type{} : values[values.size() / 2];
    };
    e.steepestStep = median(steps);
    e.rampPixels = ramps.empty() ? 99 : median(ramps);
    return e;
}

// Doubles every pixel: what a window enlarged by the window system shows.
inline QImage doubled(const QImage& img) {
    return img.scaled(img.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace vantrel::ui::testing
