// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>
#include <string_view>

class QPainter;

namespace vantrel::ui {

inline QString fromU8(std::u8string_view s) {
    return QString::fromUtf8(reinterpret_cast<const char*>(s.data()),
                             static_cast<qsizetype>(s.size()));
}

// The program's own text face ("Arial" of the given cell height, weight 300,
// transparent background) in any colour; (x, y) is the top-left of the cell.
void drawTextCell(QPainter& p, const QString& text, int x, int y, int height, const QColor& colour);

} // namespace vantrel::ui
