// SPDX-License-Identifier: MIT
// The colour chooser's background: title strip with the close square, wells
// for the 64 palette cells, a frame for the spectrum and the preview.
#include "core/layout/colour_dialog_layout.h"
#include "core/lighting/chooser_palette.h"
#include "skin_canvas.h"

namespace vantrel::skingen {
namespace {

using namespace palette;

namespace cd = vantrel::layout::colour_dialog;
constexpr int kWidth = cd::kFallbackWidth;
constexpr int kHeight = cd::kFallbackHeight;

QImage colourBackground(qreal s) {
    QImage img = newImage(s, kWidth, kHeight, kFar);
    QPainter p(&img);
    prepare(p);
    // Title strip; the program writes "COLOR" at its left.
    p.fillRect(QRect(0, 0, kWidth, 22), kTitle);
    p.fillRect(QRect(0, 22, kWidth, 1), kAccent);
    // The close square's glyph in white, over exactly its pixels.
    const auto& close = cd::kCloseSquare;
    QPen x(Qt::white, 1.4);
    x.setCapStyle(Qt::RoundCap);
    p.setPen(x);
    p.drawLine(QPointF(close.left, close.top), QPointF(close.right + 0.5, close.bottom));
    p.drawLine(QPointF(close.left, close.bottom), QPointF(close.right + 0.5, close.top));

    // Basic colours (six rows) and custom colours (two rows).
    drawPanel(p, QRect(6, 34, 158, 105));
    drawPanel(p, QRect(66, 144, 98, 54));
    drawPanel(p, QRect(6, 144, 58, 58));
    p.setRenderHint(QPainter::Antialiasing, false);
    // Wells for the basic cells; the custom cells sit below, under the
    // value panel, and get none.
    for (int cell = 0; cell < lighting::kBasicColourCount; ++cell) {
        const auto o = lighting::chooserCellOrigin(cell);
        p.setPen(kCapEdge);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(o.x - 2, o.y - 2, lighting::kCellWidth + 3, lighting::kCellHeight + 3));
    }
    // Spectrum frame around the spectrum.
    const auto& sp = cd::kSpectrum;
    p.setRenderHint(QPainter::Antialiasing, true);
    drawPanel(p, QRect(sp.left - 5, sp.top - 3, sp.width() + 9, sp.height() + 8));
    // Preview well.
    const auto& pv = cd::kPreview;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kCapEdge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(pv.left - 2, pv.top - 2, pv.width() + 3, pv.height() + 3));
    // A thin accent rule above the buttons.
    p.fillRect(QRect(171, 180, 160, 1), kPanelBorder);
    return img;
}

const Registrar kColour(QStringLiteral("colour"), [](SkinSet& set, qreal s) {
    set.add(QStringLiteral("Color_BK.png"), colourBackground(s));
});

} // namespace
} // namespace vantrel::skingen
