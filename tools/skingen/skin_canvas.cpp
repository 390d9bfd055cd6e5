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

std::map<QString, SkinGroup>& groups() {
    static std::map<QString, SkinGroup> all;
    return all;
}

} // namespace vantrel::skingen
