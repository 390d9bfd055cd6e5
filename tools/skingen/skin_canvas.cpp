// SPDX-License-Identifier: MIT
#include "skin_canvas.h"

namespace vantrel::skingen {

QImage newImage(int w, int h, const QColor& fill) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
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

void drawButtonFace(QPainter& p, const QRectF& r, const QColor& face) {
    p.setPen(Qt::NoPen);
    p.setBrush(face.darker(140));
    p.drawRoundedRect(r, 4, 4);
    p.setBrush(face);
    p.drawRoundedRect(r.adjusted(0, 1, 0, -1), 4, 4);
    p.setPen(QPen(face.lighter(135), 1));
    p.drawLine(QPointF(r.left() + 3, r.top() + 1.5), QPointF(r.right() - 3, r.top() + 1.5));
}

QImage closeBoxImage(const layout::Region& box, const QColor& face) {
    constexpr int kInset = 4;
    QImage img = newImage(box.width() + 2 * kInset, box.height() + 2 * kInset, palette::kTitle);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0, 0, img.width(), img.height()), 3, 3);
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
