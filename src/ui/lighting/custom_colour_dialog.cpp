// SPDX-License-Identifier: MIT
#include "ui/lighting/custom_colour_dialog.h"

#include "core/lighting/chooser_palette.h"
#include "core/lighting/effect_tables.h"
#include "core/model/configurator_model.h"
#include "ui/lighting/colour_spectrum_ctrl.h"
#include "ui/lighting/panel_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace vantrel::ui {
namespace {

using namespace vantrel::lighting;

constexpr int kSpectrumId = 9001;
constexpr QRect kSpectrumRect(171, 27, 160, 140);
constexpr QRect kOkRect(218, 187, 47, 15);
constexpr QRect kCancelRect(270, 187, 47, 15);
constexpr QRect kPreview(14, 150, 45, 45);
// The close square of the skin (inclusive edges).
constexpr int kCloseLeft = 322;
constexpr int kCloseRight = 327;
constexpr int kCloseTop = 8;
constexpr int kCloseBottom = 14;

// Control ids of the value boxes, in the order red, green, blue, hue,
// saturation, luminosity.
constexpr std::array<int, 6> kBoxIds{1030, 1025, 1026, 1027, 1028, 1029};
constexpr std::array<int, 3> kBoxRows{150, 165, 180};
constexpr int kRgbBoxX = 128;
constexpr int kHslBoxX = 80;

QColor toQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

} // namespace

CCustomColorDialog::CCustomColorDialog(ConfiguratorModel& model, const QImage& skin,
                                       std::uint16_t uiLanguage, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), model_(model), skin_(skin),
      language_(uiLanguage) {
    if (skin_.isNull()) {
        skin_ = fallbackBackground();
    }
    setFixedSize(skin_.size());
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The placeholder only lends its rectangle to the spectrum.
    auto* placeholder = new QLabel(this);
    placeholder->setGeometry(kSpectrumRect);
    placeholder->hide();

    spectrum_ = new CXColorSpectrumCtrl(this, kSpectrumId, Rgb{0xC0, 0xC0, 0xC0}, 0);
    spectrum_->setGeometry(kSpectrumRect);
    // The control draws in the window's system colours; on the dark skin the
    // crosshair and arrow need a light text colour and a dark window colour.
    QPalette pal = spectrum_->palette();
    pal.setColor(QPalette::Window, QColor(0x1C, 0x1F, 0x26));
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Dark, QColor(0x5A, 0x60, 0x6C));
    spectrum_->setPalette(pal);
    connect(spectrum_, &CXColorSpectrumCtrl::selChange, this,
            [this](const QColor& c, int) { onSelChange(c); });
    // A double click is reported but does not end the choice: only OK does.

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setGeometry(kOkRect);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setGeometry(kCancelRect);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    ok_->setDefault(false);
    ok_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    const QString buttonStyle =
        QStringLiteral("QPushButton { color: white; background: #2A2E37; border: 1px solid #3A3F4B;"
                       " border-radius: 4px; font: 10px 'Arial'; }"
                       "QPushButton:hover { border-color: #E0243A; }"
                       "QPushButton:focus { border-color: #FF4458; }");
    ok_->setStyleSheet(buttonStyle);
    cancel_->setStyleSheet(buttonStyle);

    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::number(kBoxIds[i]));
        box->setReadOnly(true);
        box->setEnabled(false);
        const int x = i < 3 ? kRgbBoxX : kHslBoxX;
        box->setGeometry(x, kBoxRows[i % 3], 30, 15);
        box->setStyleSheet(QStringLiteral(
            "QLineEdit { color: #C9CED8; background: #14161B; border: 1px solid #2A2E37;"
            " font: 10px 'Arial'; padding: 0px 2px; }"));
        boxes_[i] = box;
    }
    setTabOrder(spectrum_, ok_);
    setTabOrder(ok_, cancel_);

    if (isChinese(language_)) {
        setWindowTitle(QStringLiteral("Color"));
    }
}

