// SPDX-License-Identifier: MIT
// The keyboard picture, idle (kb_BK.png) and with every key lit
// (kb_hl.png). Both come from the key picture table, so every key rectangle
// the window hit-tests is exactly a key cap here.
#include "core/model/key_picture_table.h"
#include "skin_canvas.h"
#include "surfaces.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QRadialGradient>

namespace vantrel::skingen {
namespace {

using namespace palette;

void drawPlate(QPainter& p, qreal s) {
    // The picture sits on the lit stage of main.png and repeats its pixels,
    // so no edge shows; a soft shadow lifts the plate off it.
    const QPoint origin(kKeyboardPictureX, kKeyboardPictureY);
    p.drawImage(QPointF(0, 0),
                stageLight(QRect(origin, QSize(kKeyboardPictureWidth, kKeyboardPictureHeight)), s));
    const QRectF plate(30.5, 74.5, 596, 204);
    p.setPen(Qt::NoPen);
    for (int i = 8; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 10));
        p.drawRoundedRect(plate.adjusted(-i, -i + 4, i, i + 4), 8 + i, 8 + i);
    }

    brushedPlate(p, plate, 8, origin, s);
    // Bevel highlight along the top edge of the plate.
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 18), 1));
    p.drawLine(QPointF(38, 75.5), QPointF(619, 75.5));
}

QString labelOf(std::string_view label) {
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

void drawKey(QPainter& p, const KeyPicture& k, bool lit) {
    // The rectangle is inclusive: a 24-pixel key covers 25 pixels.
    const QRectF r(k.left, k.top, k.right - k.left + 1, k.bottom - k.top + 1);
    const bool small = k.height() < 20;
    const qreal radius = 3;
    p.setPen(Qt::NoPen);
    if (lit) {
        p.setBrush(QColor(0x7A, 0x10, 0x1E));
        p.drawRoundedRect(r, radius, radius);
        const QRectF face = r.adjusted(1, 1, -1, small ? -1 : -3);
        // The white label needs a face a shade deeper than the accent (the
        // smallest labels, which never reach full white, a deeper one):
        // the light comes from the middle and fades to a deeper red, and
        // the glow's own colour rims the cap.
        QRadialGradient glow(face.center(), std::max(face.width(), face.height()) * 0.75);
        glow.setColorAt(0, small ? kAccent.darker(185) : kAccent.darker(110));
        glow.setColorAt(1, small ? kAccent.darker(210) : kAccent.darker(140));
        p.setBrush(glow);
        p.drawRoundedRect(face, radius, radius);
        p.setPen(QPen(kGlow, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    } else {
        p.setBrush(kCapSide);
        p.drawRoundedRect(r, radius, radius);
        const QRectF face = r.adjusted(1, 1, -1, small ? -1 : -3);
        QLinearGradient g(0, face.top(), 0, face.bottom());
        // The smallest labels never reach their full colour: their caps
        // are the side's darker shade.
        g.setColorAt(0, small ? kCapSide : kCapTop.lighter(112));
        g.setColorAt(1, small ? kCapSide : kCapTop);
        p.setBrush(g);
        p.drawRoundedRect(face, radius, radius);
        p.setPen(QPen(kCapEdge, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    }
    const QString text = labelOf(k.label);
    // One size for every word label, shrunk only where a key is too narrow;
    // single characters a little larger, as printed on real caps.
    const bool single = text.size() == 1;
    int px = small ? 6 : (single ? 11 : 9);
    QFont f = arial(px, single ? QFont::DemiBold : QFont::Normal);
    while (px > 6 && QFontMetrics(f).horizontalAdvance(text) > k.width() - 3) {
        f = arial(--px, QFont::Normal);
    }
    p.setFont(f);
    p.setPen(lit ? Qt::white : kLabel);
    const QRectF textBox = small ? r : r.adjusted(1, 0, -1, -2);
    p.drawText(textBox, Qt::AlignCenter, text);
}

QImage keyboard(qreal s, bool lit) {
    QImage img = newImage(s, kKeyboardPictureWidth, kKeyboardPictureHeight, kFar);
    QPainter p(&img);
    prepare(p);
    drawPlate(p, s);
    const auto& table = KeyPictureTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        drawKey(p, table[i], lit);
    }
    return img;
}

const Registrar kKeyboard(QStringLiteral("keyboard"), [](SkinSet& set, qreal s) {
    set.add(QStringLiteral("kb_BK.png"), keyboard(s, false));
    set.add(QStringLiteral("kb_hl.png"), keyboard(s, true));
});

} // namespace
} // namespace vantrel::skingen
