// SPDX-License-Identifier: MIT
#include "ui/lighting/lighting_controller.h"

#include "core/layout/main_window_layout.h"
#include "core/lighting/effect_tables.h"
#include "core/lighting/lighting_sliders.h"
#include "core/lighting/palette_rules.h"
#include "core/model/configurator_model.h"
#include "core/model/key_positions.h"
#include "ui/lighting/colour_chooser.h"
#include "ui/main_view_state.h"
#include "ui/panel_host.h"

namespace vantrel::ui {
namespace {

using namespace vantrel::lighting;
using namespace vantrel::layout;

// The chooser always starts from this dark grey, which matches no palette
// cell, so no cell is preselected.
constexpr Rgb kChooserStartColour{0x0C, 0x0C, 0x0C};

// Direction codes of lightDirection.
constexpr std::uint8_t kDirectionLeft = 1;
constexpr std::uint8_t kDirectionRight = 2;
constexpr std::uint8_t kDirectionUp = 3;
constexpr std::uint8_t kDirectionDown = 4;

// Notification types of the keyboard's own lighting changes.
constexpr int kNotifyEffect = 5;
constexpr int kNotifySpeed = 6;
constexpr int kNotifyBrightness = 7;

int listItemAt(int x, int y, int top, int rows) {
    if (x < kListLeft || x > kListRight || y < top || y >= top + rows * kListRowHeight) {
        return kNoItem;
    }
    return (y - top) / kListRowHeight;
}

} // namespace

LightingController::LightingController(ConfiguratorModel& model, MainViewState& view,
                                       PanelHost& host, ColourChooser& chooser)
    : model_(model), view_(view), host_(host), chooser_(chooser) {}

int LightingController::keyboardListItemAt(int x, int y) {
    return listItemAt(x, y, kKeyboardListTop, static_cast<int>(kKeyboardEffectCount));
}

int LightingController::wristListItemAt(int x, int y) {
    return listItemAt(x, y, kWristListTop, static_cast<int>(kWristEffectCount));
}

bool LightingController::chooseColour() {
    model_.setExchangeColour(kChooserStartColour);
    return chooser_.run();
}

void LightingController::command(int c) {
    ConfigImage& image = model_.image();
    switch (c) {
    case kCmdEffectBox:
        view_.effectListOpen = true;
        for (int id : {kSliderSpeed, kSliderBrightness, kSliderResponseTime, kSliderWristSpeed,
                       kSliderWristBrightness}) {
            host_.setSliderVisible(id, false);
        }
        return;
    case kCmdArrowTop:
        image.setLightDirection(kDirectionUp);
        return;
    case kCmdArrowBottom:
        image.setLightDirection(kDirectionDown);
        return;
    case kCmdArrowRight:
        image.setLightDirection(kDirectionRight);
        return;
    case kCmdArrowLeft:
        image.setLightDirection(kDirectionLeft);
        return;
    case kCmdWristBox:
        view_.wristListOpen = true;
        for (int id : {kSliderSpeed, kSliderBrightness, kSliderResponseTime}) {
            host_.setSliderVisible(id, false);
        }
        return;
    case kCmdWristChoice0:
        image.wristLighting()[image::kWristColourChoice] = 0;
        return;
    case kCmdWristChoice1:
        image.wristLighting()[image::kWristColourChoice] = 1;
        return;
    case kCmdWristMulti: {
        const auto out = wristMultiColourClick(image.wristLighting()[image::kWristEffect]);
        if (out.newIndex) {
            image.wristLighting()[image::kWristColourChoice] = *out.newIndex;
        }
        return;
    }
    case kCmdKeymapRadio:
    case kCmdDiyRadio:
        if (image.lightEffect() >= kFirstPerKeyEffect) {
            view_.perKeyColourView = (c == kCmdDiyRadio);
        }
        return;
    default:
        break;
    }
    if (c >= kCmdFirstSwatch && c <= kCmdLastSwatch) {
        keyboardSwatch(c - kCmdFirstSwatch + 1);
    } else if (c >= kCmdFirstWristSwatch && c <= kCmdLastWristSwatch) {
        wristSwatch(c - kCmdFirstWristSwatch);
    }
}

void LightingController::keyboardSwatch(int s) {
    ConfigImage& image = model_.image();
    const auto out = keyboardSwatchClick(image.lightEffect(), image.lightColourIndex(), s);
    if (out.openChooser && out.colourToEdit && chooseColour()) {
        image.setKeyColour(*out.colourToEdit, model_.exchangeColour());
    }
    if (out.newIndex) {
        image.setLightColourIndex(*out.newIndex);
    }
}

void LightingController::wristSwatch(int s) {
    ConfigImage& image = model_.image();
    const auto wrist = image.wristLighting();
    const auto out =
        wristSwatchClick(wrist[image::kWristEffect], wrist[image::kWristColourChoice], s);
    if (out.openChooser && out.colourToEdit && chooseColour()) {
        image.setWristColour(*out.colourToEdit, model_.exchangeColour());
    }
    if (out.newIndex) {
        image.wristLighting()[image::kWristColourChoice] = *out.newIndex;
    }
}

void LightingController::keyboardListClick(int x, int y) {
    const int row = keyboardListItemAt(x, y);
    view_.effectListOpen = false;
    if (row == kNoItem) {
        host_.setSliderVisible(kSliderResponseTime, false);
        return;
    }
    const std::uint8_t code = keyboardEffects()[static_cast<std::size_t>(row)].code;
    view_.perKeyColourView = code >= kFirstPerKeyEffect;
    host_.setSliderVisible(kSliderSpeed, true);
    host_.setSliderVisible(kSliderReportRate, true);
    host_.setSliderVisible(kSliderResponseTime, false);
    chooseKeyboardEffect(model_.image(), code);
}

void LightingController::wristListClick(int x, int y) {
    const int row = wristListItemAt(x, y);
    view_.wristListOpen = false;
    if (row == kNoItem) {
        host_.setSliderVisible(kSliderResponseTime, false);
        return;
    }
    chooseWristEffect(model_.image(), wristEffects()[static_cast<std::size_t>(row)].code);
    host_.setSliderVisible(kSliderSpeed, false);
    host_.setSliderVisible(kSliderResponseTime, false);
}

void LightingController::perKeyColourClick(int key) {
    ConfigImage& image = model_.image();
    const std::uint8_t effect = image.lightEffect();
    if (!isPerKeyEffect(effect) || key < 0 || key >= static_cast<int>(kKeyPositionCount)) {
        return;
    }
    const auto k = static_cast<std::size_t>(key);
    if (view_.ctrlHeld) {
        view_.keySelected[k] = !view_.keySelected[k];
        return;
    }
    if (view_.selection == SelectionState::Banding) {
        view_.selection = SelectionState::Waiting;
        return;
    }
    if (view_.selection == SelectionState::Idle) {
        view_.keySelected[k] = true;
    }
    if (chooseColour()) {
        const std::size_t map = effect - kFirstPerKeyEffect;
        const Rgb colour = model_.exchangeColour();
        for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
            if (view_.keySelected[i]) {
                image.setColourMapEntry(map, KeyPositionMatrixCode(i), colour);
            }
        }
    }
    view_.clearSelection();
}

void LightingController::deviceLightingChanged(int type) {
    const ConfigImage& image = model_.image();
    switch (type) {
    case kNotifyEffect:
    case kNotifySpeed:
        host_.setSliderPosition(kSliderSpeed,
                                lightingSliderPosition(image, kSpeedSliderId).value_or(0));
        break;
    case kNotifyBrightness:
        host_.setSliderPosition(kSliderBrightness,
                                lightingSliderPosition(image, kBrightnessSliderId).value_or(0));
        break;
    default:
        break;
    }
    host_.repaint();
}

} // namespace vantrel::ui
