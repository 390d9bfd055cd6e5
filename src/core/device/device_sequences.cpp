// SPDX-License-Identifier: MIT
#include "core/device/device_sequences.h"

#include <chrono>

namespace vantrel {

namespace {
constexpr std::chrono::milliseconds kAfterModeOne{10};
} // namespace

#define VANTREL_TRY(expr)                                                                          \
    do {                                                                                           \
        if (Status s_ = (expr); !s_) {                                                             \
            return s_;                                                                             \
        }                                                                                          \
    } while (false)

Status ReadBackDevice(DeviceCommands& c, ConfigImage& image, FirmwareVersionReply& reply,
                      FirmwareVersion& version) {
    VANTREL_TRY(c.setModeOne());
    VANTREL_TRY(c.getVersion(reply, version));
    VANTREL_TRY(c.getLighting(image));
    VANTREL_TRY(c.getWristLighting(image));
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        VANTREL_TRY(c.getKeyColour(image, i));
    }
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        VANTREL_TRY(c.getWristColour(image, i));
    }
    VANTREL_TRY(c.getGameMode(image));
    VANTREL_TRY(c.getReportRate(image));
    VANTREL_TRY(c.getKeyResponseTime(image));
    VANTREL_TRY(c.readKeyTable(image));
    VANTREL_TRY(c.readKeyEnableMap(image));
    for (std::size_t slot = 0; slot < image::kMacroSlotCount; ++slot) {
        VANTREL_TRY(c.readMacroSlot(image, slot));
        // Lets the rest of the program breathe during the long read.
        c.pacer().yield();
    }
    for (std::size_t map = 0; map < image::kColourMapCount; ++map) {
        VANTREL_TRY(c.readColourMap(image, map));
    }
    return Status::success();
}

Status ReReadDevice(DeviceCommands& c, ConfigImage& image) {
    VANTREL_TRY(c.setModeOne());
    c.pacer().pause(kAfterModeOne);
    VANTREL_TRY(c.getLighting(image));
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        VANTREL_TRY(c.getKeyColour(image, i));
    }
    VANTREL_TRY(c.getGameMode(image));
    VANTREL_TRY(c.getReportRate(image));
    VANTREL_TRY(c.getKeyResponseTime(image));
    VANTREL_TRY(c.readKeyTable(image));
    VANTREL_TRY(c.readKeyEnableMap(image));
    for (std::size_t slot = 0; slot < image::kMacroSlotCount; ++slot) {
        VANTREL_TRY(c.readMacroSlot(image, slot));
    }
    for (std::size_t map = 0; map < image::kColourMapCount; ++map) {
        VANTREL_TRY(c.readColourMap(image, map));
    }
    VANTREL_TRY(c.getWristLighting(image));
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        VANTREL_TRY(c.getWristColour(image, i));
    }
    return Status::success();
}

#undef VANTREL_TRY

} // namespace vantrel
