// SPDX-License-Identifier: MIT
#include "core/device/model_updates.h"

#include "core/device/command_codes.h"
#include "core/device/device_commands.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vantrel {

namespace {

struct Area {
    std::size_t offset;
    std::size_t size;
};

// Everything the read-back fills: the image minus its reserved areas.
constexpr std::array<Area, 5> kDeviceAreas = {{
    {image::kReportRate, 1},
    {image::kKeyTable, image::kReserved2 - image::kKeyTable}, // key table, macro slots
    {image::kKeyResponseTime, image::kEnableMapReserved - image::kKeyResponseTime},
    {image::kWinLock, 1},
    {image::kColourMaps, image::kSize - image::kColourMaps}, // maps, wrist-rest record, colours
}};
static_assert(image::kReserved2 + 1 == image::kKeyResponseTime);

} // namespace

void mergeDeviceFields(ConfigImage& into, const ConfigImage& fromDevice) {
    const auto src = fromDevice.bytes();
    auto dst = into.bytes();
    for (const Area& a : kDeviceAreas) {
        std::copy_n(src.begin() + static_cast<std::ptrdiff_t>(a.offset), a.size,
                    dst.begin() + static_cast<std::ptrdiff_t>(a.offset));
    }
}

bool applyDeviceLighting(ConfiguratorModel& model, std::uint8_t type, std::uint8_t value) {
    auto store = [&](auto&& set) {
        set(model.image());
        set(model.syncedImage());
        return true;
    };
    switch (type) {
    case note::kEffect:
        if (value == note::kIgnoredEffectValue) {
            return false;
        }
        return store([&](ConfigImage& i) { i.setLightEffect(value); });
    case note::kSpeed:
        return store([&](ConfigImage& i) { i.setLightSpeed(speedFromWire(value)); });
    case note::kBrightness:
        return store([&](ConfigImage& i) { i.setLightBrightness(value); });
    case note::kDirection:
        return store([&](ConfigImage& i) { i.setLightDirection(value); });
    case note::kWristEffect:
        return store([&](ConfigImage& i) { i.wristLighting()[image::kWristEffect] = value; });
    default:
        return false;
    }
}

void applyFactoryResetToModel(ConfiguratorModel& model, const DeviceSnapshot& snapshot) {
    mergeDeviceFields(model.image(), snapshot.image);
    model.marks().clear();
    model.image().enableAllKeys();
    model.image().deriveWinLock();
    model.assignments().clear();
    model.assignments().writeOwnKeys();
    model.syncImage();
    model.syncAssignments();
}

void applyReadBackToModel(ConfiguratorModel& model, const DeviceSnapshot& snapshot) {
    mergeDeviceFields(model.image(), snapshot.image);
    model.setFirmwareVersion(snapshot.firmware);
    model.setFirmwareVersionReply(snapshot.versionReply);
    model.syncImage();
}

} // namespace vantrel
