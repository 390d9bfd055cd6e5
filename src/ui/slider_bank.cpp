// SPDX-License-Identifier: MIT
#include "ui/slider_bank.h"

#include "core/lighting/lighting_sliders.h"
#include "ui/main_view_state.h"

#include <algorithm>

namespace vantrel::ui {

// The lighting sliders store through the lighting rules; the window's ids
// must be theirs.
static_assert(kSliderSpeed == lighting::kSpeedSliderId);
static_assert(kSliderBrightness == lighting::kBrightnessSliderId);
static_assert(kSliderWristBrightness == lighting::kWristBrightnessSliderId);
static_assert(kSliderWristSpeed == lighting::kWristSpeedSliderId);

int Slider::positionAt(int px) const {
    const int offset = std::clamp(px - x, 0, kWidth);
    return (offset * range + kWidth / 2) / kWidth;
}

SliderBank::SliderBank() {
    // Speed starts without a position; every other slider at 1.
    sliders_ = {{
        {kSliderBrightness, 28, 221, 50, 1},
        {kSliderSpeed, 28, 260, 9, 0},
        {kSliderWristBrightness, 28, 395, 3, 1},
        {kSliderWristSpeed, 28, 432, 3, 1},
        {kSliderResponseTime, 26, 483, 9, 1},
        {kSliderReportRate, 26, 534, 3, 1},
    }};
}

Slider* SliderBank::find(int id) {
    for (auto& s : sliders_) {
        if (s.id == id) {
            return &s;
        }
    }
    return nullptr;
}

const Slider* SliderBank::find(int id) const {
    return const_cast<SliderBank*>(this)->find(id);
}

Slider* SliderBank::at(int x, int y) {
    for (auto& s : sliders_) {
        if (s.visible && s.enabled && s.contains(x, y)) {
            return &s;
        }
    }
    return nullptr;
}

void SliderBank::setPosition(int id, int position) {
    if (Slider* s = find(id)) {
        s->position = std::clamp(position, 0, s->range);
    }
}

int SliderBank::position(int id) const {
    const Slider* s = find(id);
    return s ? s->position : 0;
}

void SliderBank::loadPageSlidersFrom(const ConfigImage& image) {
    setPosition(kSliderBrightness, image.lightBrightness());
    setPosition(kSliderSpeed, image.lightSpeed());
    setPosition(kSliderReportRate, image.reportRate());
    setPosition(kSliderResponseTime, image.keyResponseTime());
}

void SliderBank::loadFrom(const ConfigImage& image) {
    loadPageSlidersFrom(image);
    for (const int id : {kSliderWristBrightness, kSliderWristSpeed}) {
        if (const auto p = lighting::lightingSliderPosition(image, id)) {
            setPosition(id, *p);
        }
    }
}

void SliderBank::store(const Slider& s, ConfigImage& image) {
    if (lighting::storeLightingSlider(image, s.id, s.position)) {
        return;
    }
    const auto v = static_cast<std::uint8_t>(s.position);
    switch (s.id) {
    case kSliderReportRate:
        image.setReportRate(v);
        break;
    case kSliderResponseTime:
        image.setKeyResponseTime(v);
        break;
    default:
        break;
    }
}

} // namespace vantrel::ui
