// SPDX-License-Identifier: MIT
#include "ui/lighting/lighting_page.h"

#include "core/layout/main_window_layout.h"
#include "core/lighting/effect_tables.h"
#include "core/lighting/palette_rules.h"
#include "core/model/configurator_model.h"
#include "core/model/key_picture_table.h"
#include "core/model/key_positions.h"
#include "ui/lighting/key_faces.h"
#include "ui/main_view_state.h"
#include "ui/panel_host.h"
#include "ui/skin/interface_text.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPoint>
#include <algorithm>
#include <cmath>

namespace vantrel::ui {
namespace {

using namespace vantrel::lighting;

const QColor kGreyedSwatch(0xC0, 0xC0, 0xC0);
const QColor kListRow(0x3B, 0x3B, 0x3B);
const QColor kListRowHovered(80, 0, 0);

using layout::kKeyboardListTop;
using layout::kListRowHeight;
using layout::kWristListTop;

constexpr int kPanelLeft = layout::kListLeft;
constexpr int kListWidth = layout::kListRight - layout::kListLeft;
constexpr int kSwatchPitch = 25;
constexpr int kSwatchSize = 20;
constexpr int kOutlineSize = 23;

constexpr int kWristSpeedTitleY = 420;
constexpr int kChineseViewLabelY = 192;

constexpr int kFirstSmallKey = 16;
constexpr int kLastSmallKey = 19;

QString effectName(const KeyboardEffect& e) {
    return QCoreApplication::translate(kKeyboardEffectContext, e.name);
}

QColor toQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

// Relative luminance (sRGB) of a colour, 0 .. 1.
double luminance(const QColor& c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The label of a coloured key: the inverse colour where it stands out from
// the key, black or white otherwise. The inverse of a saturated green or
// magenta has nearly the key's brightness and the thin label vanishes.
QColor keyLabelColour(Rgb key) {
    constexpr double kReadable = 4.5;
    const QColor fill = toQColor(key);
    const QColor inverse(255 - key.red, 255 - key.green, 255 - key.blue);
    if (contrast(fill, inverse) >= kReadable) {
        return inverse;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrast(fill, black) >= contrast(fill, white) ? black : white;
}

} // namespace

LightingPage::LightingPage(ConfiguratorModel& model, MainViewState& view, PanelHost& host,
                           ColourChooser& chooser, const KeyFaces& keys, UiLanguage language)
    : model_(model), view_(view), host_(host), keys_(keys), language_(language),
      controller_(model, view, host, chooser) {}

bool LightingPage::chinese() const {
    return language_.chinese();
}

void LightingPage::label(QPainter& p, const QString& text, int x, int y, int height) {
    host_.drawLabel(p, text, x, y, height, Qt::white);
}

void LightingPage::keyboardListClick(const QPoint& at) {
    controller_.keyboardListClick(at.x(), at.y());
}

void LightingPage::wristListClick(const QPoint& at) {
    controller_.wristListClick(at.x(), at.y());
}

void LightingPage::paint(QPainter& p) {
    const ConfigImage& image = model_.image();
    label(p, tr("Backlight"), 27, 85, 15);
    label(p, tr("Backlight effect"), 28, 112, 15);
    host_.drawSkinImage(p, QStringLiteral("Light_Item.png"), 28, 133);

    paintSpeedAndBrightness(p);
    if (image.lightEffect() < kFirstPerKeyEffect) {
        paintKeyboardPalette(p);
    }
    paintDirectionOrView(p);
    if (const auto effect = findKeyboardEffect(image.lightEffect())) {
        label(p, effectName(*effect), 28, 133, 14);
    }
    paintDeviceItems(p);
    paintWrist(p);

    if (view_.effectListOpen) {
        paintKeyboardList(p);
    } else if (view_.wristListOpen) {
        paintWristList(p);
    }
}

void LightingPage::paintSpeedAndBrightness(QPainter& p) {
    const std::uint8_t effect = model_.image().lightEffect();
    if (effect != kEffectSteady && effect < kFirstSpeedlessEffect) {
        // Shown before it is drawn: an effect changed from outside the page
        // (the keyboard's keys, vantrelctl) must show its slider at once.
        if (!view_.effectListOpen) {
            host_.setSliderVisible(kSliderSpeed, true);
        }
        host_.drawSlider(p, kSliderSpeed);
        if (!view_.effectListOpen) {
            label(p, tr("Speed"), 28, 248, 13);
            host_.setSliderVisible(kSliderBrightness, true);
            label(p, tr("Slow"), 28, 275, 13);
            label(p, tr("Fast"), chinese() ? 230 : 200, 275, 13);
        }
    } else {
        host_.setSliderVisible(kSliderSpeed, false);
    }

    const bool listClosed = !view_.effectListOpen;
    for (int id : {kSliderBrightness, kSliderWristSpeed, kSliderWristBrightness}) {
        host_.setSliderVisible(id, listClosed);
    }
    // The slider's picture reaches into the line of its end labels: drawn
    // first, it leaves their tops whole.
    if (listClosed) {
        host_.drawSlider(p, kSliderBrightness);
    }
    label(p, tr("Brightness"), 28, 206, 13);
    label(p, tr("Dim"), 28, 235, 13);
    label(p, tr("Bright"), chinese() ? 230 : 200, 235, 13);
}

void LightingPage::paintKeyboardPalette(QPainter& p) {
    ConfigImage& image = model_.image();
    const std::uint8_t effect = image.lightEffect();
    if (keyboardHasMultiColourSwatch(effect)) {
        host_.drawSkinImage(p, QStringLiteral("8.png"), 203, 178);
    }
    applyKeyboardPaletteRules(image);
    const bool greyed = keyboardPaletteGreyed(effect);
    for (int k = 0; k < kPaletteColourCount; ++k) {
        const QRect r(kPanelLeft + kSwatchPitch * k, 178, kSwatchSize, kSwatchSize);
        p.fillRect(r,
                   greyed ? kGreyedSwatch : toQColor(image.keyColour(static_cast<std::size_t>(k))));
    }
    const int i = image.lightColourIndex();
    if (i >= 1 && i <= kMultiColourIndex) {
        host_.drawOutline(p, 26 + kSwatchPitch * (i - 1), 176, kOutlineSize, kOutlineSize);
    }
}

void LightingPage::paintDirectionOrView(QPainter& p) {
    const std::uint8_t effect = model_.image().lightEffect();
    if (effect == kEffectWave || effect == kEffectRadar) {
        label(p, tr("Direction"), 29, 152, 15);
        host_.drawSkinImage(p, QStringLiteral("Direction-T-Disable.png"), 116, 152);
        host_.drawSkinImage(p, QStringLiteral("Direction-B-Disable.png"), 148, 152);
        host_.drawSkinImage(p, QStringLiteral("Direction-R-Disable.png"), 179, 152);
        host_.drawSkinImage(p, QStringLiteral("Direction-L-Disable.png"), 211, 152);
        switch (model_.image().lightDirection()) {
        case 1:
            host_.drawSkinImage(p, QStringLiteral("Direction-L-Enable.png"), 211, 152);
            break;
        case 2:
            host_.drawSkinImage(p, QStringLiteral("Direction-R-Enable.png"), 179, 152);
            break;
        case 3:
            host_.drawSkinImage(p, QStringLiteral("Direction-T-Enable.png"), 116, 152);
            break;
        case 4:
            host_.drawSkinImage(p, QStringLiteral("Direction-B-Enable.png"), 148, 152);
            break;
        default:
            break;
        }
        return;
    }
    if (!isPerKeyEffect(effect)) {
        return;
    }
    const QString on = QStringLiteral("Enable.png");
    const QString off = QStringLiteral("Disable.png");
    host_.drawSkinImage(p, view_.perKeyColourView ? off : on, 28, 174);
    host_.drawSkinImage(p, view_.perKeyColourView ? on : off, 130, 174);
    if (chinese()) {
        // Under their buttons, clear of the brightness title below.
        label(p, tr("Keymap"), 45, kChineseViewLabelY, 15);
        label(p, tr("DIY"), 147, kChineseViewLabelY, 15);
    } else {
        label(p, tr("Keymap"), 48, 177, 15);
        label(p, tr("DIY"), 150, 177, 15);
    }
}

void LightingPage::paintDeviceItems(QPainter& p) {
    const ConfigImage& image = model_.image();
    host_.drawSkinImage(p, QStringLiteral("MacroButton3.png"), 107, 610);
    if (chinese()) {
        label(p, tr("Macros"), 122, 612, 15);
        label(p, tr("Game mode"), 26, 576, 16);
    } else {
        host_.drawButtonLabel(p, tr("Macros"), {108, 612},
                              layout::ButtonRegionTable()[layout::kCmdMacros], 14);
        label(p, tr("Game mode"), 21, 576, 14);
    }
    const QString on = QStringLiteral("Enable.png");
    const QString off = QStringLiteral("Disable.png");
    host_.drawSkinImage(p, image.gameMode() != 0 ? on : off, 99, 578);
    if (chinese()) {
        label(p, tr("Win lock"), 133, 576, 16);
    } else {
        label(p, tr("Win lock"), 156, 576, 14);
    }
    host_.drawSkinImage(p, image.winLock() != 0 ? on : off, 231, 578);

    label(p, tr("Key response time"), 26, chinese() ? 465 : 460, 15);
    host_.setSliderVisible(kSliderResponseTime, true);
    host_.drawSlider(p, kSliderResponseTime);
    host_.drawSkinImage(p, QStringLiteral("responsetime_txt.png"), 25, 500);

    label(p, tr("USB report rate"), 26, 518, 15);
    host_.drawSkinImage(p, QStringLiteral("responsetime_txt.png"), 25, 500);
    host_.drawSkinImage(p, QStringLiteral("reportRate_txt.png"), 25, 550);
    host_.drawSlider(p, kSliderReportRate);
    host_.setSliderVisible(kSliderReportRate, true);
}

void LightingPage::paintWrist(QPainter& p) {
    ConfigImage& image = model_.image();
    host_.drawSlider(p, kSliderWristBrightness);
    // The wrist rest's texts have their own context: they read the same in
    // every language but English.
    label(p, QCoreApplication::translate("WristRest", "Brightness"), 28, 380, 13);
    label(p, QCoreApplication::translate("WristRest", "Dim"), 28, 410, 13);
    label(p, QCoreApplication::translate("WristRest", "Bright"), 200, 410, 13);
    host_.drawSlider(p, kSliderWristSpeed);
    label(p, QCoreApplication::translate("WristRest", "Speed"), 28, kWristSpeedTitleY, 13);
    label(p, QCoreApplication::translate("WristRest", "Slow"), 28, 448, 13);
    label(p, QCoreApplication::translate("WristRest", "Fast"), 200, 448, 13);
    label(p, QCoreApplication::translate("WristRest", "Wrist rest effects"), 28, 302, 15);
    host_.drawSkinImage(p, QStringLiteral("Light_Item.png"), 28, 317);

    const std::uint8_t effect = image.wristLighting()[image::kWristEffect];
    if (effect < kFirstPerKeyEffect) {
        if (wristHasMultiColourSwatch(effect)) {
            host_.drawSkinImage(p, QStringLiteral("8.png"), 203, 355);
        }
        if (const auto enabled = wristBrightnessSliderEnabled(effect)) {
            host_.setSliderEnabled(kSliderWristBrightness, *enabled);
        }
        applyWristPaletteRules(image);
        const bool greyed = wristPaletteGreyed(effect);
        for (int k = 0; k < kPaletteColourCount; ++k) {
            const QRect r(kPanelLeft + kSwatchPitch * k, 355, kSwatchSize, kSwatchSize);
            p.fillRect(r, greyed ? kGreyedSwatch
                                 : toQColor(image.wristColour(static_cast<std::size_t>(k))));
        }
        const int j = image.wristLighting()[image::kWristColourChoice];
        if (j <= kWristMultiColourChoice) {
            host_.drawOutline(p, 26 + kSwatchPitch * j, 353, kOutlineSize, kOutlineSize);
        }
    }
    if (const auto wrist = findWristEffect(effect)) {
        label(p, QCoreApplication::translate(kWristEffectContext, wrist->name), 28, 318, 14);
    }
}

void LightingPage::paintKeyboardList(QPainter& p) {
    for (int id : {kSliderSpeed, kSliderBrightness, kSliderResponseTime}) {
        host_.setSliderVisible(id, false);
    }
    const int height = chinese() ? 18 : 15;
    int row = 0;
    for (const KeyboardEffect& e : keyboardEffects()) {
        const int y = kKeyboardListTop + kListRowHeight * row;
        p.fillRect(QRect(kPanelLeft, y, kListWidth, kListRowHeight),
                   row == view_.hoveredEffectItem ? kListRowHovered : kListRow);
        label(p, effectName(e), kPanelLeft, y, height);
        ++row;
    }
}

void LightingPage::paintWristList(QPainter& p) {
    for (int id : {kSliderSpeed, kSliderBrightness, kSliderResponseTime, kSliderWristSpeed,
                   kSliderWristBrightness}) {
        host_.setSliderVisible(id, false);
    }
    int row = 0;
    for (const WristEffect& e : wristEffects()) {
        const int y = kWristListTop + kListRowHeight * row;
        p.fillRect(QRect(kPanelLeft, y, kListWidth, kListRowHeight),
                   row == view_.hoveredWristItem ? kListRowHovered : kListRow);
        label(p, QCoreApplication::translate(kWristEffectContext, e.name), kPanelLeft, y, 18);
        ++row;
    }
}

void LightingPage::paintPerKeyOverlay(QPainter& p) {
    const std::uint8_t effect = model_.image().lightEffect();
    if (!view_.perKeyColourView || !isPerKeyEffect(effect)) {
        return;
    }
    const std::size_t map = effect - kFirstPerKeyEffect;
    const int count = std::min(keys_.count(), static_cast<int>(kKeyPositionCount));
    for (int i = 0; i < count; ++i) {
        const KeyFace f = keys_.face(i);
        const Rgb c =
            model_.image().colourMapEntry(map, KeyPositionMatrixCode(static_cast<std::size_t>(i)));
        if (!c.isBlack()) {
            p.fillRect(QRect(f.left + kKeyboardPictureX, f.top + kKeyboardPictureY,
                             f.right - f.left, f.bottom - f.top),
                       toQColor(c));
            const bool small = i >= kFirstSmallKey && i <= kLastSmallKey;
            host_.drawLabel(p, f.label, f.anchorX + 296, f.anchorY + 90, small ? 7 : 10,
                            keyLabelColour(c));
        }
        if (view_.keySelected[static_cast<std::size_t>(i)]) {
            host_.drawOutline(p, f.left + 299, f.top + 93, f.right - f.left + 3,
                              f.bottom - f.top + 3);
        }
    }
    if (view_.buttonHeld) {
        host_.drawOutline(p, view_.bandAnchorX, view_.bandAnchorY, view_.bandX - view_.bandAnchorX,
                          view_.bandY - view_.bandAnchorY);
    }
    if (view_.hoveredKey >= 0 && view_.hoveredKey < count) {
        const KeyFace f = keys_.face(view_.hoveredKey);
        host_.drawOutline(p, f.left + 299, f.top + 93, f.right - f.left + 3, f.bottom - f.top + 3);
    }
}

} // namespace vantrel::ui
