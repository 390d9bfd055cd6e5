// SPDX-License-Identifier: MIT
// The main window's background, title-strip buttons, help menu and the
// buttons at the bottom.
#include "core/layout/main_window_layout.h"
#include "skin_canvas.h"
#include "surfaces.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace vantrel::skingen {
namespace {

using namespace palette;

constexpr int kWidth = 1000;
constexpr int kHeight = 640;
constexpr int kTitleHeight = 30;

QImage mainBackground(qreal s) {
    QImage img = newImage(s, kWidth, kHeight, kFar);
    QPainter p(&img);
    prepare(p);
    p.drawImage(QPointF(0, 0), stageLight(QRect(0, 0, kWidth, kHeight), s));
    // Title strip with the name and a thin accent under its start.
    p.fillRect(0, 0, kWidth, kTitleHeight, kTitle);
    p.fillRect(0, kTitleHeight, kWidth, 1, kPanelBorder);
    p.fillRect(0, kTitleHeight, 120, 2, kAccent);
    QFont f = arial(15, QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(16, 0, 300, kTitleHeight), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("VANTREL"));
    // A small red key-cap mark before the name would crowd it; a dot will do.
    p.setBrush(kAccent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(8, 15), 2.5, 2.5);

    // Left panel (lighting and device switches) and the keyboard stage.
    drawPanel(p, QRect(14, 72, 250, 528));
    p.fillRect(22, 292, 234, 1, kPanelBorder); // between keyboard and wrist rest
    // No rule before the device switches: the wrist speed's end labels
    // (y 448) run straight into the response-time caption (y 460).
    // The keyboard picture (301, 95) .. (941, 385) brings its own plate on
    // this far background: nothing else is drawn there.
    // Bottom bar behind apply.
    p.fillRect(288, 600, 698, 1, kPanelBorder);
    // The program name, large and faint, on the empty stage below the keyboard.
    QFont big = arial(64, QFont::Black);
    big.setLetterSpacing(QFont::AbsoluteSpacing, 18);
    p.setFont(big);
    p.setPen(QColor(0xFF, 0xFF, 0xFF, 10));
    p.drawText(QRect(288, 440, 698, 140), Qt::AlignCenter, QStringLiteral("VANTREL"));
    return img;
}

// 16 x 16 glyph square for the title strip.
QImage glyphButton(qreal s, int glyph) {
    QImage img = newImage(s, 16, 16, kTitle);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(glyph == 2 ? QColor(0x3A, 0x1A, 0x20) : kPanelBorder);
    p.drawRoundedRect(QRectF(0, 0, 16, 16), 4, 4);
    QPen pen(Qt::white, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    switch (glyph) {
    case 0: // help
        p.setFont(arial(12, QFont::Bold));
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case 1: // minimise
        p.drawLine(QPointF(4.5, 11), QPointF(11.5, 11));
        break;
    default: // close
        p.drawLine(QPointF(5, 5), QPointF(11, 11));
        p.drawLine(QPointF(11, 5), QPointF(5, 11));
        break;
    }
    return img;
}

QImage helpWindow(qreal s) {
    // Three rows of 25 pixels under the help button; the program writes
    // the texts.
    QImage img = newImage(s, 167, 78, kFar);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(kPanelBorder, 1));
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(0.5, 0.5, 166, 77), 4, 4);
    p.fillRect(1, 0, 3, 78, kAccent);
    p.setPen(kPanelBorder);
    p.drawLine(10, 25, 160, 25);
    p.drawLine(10, 50, 160, 50);
    return img;
}

// A button the size of its command region.
QImage bottomButton(qreal s, int command, const QColor& face, const QColor& bg) {
    const layout::Region& r = layout::ButtonRegionTable()[static_cast<std::size_t>(command)];
    const int w = r.width();
    const int h = r.height();
    QImage img = newImage(s, w, h, bg);
    QPainter p(&img);
    prepare(p);
    drawButtonFace(p, QRectF(0, 0, w, h), face);
    return img;
}

const Registrar kWindow(QStringLiteral("window"), [](SkinSet& set, qreal s) {
    set.add(QStringLiteral("main.png"), mainBackground(s));
    set.add(QStringLiteral("button-help-normal.png"), glyphButton(s, 0));
    set.add(QStringLiteral("button-min-normal.png"), glyphButton(s, 1));
    set.add(QStringLiteral("button-close-normal.png"), glyphButton(s, 2));
    set.add(QStringLiteral("HelpWindow.png"), helpWindow(s));
    set.add(QStringLiteral("apply.png"), bottomButton(s, layout::kCmdApply, kAccent, kFar));
    set.add(QStringLiteral("Config.png"),
            bottomButton(s, layout::kCmdProfiles, kPanelBorder.lighter(115), kFar));
    set.add(QStringLiteral("MacroButton3.png"),
            bottomButton(s, layout::kCmdMacros, kPanelBorder.lighter(115), kFar));
    if (s == 1.0) {
        // Icons come in sizes of their own; the window system picks one.
        set.add(QStringLiteral("icon.png"), programIcon(64));
        set.add(QStringLiteral("icon-256.png"), programIcon(256));
    }
});

} // namespace

QImage programIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const qreal s = size / 64.0;
    // A lit key cap seen from above, with the initial on it.
    p.setPen(Qt::NoPen);
    p.setBrush(kCapSide);
    p.drawRoundedRect(QRectF(4 * s, 6 * s, 56 * s, 54 * s), 10 * s, 10 * s);
    QLinearGradient g(0, 6 * s, 0, 52 * s);
    g.setColorAt(0, kGlow);
    g.setColorAt(1, kAccent);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(8 * s, 8 * s, 48 * s, 44 * s), 8 * s, 8 * s);
    p.setPen(Qt::white);
    p.setFont(arial(static_cast<int>(34 * s), QFont::Black));
    p.drawText(QRectF(8 * s, 8 * s, 48 * s, 44 * s), Qt::AlignCenter, QStringLiteral("V"));
    return img;
}

} // namespace vantrel::skingen
