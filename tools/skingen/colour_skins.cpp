// SPDX-License-Identifier: MIT
// The colour chooser's background: title strip with the close square, wells
// for the 64 palette cells, a frame for the spectrum and the preview.
#include "skin_canvas.h"

namespace vantrel::skingen {
namespace {

using namespace palette;

constexpr int kWidth = 337;
constexpr int kHeight = 240;

// Must agree with the dialog's palette layout.
constexpr int kCellW = 14;
constexpr int kCellH = 13;
constexpr int kRowTops[] = {41, 57, 73, 89, 105, 122, 162, 178};

QImage colourBackground() {
    QImage img = newImage(kWidth, kHeight, kFar);
    QPainter p(&img);
    prepare(p);
    // Title strip; the program writes "COLOR" at its left.
    p.fillRect(QRect(0, 0, kWidth, 22), kTitle);
    p.fillRect(QRect(0, 22, kWidth, 1), kAccent);
    // Close square 322..327 x 8..14, glyph in white.
    QPen x(Qt::white, 1.4);
    x.setCapStyle(Qt::RoundCap);
    p.setPen(x);
    p.drawLine(QPointF(322, 8), QPointF(327.5, 14));
    p.drawLine(QPointF(322, 14), QPointF(327.5, 8));

    // Basic colours (six rows) and custom colours (two rows).
    drawPanel(p, QRect(6, 34, 158, 105));
    drawPanel(p, QRect(66, 144, 98, 54));
    drawPanel(p, QRect(6, 144, 58, 58));
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int row = 0; row < 8; ++row) {
        for (int c = 0; c < 8; ++c) {
            const int x0 = 13 + 19 * c;
            const int y0 = kRowTops[row];
            if (row >= 6) {
                continue; // the custom cells sit below, over the value panel
            }
            p.setPen(kCapEdge);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(x0 - 2, y0 - 2, kCellW + 3, kCellH + 3));
        }
    }
    // Spectrum frame at (171, 27), 160 x 140.
    p.setRenderHint(QPainter::Antialiasing, true);
    drawPanel(p, QRect(166, 24, 169, 148));
    // Preview well (14, 150) - (59, 195).
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kCapEdge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(12, 148, 48, 48));
    // A thin accent rule above the buttons.
    p.fillRect(QRect(171, 180, 160, 1), kPanelBorder);
    return img;
}

const Registrar kColour(QStringLiteral("colour"), [](SkinSet& set) {
    set.add(QStringLiteral("Color_BK.png"), colourBackground());
});

} // namespace
} // namespace vantrel::skingen
