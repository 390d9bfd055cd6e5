// SPDX-License-Identifier: MIT
#include "key_label_contrast.h"

#include "core/model/key_picture_table.h"

#include <algorithm>
#include <cmath>

namespace vantrel::ui::testing {
namespace {

// Lighter than any part of an idle cap (face, gradient and edge): a glyph.
constexpr double kGlyphLuminance = 0.06;
// How far a glyph's antialiasing tints the face around it (device pixels).
constexpr int kTint = 2;
// How far around the glyphs' box their background is taken (device pixels).
constexpr int kAround = 3;

// Inside the cap's edge, in device pixels of the picture.
QRect capFace(const KeyPicture& k, qreal s) {
    const QRect r(QPoint(static_cast<int>(std::ceil((k.left + 2) * s)),
                         static_cast<int>(std::ceil((k.top + 2) * s))),
                  QPoint(static_cast<int>(std::floor((k.right - 1) * s)) - 1,
                         static_cast<int>(std::floor((k.bottom - 1) * s)) - 1));
    return r;
}

} // namespace

PrintedGlyphs glyphsIn(const QImage& picture, const QRect& area) {
    PrintedGlyphs g;
    g.area = area;
    std::vector<QPoint> ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (relativeLuminance(QColor(picture.pixel(x, y))) > kGlyphLuminance) {
                ink.emplace_back(x, y);
                g.box |= QRect(x, y, 1, 1);
            }
        }
    }
    g.near.assign(static_cast<std::size_t>(std::max(0, area.width() * area.height())), false);
    for (const QPoint& p : ink) {
        for (int dy = -kTint; dy <= kTint; ++dy) {
            for (int dx = -kTint; dx <= kTint; ++dx) {
                const QPoint q = p + QPoint(dx, dy);
                if (area.contains(q)) {
                    g.near[static_cast<std::size_t>((q.y() - area.top()) * area.width() +
                                                    (q.x() - area.left()))] = true;
                }
            }
        }
    }
    return g;
}

LabelContrast readPrinted(const QImage& picture, const PrintedGlyphs& g) {
    QColor lightest(Qt::black);
    std::vector<QRgb> behind;
    const QRect around = g.box.adjusted(-kAround, -kAround, kAround, kAround).intersected(g.area);
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            const QRgb c = picture.pixel(x, y);
            if (!g.at({x, y})) {
                behind.push_back(c);
            } else if (relativeLuminance(QColor(c)) > relativeLuminance(lightest)) {
                lightest = QColor(c);
            }
        }
    }
    return readAgainst(lightest, behind);
}

std::vector<KeyLabelContrast> keyLabelContrasts(const QImage& idle, const QImage& lit) {
    const QImage idleRgb = idle.convertToFormat(QImage::Format_RGB32);
    const QImage litRgb = lit.convertToFormat(QImage::Format_RGB32);
    const qreal s = idle.devicePixelRatio();
    std::vector<KeyLabelContrast> out;
    for (const KeyPicture& k : KeyPictureTable()) {
        const PrintedGlyphs g = glyphsIn(idleRgb, capFace(k, s).intersected(idleRgb.rect()));
        if (g.box.isEmpty()) {
            continue;
        }
        out.push_back({QString::fromUtf8(k.label.data(), static_cast<qsizetype>(k.label.size())),
                       readPrinted(idleRgb, g), readPrinted(litRgb, g)});
    }
    return out;
}

} // namespace vantrel::ui::testing
