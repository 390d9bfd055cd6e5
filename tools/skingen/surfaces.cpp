// SPDX-License-Identifier: MIT
#include "surfaces.h"

#include "skin_canvas.h"

#include <QBrush>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace vantrel::skingen {
namespace {

struct Shade {
    double r;
    double g;
    double b;
};

Shade mix(const Shade& a, const Shade& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Shade shadeOf(const QColor& c) {
    return {double(c.red()), double(c.green()), double(c.blue())};
}

// The classic 8 x 8 ordered-dither matrix.
constexpr int kBayer[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                              {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
                              {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
                              {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};

// A channel's value rounded by the threshold of device pixel (x, y). The
// channels read the matrix at different places, so their steps do not
// line up into a coloured pattern.
int dither(double v, int x, int y, int channel) {
    const double t = (kBayer[(y + 5 * channel) & 7][(x + 3 * channel) & 7] + 0.5) / 64.0;
    return std::clamp(static_cast<int>(std::floor(v + t)), 0, 255);
}

// The pixels of `area` (logical window pixels) at `scale`: shadeAt gets the
// logical window position of each device pixel's centre and the device
// row, and the dither follows window device pixels, so pictures of
// neighbouring areas join without a seam.
template <class ShadeAt> QImage windowPixels(const QRectF& area, qreal scale, ShadeAt shadeAt) {
    const int x0 = qRound(area.left() * scale);
    const int y0 = qRound(area.top() * scale);
    QImage img(qCeil(area.width() * scale), qCeil(area.height() * scale),
               QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const int wy = y0 + y;
        for (int x = 0; x < img.width(); ++x) {
            const int wx = x0 + x;
            const Shade s = shadeAt((wx + 0.5) / scale, (wy + 0.5) / scale, wy);
            line[x] = qRgb(dither(s.r, wx, wy, 0), dither(s.g, wx, wy, 1), dither(s.b, wx, wy, 2));
        }
    }
    return img;
}

// The light falls on the keyboard's plate and fades out before the edges
// of the stage, where the background is the plain far colour again.
constexpr double kLightX = 629;
constexpr double kLightY = 271;
constexpr double kLightRadiusX = 560;
constexpr double kLightRadiusY = 360;

Shade stageAt(double x, double y) {
    const double dx = (x - kLightX) / kLightRadiusX;
    const double dy = (y - kLightY) / kLightRadiusY;
    const double d2 = dx * dx + dy * dy;
    const double lit = d2 >= 1 ? 0 : (1 - d2) * (1 - d2);
    return mix(shadeOf(palette::kFar), shadeOf(QColor(0x1F, 0x22, 0x2A)), lit);
}

std::uint64_t mixBits(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// How much brighter (or darker) the streak of device row `row` is at
// logical x: each row its own level and a slow wave along it.
double streak(int row, double x) {
    const std::uint64_t h = mixBits(static_cast<std::uint64_t>(row) + 0x9E3779B97F4A7C15ULL);
    const double level = ((h & 0xFFFF) / 65535.0 - 0.5) * 2.4;
    const double phase = ((h >> 16) & 0xFFFF) / 65535.0 * 2 * std::numbers::pi;
    const double waves = 0.004 + ((h >> 32) & 0xFF) / 255.0 * 0.012;
    return level + 0.7 * std::sin(x * 2 * std::numbers::pi * waves + phase);
}

} // namespace

QImage stageLight(const QRect& area, qreal scale) {
    QImage img = windowPixels(area, scale, [](double x, double y, int) { return stageAt(x, y); });
    img.setDevicePixelRatio(scale);
    return img;
}

void brushedPlate(QPainter& p, const QRectF& plate, qreal radius, QPoint origin, qreal scale) {
    const QRect box = plate.toAlignedRect();
    const Shade top = shadeOf(QColor(0x22, 0x25, 0x2C));
    const Shade bottom = shadeOf(palette::kPlate);
    const QImage texture =
        windowPixels(QRectF(box.translated(origin)), scale, [&](double x, double y, int row) {
            const double t = std::clamp((y - origin.y() - plate.top()) / plate.height(), 0.0, 1.0);
            const Shade s = mix(top, bottom, t);
            const double d = streak(row, x);
            return Shade{s.r + d, s.g + d, s.b + d};
        });
    // One texture pixel on each device pixel of the plate.
    QBrush brush(texture);
    brush.setTransform(QTransform(1 / scale, 0, 0, 1 / scale, box.left(), box.top()));
    p.setPen(QPen(QColor(0x30, 0x34, 0x3E), 1));
    p.setBrush(brush);
    p.drawRoundedRect(plate, radius, radius);
}

} // namespace vantrel::skingen
