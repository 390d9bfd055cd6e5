// SPDX-License-Identifier: MIT
#include "ui/skin/skin_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace vantrel::ui {
namespace {

// Arial's em is its cell height divided by 1.15 (ascent 0.905 plus descent
// 0.212 of the em, rounded as the font's own metrics do).
constexpr double kCellPerEm = 1.15;

} // namespace

void SkinPainter::image(QPainter& p, const SkinFolder& folder, const QString& name, int x, int y) {
    const QImage& img = store_.image(folder, name);
    if (!img.isNull()) {
        p.drawImage(x, y, img);
    }
}

const QFont& SkinPainter::labelFont(int height) {
    auto it = fonts_.find(height);
    if (it == fonts_.end()) {
        QFont f(QStringLiteral("Arial"));
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(std::max(1, static_cast<int>(height / kCellPerEm + 0.5)));
        f.setWeight(QFont::Light);
        it = fonts_.insert(height, f);
    }
    return *it;
}

void SkinPainter::label(QPainter& p, const QString& text, int x, int y, int height,
                        const QColor& colour) {
    const QFont& font = labelFont(height);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(x, y, 4000, height * 2), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
               text);
    if (log_) {
        const QFontMetrics metrics(font);
        const QPoint origin = p.transform().map(QPoint(x, y));
        log_->push_back(
            {text,
             metrics.tightBoundingRect(text).translated(origin.x(), origin.y() + metrics.ascent()),
             QRect(origin, QSize(metrics.horizontalAdvance(text), metrics.height()))});
    }
}

void SkinPainter::outline(QPainter& p, int x, int y, int w, int h) {
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(x, y, w, h);
}

QFont SkinPainter::boldFont(int pixelSize) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

} // namespace vantrel::ui
