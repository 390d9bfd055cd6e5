// SPDX-License-Identifier: MIT
#include "ui/lighting/custom_colour_dialog.h"

#include "core/model/configurator_model.h"
#include "ui/lighting/colour_spectrum_ctrl.h"
#include "ui/skin/region_rect.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel::ui {
namespace {

namespace cd = vantrel::layout::colour_dialog;

constexpr int kSpectrumId = 9001;

// Control ids of the value boxes, in the order red, green, blue, hue,
// saturation, luminosity.
constexpr std::array<int, 6> kBoxIds{1030, 1025, 1026, 1027, 1028, 1029};

} // namespace

CCustomColorDialog::CCustomColorDialog(ConfiguratorModel& model, SkinPainter& painter,
                                       const SkinFolder& skins, UiLanguage language,
                                       QWidget* parent)
    : SkinnedDialog(parent), model_(model), controller_(model, painter, skins, *this, *this) {
    setController(&controller_);

    // The placeholder only lends its rectangle to the spectrum.
    auto* placeholder = new QLabel(this);
    placeholder->setGeometry(toQRect(cd::kSpectrum));
    placeholder->hide();

    spectrum_ = new CXColorSpectrumCtrl(this, kSpectrumId, Rgb{0xC0, 0xC0, 0xC0}, 0);
    spectrum_->setGeometry(toQRect(cd::kSpectrum));
    spectrum_->setAccessibleName(QCoreApplication::translate("ColourChooser", "Color"));
    // The control draws in the window's system colours; on the dark skin the
    // crosshair and arrow need a light text colour and a dark window colour.
    QPalette pal = spectrum_->palette();
    pal.setColor(QPalette::Window, QColor(0x1C, 0x1F, 0x26));
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Dark, QColor(0x5A, 0x60, 0x6C));
    spectrum_->setPalette(pal);
    connect(spectrum_, &CXColorSpectrumCtrl::selChange, this, [this](const QColor& c, int) {
        controller_.spectrumChanged(Rgb{static_cast<std::uint8_t>(c.red()),
                                        static_cast<std::uint8_t>(c.green()),
                                        static_cast<std::uint8_t>(c.blue())});
    });
    // A double click is reported but does not end the choice: only OK does.

    ok_ = new QPushButton(QCoreApplication::translate("ColourChooser", "OK"), this);
    ok_->setGeometry(toQRect(cd::kOk));
    cancel_ = new QPushButton(QCoreApplication::translate("ColourChooser", "Cancel"), this);
    cancel_->setGeometry(toQRect(cd::kCancel));
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
        const int x = i < 3 ? cd::kRgbBoxX : cd::kHslBoxX;
        box->setGeometry(x, cd::kBoxRows[i % 3], cd::kBoxWidth, cd::kBoxHeight);
        // Named by the letters painted beside them.
        static constexpr const char* kLetters[] = {"R", "G", "B", "H", "S", "L"};
        box->setAccessibleName(QString::fromLatin1(kLetters[i]));
        box->setStyleSheet(QStringLiteral(
            "QLineEdit { color: #C9CED8; background: #14161B; border: 1px solid #2A2E37;"
            " font: 10px 'Arial'; padding: 0px 2px; }"));
        boxes_[i] = box;
    }
    setTabOrder(spectrum_, ok_);
    setTabOrder(ok_, cancel_);

    // Screen readers name the window in every language; the title itself
    // stays as the window system has always shown it.
    setAccessibleName(QCoreApplication::translate("ColourChooser", "Color"));
    if (language.chinese()) {
        setWindowTitle(QCoreApplication::translate("ColourChooser", "Color"));
    }
}

void CCustomColorDialog::startFromExchangeColour() {
    spectrum_->setColor(model_.exchangeColour());
    refillValues();
    controller_.start();
    spectrum_->setFocus(Qt::OtherFocusReason);
}

bool CCustomColorDialog::run() {
    startFromExchangeColour();
    return runModal();
}

QString CCustomColorDialog::boxText(int controlId) const {
    for (std::size_t i = 0; i < kBoxIds.size(); ++i) {
        if (kBoxIds[i] == controlId) {
            return boxes_[i]->text();
        }
    }
    return {};
}

void CCustomColorDialog::showInSpectrum(Rgb c) {
    spectrum_->setColor(c);
}

void CCustomColorDialog::refillValues() {
    const Rgb c = model_.exchangeColour();
    const auto h = spectrum_->hsl();
    const std::array<int, 6> values{c.red, c.green, c.blue, h.hue, h.saturation, h.luminosity};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->setText(QString::number(values[i]));
    }
}

} // namespace vantrel::ui