QImage CCustomColorDialog::fallbackBackground() const {
    QImage img(kFallbackWidth, kFallbackHeight, QImage::Format_RGB32);
    img.fill(QColor(0x14, 0x16, 0x1B));
    QPainter p(&img);
    p.setPen(QColor(0x2A, 0x2E, 0x37));
    p.drawRect(0, 0, kFallbackWidth - 1, kFallbackHeight - 1);
    p.fillRect(QRect(0, 0, kFallbackWidth, 22), QColor(0x1F, 0x23, 0x2B));
    // Panels behind the palette, the spectrum and the values.
    p.fillRect(QRect(6, 34, 158, 106), QColor(0x1C, 0x1F, 0x26));
    p.fillRect(QRect(6, 144, 158, 58), QColor(0x1C, 0x1F, 0x26));
    p.fillRect(QRect(166, 24, 168, 146), QColor(0x1C, 0x1F, 0x26));
    // Close glyph over the close square.
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(kCloseLeft, kCloseTop, kCloseRight, kCloseBottom);
    p.drawLine(kCloseLeft, kCloseBottom, kCloseRight, kCloseTop);
    return img;
}

void CCustomColorDialog::startFromExchangeColour() {
    const Rgb start = model_.exchangeColour();
    spectrum_->setColor(start);
    refillBoxes();
    selectedCell_ = chooserCellOfColour(start).value_or(-1);
    spectrum_->setFocus(Qt::OtherFocusReason);
    update();
}

bool CCustomColorDialog::run() {
    startFromExchangeColour();
    return exec() == QDialog::Accepted;
}

QString CCustomColorDialog::boxText(int controlId) const {
    for (std::size_t i = 0; i < kBoxIds.size(); ++i) {
        if (kBoxIds[i] == controlId) {
            return boxes_[i]->text();
        }
    }
    return {};
}

void CCustomColorDialog::refillBoxes() {
    const Rgb c = model_.exchangeColour();
    const auto h = spectrum_->hsl();
    const std::array<int, 6> values{c.red, c.green, c.blue, h.hue, h.saturation, h.luminosity};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->setText(QString::number(values[i]));
    }
}

void CCustomColorDialog::onSelChange(const QColor& colour) {
    model_.setExchangeColour(Rgb{static_cast<std::uint8_t>(colour.red()),
                                 static_cast<std::uint8_t>(colour.green()),
                                 static_cast<std::uint8_t>(colour.blue())});
    refillBoxes();
    update();
}

void CCustomColorDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, skin_);
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
    const QColor white(Qt::white);
    drawTextCell(p, QStringLiteral("COLOR"), 0, 0, 18, white);
    const std::array<QString, 3> rgb{QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")};
    const std::array<QString, 3> hsl{QStringLiteral("H"), QStringLiteral("S"), QStringLiteral("L")};
    for (std::size_t i = 0; i < 3; ++i) {
        drawTextCell(p, rgb[i], 118, kBoxRows[i], 15, white);
        drawTextCell(p, hsl[i], 70, kBoxRows[i], 15, white);
    }
    p.fillRect(kPreview, toQColor(model_.exchangeColour()));
}

void CCustomColorDialog::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        dragging_ = true;
        dragOffset_ = e->globalPosition().toPoint() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(e);
}

void CCustomColorDialog::mouseMoveEvent(QMouseEvent* e) {
    // No caption: the dialog is dragged by any free point.
    if (dragging_ && (e->buttons() & Qt::LeftButton)) {
        move(e->globalPosition().toPoint() - dragOffset_);
    }
}

void CCustomColorDialog::mouseReleaseEvent(QMouseEvent* e) {
    dragging_ = false;
    if (e->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = e->position().toPoint();
    if (const auto cell = chooserCellAt(at.x(), at.y())) {
        const Rgb c = chooserPaletteColours()[static_cast<std::size_t>(*cell)];
        spectrum_->setColor(c);
        model_.setExchangeColour(c);
        selectedCell_ = *cell;
        refillBoxes();
        update();
    } else if (at.x() >= kCloseLeft && at.x() <= kCloseRight && at.y() >= kCloseTop &&
               at.y() <= kCloseBottom) {
        reject();
    }
}

} // namespace vantrel::ui
