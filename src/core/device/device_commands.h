// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"
#include "core/device/pacer.h"
#include "core/model/config_image.h"
#include "core/model/firmware_version.h"
#include "core/util/result.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vantrel {

// The keyboard's command set on its control interface: one operation per
// command, each moving one field or area of a ConfigImage and making the
// fixed pauses the keyboard needs. Set operations read the image, get
// operations store into it. When a transfer fails the operation stops,
// leaves the image field as it was and returns the error.
//
// Not thread-safe: one sequence at a time on one handle.
class DeviceCommands {
public:
    DeviceCommands(ControlHandle& control, Pacer& pacer) : control_(control), pacer_(pacer) {}

    // Set commands.
    Status setReportRate(const ConfigImage& image);
    Status setKeyResponseTime(const ConfigImage& image);
    Status setLightingBegin(const ConfigImage& image);
    Status setLightingEnd(const ConfigImage& image);
    // Sends the game mode, then applies the Windows-key lock to the image's
    // enable map (the firmware resets that bit along with the game mode).
    Status setGameMode(ConfigImage& image);
    Status setModeOne();
    Status setKeyColour(const ConfigImage& image, std::size_t index);
    // Writes the command code into byte 0 of the image's wrist-rest record,
    // then sends bytes 0-6 of it.
    Status setWristLighting(ConfigImage& image);
    Status setWristColour(const ConfigImage& image, std::size_t index);
    // Only the reset command itself (0x13 FF and its 300 ms).
    Status resetDevice();
    // The device side of a factory reset: reset, then mode one twice, each
    // followed by 300 ms.
    Status resetSequence();

    // Get commands.
    Status getVersion(FirmwareVersionReply& reply, FirmwareVersion& version);
    Status getReportRate(ConfigImage& image);
    Status getKeyResponseTime(ConfigImage& image);
    Status getLighting(ConfigImage& image);
    Status getGameMode(ConfigImage& image);
    Status getKeyColour(ConfigImage& image, std::size_t index);
    Status getWristLighting(ConfigImage& image);
    Status getWristColour(ConfigImage& image, std::size_t index);

    // Block runs.
    Status writeKeyTable(const ConfigImage& image);
    Status readKeyTable(ConfigImage& image);
    Status writeKeyEnableMap(const ConfigImage& image);
    // Reads the map and derives the Windows-key lock from it.
    Status readKeyEnableMap(ConfigImage& image);
    // Sends the 192 bytes the caller gives (always all three blocks).
    Status writeMacroSlot(std::size_t slot,
                          std::span<const std::uint8_t, image::kMacroSlotSize> bytes);
    Status readMacroSlot(ConfigImage& image, std::size_t slot);
    Status writeColourMap(const ConfigImage& image, std::size_t map);
    Status readColourMap(ConfigImage& image, std::size_t map);

    ControlHandle& control() { return control_; }
    Pacer& pacer() { return pacer_; }

private:
    Status send(const FeatureReport& report);
    Result<FeatureReport> request(const FeatureReport& report, std::chrono::milliseconds before,
                                  std::chrono::milliseconds after);
    void pause(std::chrono::milliseconds d);
    Status writeBlocks(std::span<const std::uint8_t> area, std::chrono::milliseconds afterEach,
                       bool yieldBetween);
    Status readBlocks(std::span<std::uint8_t> area, std::chrono::milliseconds afterEach);

    ControlHandle& control_;
    Pacer& pacer_;
};

// Speed travels as 10 minus the image value (and back).
constexpr std::uint8_t speedToWire(std::uint8_t imageSpeed) {
    return static_cast<std::uint8_t>(10 - imageSpeed);
}
constexpr std::uint8_t speedFromWire(std::uint8_t wireSpeed) {
    return static_cast<std::uint8_t>(10 - wireSpeed);
}

} // namespace vantrel
