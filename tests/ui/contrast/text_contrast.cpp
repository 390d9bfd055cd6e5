// SPDX-License-Identifier: MIT
#include "text_contrast.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vantrel::ui::testing {
namespace {

double linear(int channel) {
    const double s = channel / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

// The device pixels of a logical box, inside the picture.
QRect devicePixels(const QRect& box, const QImage& picture) {
    const qreal s = picture.devicePixelRatio();
    const QRect scaled(QPoint(static_cast<int>(std::floor(box.left() * s)),
                              static_cast<int>(std::floor(box.top() * s))),
                       QPoint(static_cast<int>(std::ceil((box.right() + 1) * s)) - 1,
                              static_cast<int>(std::ceil((box.bottom() + 1) * s)) - 1));
    return scaled.intersected(picture.rect());
}

} // namespace

double relativeLuminance(const QColor& c) {
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

LabelContrast readAgainst(const QColor& colour, const std::vector<QRgb>& behind) {
    LabelContrast out;
    out.text = colour;
    out.shown = !behind.empty();
    if (behind.empty()) {
        return out;
    }
    std::vector<std::pair<double, QRgb>> ratios;
    ratios.reserve(behind.size());
    for (const QRgb under : behind) {
        ratios.emplace_back(contrastRatio(colour, QColor(under)), under);
    }
    std::sort(ratios.begin(), ratios.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    out.worst = ratios.front().first;
    out.worstBackground = QColor(ratios.front().second);
    out.fifthPercentile = ratios[ratios.size() / 20].first;
    return out;
}

LabelContrast measureLabel(const DrawnLabel& label, const QImage& picture, const QImage& bare) {
    const QImage drawn = picture.convertToFormat(QImage::Format_RGB32);
    const QImage behind = bare.convertToFormat(QImage::Format_RGB32);
    const QRect area = devicePixels(label.ink, behind).intersected(drawn.rect());
    std::vector<QRgb> under;
    bool shown = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            under.push_back(behind.pixel(x, y));
            shown = shown || drawn.pixel(x, y) != under.back();
        }
    }
    LabelContrast out = readAgainst(label.colour, under);
    out.shown = shown;
    return out;
}

} // namespace vantrel::ui::testing
