// SPDX-License-Identifier: MIT
#include "core/lighting/lighting_sliders.h"

#include "core/lighting/palette_rules.h"
#include "core/model/config_image.h"

#include <algorithm>

namespace vantrel::lighting {

std::optional<SliderRange> lightingSliderRange(int controlId) {
    switch (controlId) {
    case kSpeedSliderId:
        return SliderRange{0, 9};
    case kBrightnessSliderId:
        return SliderRange{0, 50};
    case kWristBrightnessSliderId:
        return SliderRange{0, 3};
    case kWristSpeedSliderId:
        return SliderRange{0, 3};
    default:
        return std::nullopt;
    }
}

bool storeLightingSlider(ConfigImage& image, int controlId, int position) {
    const auto range = lightingSliderRange(controlId);
    if (!range) {
        return false;
    }
    const int p = std::clamp(position, range->minimum, range->maximum);
    const auto byte = static_cast<std::uint8_t>(p);
    switch (controlId) {
    case kSpeedSliderId:
        image.setLightSpeed(byte);
        break;
    case kBrightnessSliderId:
        image.setLightBrightness(byte);
        break;
    case kWristBrightnessSliderId:
        image.wristLighting()[image::kWristBrightness] = byte;
        break;
    case kWristSpeedSliderId:
        image.wristLighting()[image::kWristSpeed] = wristSpeedFromSlider(p);
        break;
    default:
        return false;
    }
    return true;
}

std::optional<int> lightingSliderPosition(const ConfigImage& image, int controlId) {
    const auto range = lightingSliderRange(controlId);
    if (!range) {
        return std::nullopt;
    }
    int p = 0;
    switch (controlId) {
    case kSpeedSliderId:
        p = image.lightSpeed();
        break;
    case kBrightnessSliderId:
        p = image.lightBrightness();
        break;
    case kWristBrightnessSliderId:
        p = image.wristLighting()[image::kWristBrightness];
        break;
    case kWristSpeedSliderId:
        return wristSliderFromSpeed(image.wristLighting()[image::kWristSpeed]);
    default:
        return std::nullopt;
    }
    return std::clamp(p, range->minimum, range->maximum);
}

} // namespace vantrel::lighting
