// SPDX-License-Identifier: MIT
#include "ui/lighting/colour_dialog_controller.h"

#include "core/layout/colour_dialog_layout.h"
#include "core/lighting/chooser_palette.h"
#include "core/model/configurator_model.h"
#include "ui/skin/region_rect.h"
#include "ui/skin/skin_painter.h"

#include <QCoreApplication>
#include <QPainter>

namespace vantrel::ui {
namespace {

using namespace vantrel::lighting;
namespace cd = vantrel::layout::colour_dialog;

const QString kSkin = QStringLiteral("Color_BK.png");

QColor toQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

} // namespace

ColourDialogController::ColourDialogController(ConfiguratorModel& model, SkinPainter& painter,
                                               SkinFolder skins, DialogHost& host,
                                               ColourDialogWidgets& widgets)
    : model_(model), painter_(painter), skins_(std::move(skins)), host_(host), widgets_(widgets) {}

QSize ColourDialogController::size() {
    const QSize s = painter_.store().size(skins_, kSkin);
    return s.isValid() ? s : QSize(cd::kFallbackWidth, cd::kFallbackHeight);
}

void ColourDialogController::drawPlainFace(QPainter& p) {
    p.fillRect(QRect(0, 0, cd::kFallbackWidth, cd::kFallbackHeight), QColor(0x14, 0x16, 0x1B));
    p.setPen(QColor(0x2A, 0x2E, 0x37));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, cd::kFallbackWidth - 1, cd::kFallbackHeight - 1);
    p.fillRect(QRect(0, 0, cd::kFallbackWidth, 22), QColor(0x1F, 0x23, 0x2B));
    // Panels behind the palette, the spectrum and the values.
    p.fillRect(QRect(6, 34, 158, 106), QColor(0x1C, 0x1F, 0x26));
    p.fillRect(QRect(6, 144, 158, 58), QColor(0x1C, 0x1F, 0x26));
    p.fillRect(QRect(166, 24, 168, 146), QColor(0x1C, 0x1F, 0x26));
    const auto& close = cd::kCloseSquare;
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(close.left, close.top, close.right, close.bottom);
    p.drawLine(close.left, close.bottom, close.right, close.top);
}

void ColourDialogController::start() {
    selectedCell_ = chooserCellOfColour(model_.exchangeColour()).value_or(-1);
    host_.repaint();
}

void ColourDialogController::spectrumChanged(Rgb c) {
    model_.setExchangeColour(c);
    widgets_.refillValues();
    host_.repaint();
}

void ColourDialogController::compose(QPainter& p) {
    if (!painter_.image(p, skins_, kSkin, 0, 0)) {
        drawPlainFace(p);
    }
    // The basic cells are drawn from the table so they always show what a
    // click picks. The custom cells lie under the preview and the value
    // boxes; they answer clicks (white) but are not drawn.
    const auto& colours = chooserPaletteColours();
    for (int i = 0; i < kBasicColourCount; ++i) {
        const CellOrigin o = chooserCellOrigin(i);
        p.fillRect(QRect(o.x, o.y, kCellWidth, kCellHeight),
                   toQColor(colours[static_cast<std::size_t>(i)]));
    }
    if (selectedCell_ >= 0) {
        const CellOrigin o = chooserCellOrigin(selectedCell_);
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(o.x - 1, o.y - 1), QPoint(o.x + 12, o.y + 11)));
    }
    painter_.label(p, QCoreApplication::translate("ColourChooser", "COLOR"), 0, 0, 18);
    const char* rgb[] = {"R", "G", "B"};
    const char* hsl[] = {"H", "S", "L"};
    for (std::size_t i = 0; i < cd::kBoxRows.size(); ++i) {
        painter_.label(p, QString::fromLatin1(rgb[i]), cd::kRgbBoxX - 10, cd::kBoxRows[i], 15);
        painter_.label(p, QString::fromLatin1(hsl[i]), cd::kHslBoxX - 10, cd::kBoxRows[i], 15);
    }
    p.fillRect(toQRect(cd::kPreview), toQColor(model_.exchangeColour()));
}

bool ColourDialogController::dragsFrom(int x, int y) const {
    // Click targets never move the window, so a shaky click still picks.
    return !chooserCellAt(x, y) && !cd::kCloseSquare.contains(x, y);
}

AccessRegions ColourDialogController::accessRegions() const {
    AccessRegions out;
    AccessRegion close;
    close.id = QStringLiteral("close");
    close.name = QCoreApplication::translate("ColourChooser", "Cancel");
    close.rect = toQRect(cd::kCloseSquare);
    out.push_back(std::move(close));
    AccessRegion palette;
    palette.id = QStringLiteral("palette");
    palette.role = QAccessible::List;
    palette.name = QCoreApplication::translate("ColourChooser", "Color");
    const CellOrigin first = chooserCellOrigin(0);
    const CellOrigin last = chooserCellOrigin(kPaletteCellCount - 1);
    palette.rect =
        QRect(QPoint(first.x, first.y), QPoint(last.x + kCellWidth - 1, last.y + kCellHeight - 1));
    out.push_back(palette);
    for (int cell = 0; cell < kPaletteCellCount; ++cell) {
        const CellOrigin at = chooserCellOrigin(cell);
        AccessRegion r;
        r.id = QStringLiteral("cell:%1").arg(cell);
        r.parentId = palette.id;
        r.role = QAccessible::ListItem;
        // A colour is named by its value: the same words in every language.
        r.name = toQColor(chooserPaletteColours()[static_cast<std::size_t>(cell)]).name();
        r.rect = QRect(at.x, at.y, kCellWidth, kCellHeight);
        r.selected = cell == selectedCell_;
        out.push_back(std::move(r));
    }
    return out;
}

void ColourDialogController::release(int x, int y) {
    if (const auto cell = chooserCellAt(x, y)) {
        const Rgb c = chooserPaletteColours()[static_cast<std::size_t>(*cell)];
        model_.setExchangeColour(c);
        widgets_.showInSpectrum(c);
        selectedCell_ = *cell;
        widgets_.refillValues();
        host_.repaint();
    } else if (cd::kCloseSquare.contains(x, y)) {
        host_.finish(false);
    }
}

} // namespace vantrel::ui
