// SPDX-License-Identifier: MIT
// The left panel's pieces: effect box, multi-colour swatch, direction
// arrows, switches, slider channel and thumb, and the slider scales.
#include "skin_canvas.h"

#include <QConicalGradient>
#include <QPainterPath>

namespace vantrel::skingen {
namespace {

using namespace palette;

// Slider channel as the main window draws it: 220 x 17 on the panel.
constexpr int kChannelWidth = 220;
constexpr int kChannelHeight = 17;

QImage effectBox(qreal s) {
    QImage img = newImage(s, 221, 16, kPanel);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(kCapEdge, 1));
    p.setBrush(kFar);
    p.drawRoundedRect(QRectF(0.5, 0.5, 220, 15), 4, 4);
    // Drop-down chevron at the right end.
    QPen pen(kLabel, 1.5);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(QPointF(205, 6), QPointF(209, 10));
    p.drawLine(QPointF(209, 10), QPointF(213, 6));
    return img;
}

QImage multiColour(qreal s) {
    QImage img = newImage(s, 20, 20, kPanel);
    QPainter p(&img);
    prepare(p);
    QConicalGradient g(10, 10, 90);
    const QColor stops[] = {Qt::red, Qt::yellow, Qt::green, Qt::cyan, Qt::blue, Qt::magenta};
    for (int i = 0; i < 6; ++i) {
        g.setColorAt(i / 6.0, stops[i]);
    }
    g.setColorAt(1, Qt::red);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 18, 18), 3, 3);
    return img;
}

// Direction arrows: T(op), B(ottom), R(ight), L(eft), 15 x 16.
QImage arrow(qreal s, char dir, bool enabled) {
    QImage img = newImage(s, 15, 16, kPanel);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(enabled ? kAccent : kCapTop);
    p.drawRoundedRect(QRectF(0, 0.5, 15, 15), 3, 3);
    QPainterPath tri;
    switch (dir) {
    case 'T':
        tri.moveTo(7.5, 4);
        tri.lineTo(12, 11);
        tri.lineTo(3, 11);
        break;
    case 'B':
        tri.moveTo(7.5, 12);
        tri.lineTo(12, 5);
        tri.lineTo(3, 5);
        break;
    case 'R':
        tri.moveTo(11.5, 8);
        tri.lineTo(4, 3.5);
        tri.lineTo(4, 12.5);
        break;
    default:
        tri.moveTo(3.5, 8);
        tri.lineTo(11, 3.5);
        tri.lineTo(11, 12.5);
        break;
    }
    tri.closeSubpath();
    p.setBrush(enabled ? QColor(Qt::white) : kDisabled);
    p.drawPath(tri);
    return img;
}

// Switches: the same rounded box, lit with a tick or grey and empty.
QImage toggle(qreal s, bool on) {
    QImage img = newImage(s, 20, 20, kPanel);
    QPainter p(&img);
    prepare(p);
    if (on) {
        p.setPen(QPen(kAccentHover, 1));
        p.setBrush(kAccent);
    } else {
        p.setPen(QPen(kDisabled, 1));
        p.setBrush(kFar);
    }
    p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 4, 4);
    if (on) {
        drawTick(p, QPolygonF({QPointF(5.5, 10), QPointF(8.5, 13), QPointF(14.5, 6.5)}), 2.2);
    }
    return img;
}

QImage thumb(qreal s) {
    QImage img = newImage(s, 15, 14, kPanel);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(kAccent, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1.5, 1, 12, 12));
    return img;
}

QImage channel(qreal s, bool filled) {
    QImage img = newImage(s, kChannelWidth, kChannelHeight, kPanel);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(filled ? kAccent : kCapEdge);
    p.drawRoundedRect(QRectF(0, 6.5, kChannelWidth, 4), 2, 2);
    return img;
}

// Tick marks and numbers under a slider whose thumb (15 wide) travels
// over the 220-pixel channel; the scale is drawn one pixel left of it.
QImage scale(qreal s, const QStringList& numbers) {
    QImage img = newImage(s, 222, 14, kPanel);
    QPainter p(&img);
    prepare(p);
    p.setFont(arial(9));
    const int n = static_cast<int>(numbers.size());
    for (int i = 0; i < n; ++i) {
        const qreal x = 1 + 7.5 + i * (kChannelWidth - 15) / qreal(n - 1);
        p.setPen(QPen(kDisabled, 1));
        p.drawLine(QPointF(x, 0), QPointF(x, 3));
        p.setPen(kLabel);
        QRectF box(x - 15, 3, 30, 11);
        int align = Qt::AlignHCenter;
        if (i == 0) {
            box = QRectF(0, 3, 30, 11);
            align = Qt::AlignLeft;
        } else if (i == n - 1) {
            box = QRectF(222 - 30, 3, 30, 11);
            align = Qt::AlignRight;
        }
        p.drawText(box, align | Qt::AlignTop, numbers[i]);
    }
    return img;
}

const Registrar kPanelGroup(QStringLiteral("panel"), [](SkinSet& set, qreal s) {
    set.add(QStringLiteral("Light_Item.png"), effectBox(s));
    set.add(QStringLiteral("8.png"), multiColour(s));
    for (char d : {'T', 'B', 'R', 'L'}) {
        for (bool on : {true, false}) {
            set.add(QStringLiteral("Direction-%1-%2.png")
                        .arg(QChar(d))
                        .arg(on ? QStringLiteral("Enable") : QStringLiteral("Disable")),
                    arrow(s, d, on));
        }
    }
    set.add(QStringLiteral("Enable.png"), toggle(s, true));
    set.add(QStringLiteral("Disable.png"), toggle(s, false));
    set.add(QStringLiteral("Thumb.png"), thumb(s));
    set.add(QStringLiteral("SliderFilled.png"), channel(s, true));
    set.add(QStringLiteral("SliderEmpty.png"), channel(s, false));
    QStringList ms;
    for (int v = 2; v <= 20; v += 2) {
        ms << QString::number(v);
    }
    set.add(QStringLiteral("responsetime_txt.png"), scale(s, ms));
    set.add(QStringLiteral("reportRate_txt.png"),
            scale(s, {QStringLiteral("125"), QStringLiteral("250"), QStringLiteral("500"),
                      QStringLiteral("1000")}));
});

} // namespace
} // namespace vantrel::skingen
