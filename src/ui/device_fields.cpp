// SPDX-License-Identifier: MIT
#include "ui/device_fields.h"

#include <algorithm>

// Once the device layer brings its own merge, the window uses that one.
#if __has_include("core/device/model_updates.h")
#include "core/device/model_updates.h"
#define VANTREL_DEVICE_MERGE 1
#endif

namespace vantrel::ui {
namespace {

struct Range {
    std::size_t offset, size;
};
// Bytes that no read of the keyboard fills.
constexpr Range kNotRead[] = {
    {image::kReserved0, image::kReportRate - image::kReserved0},
    {image::kReserved1, image::kKeyTable - image::kReserved1},
    {image::kReserved2, 1},
    {image::kEnableMapReserved, image::kEnableMapReservedSize},
};

// Notification types of the keyboard's own lighting keys.
constexpr std::uint8_t kEffectChanged = 5;
constexpr std::uint8_t kSpeedChanged = 6;
constexpr std::uint8_t kBrightnessChanged = 7;
constexpr std::uint8_t kDirectionChanged = 8;
constexpr std::uint8_t kWristEffectChanged = 11;
constexpr std::uint8_t kIgnoredEffect = 0x32;
constexpr std::uint8_t kSpeedSteps = 10;

} // namespace

void mergeDeviceFieldsInto(ConfigImage& image, const ConfigImage& device) {
#ifdef VANTREL_DEVICE_MERGE
    mergeDeviceFields(image, device);
    return;
#endif
    const ConfigImage old = image;
    image = device;
    for (const auto& r : kNotRead) {
        const auto src = old.bytes().subspan(r.offset, r.size);
        std::copy(src.begin(), src.end(), image.bytes().begin() + r.offset);
    }
}

bool applyDeviceLightingTo(ConfigImage& image, std::uint8_t type, std::uint8_t value) {
    switch (type) {
    case kEffectChanged:
        if (value == kIgnoredEffect) {
            return false;
        }
        image.setLightEffect(value);
        return true;
    case kSpeedChanged:
        image.setLightSpeed(static_cast<std::uint8_t>(kSpeedSteps - value));
        return true;
    case kBrightnessChanged:
        image.setLightBrightness(value);
        return true;
    case kDirectionChanged:
        image.setLightDirection(value);
        return true;
    case kWristEffectChanged:
        image.wristLighting()[image::kWristEffect] = value;
        return true;
    default:
        return false;
    }
}

} // namespace vantrel::ui
