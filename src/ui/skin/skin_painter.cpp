// SPDX-License-Identifier: MIT
#include "ui/skin/skin_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace vantrel::ui {
namespace {

// Arial's em is its cell height divided by 1.15 (ascent 0.905 plus descent
// 0.212 of the em, rounded as the font's own metrics do).
constexpr double kCellPerEm = 1.15;

// Between a check box and its text.
constexpr int kCheckBoxGap = 5;

// The cell top that puts the middle of the capitals on `middle`: text of
// mixed case then looks centred, whatever its descenders.
int cellTopCentredOn(const QFontMetrics& metrics, double middle) {
    return static_cast<int>(std::lround(middle - metrics.ascent() + metrics.capHeight() / 2.0));
}

} // namespace

qreal SkinPainter::scaleOf(const QPainter& p) {
    const QPaintDevice* device = p.device();
    return device ? device->devicePixelRatio() : 1.0;
}

bool SkinPainter::image(QPainter& p, const SkinFolder& folder, const QString& name, int x, int y) {
    const QImage& img = store_.image(folder, name, scaleOf(p));
    if (img.isNull()) {
        return false;
    }
    p.drawImage(QPointF(x, y), img);
    return true;
}

void SkinPainter::imagePart(QPainter& p, const QString& name, int x, int y, const QRect& part) {
    const QImage& img = store_.image(SkinFolder::mainWindow(), name, scaleOf(p));
    if (img.isNull() || part.isEmpty()) {
        return;
    }
    const qreal s = img.devicePixelRatio();
    const QRectF source(part.x() * s, part.y() * s, part.width() * s, part.height() * s);
    p.drawImage(QRectF(part.translated(x, y)), img, source);
}

const QFont& SkinPainter::labelFont(int height) {
    auto it = fonts_.find(height);
    if (it == fonts_.end()) {
        QFont f(QStringLiteral("Arial"));
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(height / kCellPerEm))));
        f.setWeight(QFont::Light);
        it = fonts_.insert(height, f);
    }
    return *it;
}

void SkinPainter::label(QPainter& p, const QString& text, int x, int y, int height,
                        const QColor& colour) {
    const QFont& font = labelFont(height);
    if (!labelsHidden_) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QRect(x, y, 4000, height * 2), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   text);
    }
    if (log_) {
        const QFontMetrics metrics(font);
        const QPoint origin = p.transform().map(QPoint(x, y));
        log_->push_back(
            {text,
             metrics.tightBoundingRect(text).translated(origin.x(), origin.y() + metrics.ascent()),
             QRect(origin, QSize(metrics.horizontalAdvance(text), metrics.height())), colour});
    }
}

void SkinPainter::buttonLabel(QPainter& p, UiLanguage language, const QString& text,
                              QPoint skinPlace, const layout::Region& box, int height,
                              const QColor& colour) {
    if (language.keepsSkinPlaces()) {
        label(p, text, skinPlace.x(), skinPlace.y(), height, colour);
        return;
    }
    const QFontMetrics metrics(labelFont(height));
    const QStringList lines = text.split(QLatin1Char('\n'));
    const double centreX = box.left + box.width() / 2.0;
    const double firstMiddle = box.top + box.height() / 2.0 -
                               metrics.height() * (static_cast<double>(lines.size()) - 1) / 2.0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRect ink = metrics.tightBoundingRect(lines[i]);
        const int x = static_cast<int>(std::lround(centreX - ink.left() - ink.width() / 2.0));
        const int y =
            cellTopCentredOn(metrics, firstMiddle + static_cast<double>(i) * metrics.height());
        label(p, lines[i], x, y, height, colour);
    }
}

void SkinPainter::checkBoxLabel(QPainter& p, UiLanguage language, const QString& text,
                                QPoint skinPlace, const layout::Region& box, int height) {
    if (language.keepsSkinPlaces()) {
        label(p, text, skinPlace.x(), skinPlace.y(), height);
        return;
    }
    const QFontMetrics metrics(labelFont(height));
    label(p, text, box.right + 1 + kCheckBoxGap,
          cellTopCentredOn(metrics, box.top + box.height() / 2.0), height);
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
