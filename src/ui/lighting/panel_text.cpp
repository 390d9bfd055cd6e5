// SPDX-License-Identifier: MIT
#include "ui/lighting/panel_text.h"

#include <QFont>
#include <QPainter>

namespace vantrel::ui {

void drawTextCell(QPainter& p, const QString& text, int x, int y, int height,
                  const QColor& colour) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    // The cell height includes the internal leading, so the glyphs are a bit
    // smaller than the cell.
    font.setPixelSize(std::max(1, height * 4 / 5));
    font.setWeight(QFont::Light);
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(x, y, 2000, height), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    p.restore();
}

} // namespace vantrel::ui
