// SPDX-License-Identifier: MIT
#include "skin_canvas.h"

#include <QtMath>

namespace vantrel::skingen {

QString scaledName(const QString& name, qreal scale) {
    if (scale == 1.0) {
        return name;
    }
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    return dot < 0 ? name + suffix : QString(name).insert(dot, suffix);
}

QImage newImage(qreal scale, int w, int h, const QColor& fill) {
    QImage img(qCeil(w * scale), qCeil(h * scale), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(fill);
    return img;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

QFont arial(int pixelHeight, int weight) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelHeight);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void drawTick(QPainter& p, const QPolygonF& tick, qreal width) {
    QPen pen(Qt::white, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.drawPolyline(tick);
}

void drawPanel(QPainter& p, const QRect& r) {
    using namespace palette;
    p.setPen(QPen(kPanelBorder, 1));
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

void drawDialogFrame(QPainter& p, int width, int height) {
    using namespace palette;
    p.fillRect(QRect(0, 0, width, 34), kTitle);
    p.fillRect(QRect(0, 34, width, 1), kPanelBorder);
    p.fillRect(QRect(0, 34, 90, 2), kAccent);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kPanelBorder);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, width - 1, height - 1);
    p.setRenderHint(QPainter::Antialiasing, true);
}

void drawListWell(QPainter& p, const layout::Region& list) {
    drawPanel(p, QRect(list.left - 6, list.top - 6, list.width() + 12, list.height() + 12));
    p.fillRect(QRect(list.left - 3, list.top - 3, list.width() + 6, list.height() + 6),
               palette::kFar.darker(115));
}

void drawButtonFace(QPainter& p, const QRectF& r, const QColor& face) {
    p.setPen(Qt::NoPen);
    p.setBrush(face.darker(140));
    p.drawRoundedRect(r, 4, 4);
    p.setBrush(face);
    p.drawRoundedRect(r.adjusted(0, 1, 0, -1), 4, 4);
    p.setPen(QPen(face.lighter(135), 1));
    p.drawLine(QPointF(r.left() + 3, r.top() + 1.5), QPointF(r.right() - 3, r.top() + 1.5));
}

QImage closeBoxImage(qreal s, const layout::Region& box, const QColor& face) {
    constexpr int kInset = 4;
    QImage img = newImage(s, box.width() + 2 * kInset, box.height() + 2 * kInset, palette::kTitle);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0, 0, box.width() + 2 * kInset, box.height() + 2 * kInset), 3, 3);
    QPen pen(Qt::white, 1.4);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(QPointF(kInset, kInset), QPointF(kInset + box.width(), kInset + box.height()));
    p.drawLine(QPointF(kInset + box.width(), kInset), QPointF(kInset, kInset + box.height()));
    return img;
}

std::map<QString, SkinGroup>& groups() {
    static std::map<QString, SkinGroup> all;
    return all;
}

} // namespace vantrel::skingen
