// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_connection.h"
#include "core/model/config_image.h"
#include "core/model/configurator_model.h"

#include <cstdint>

namespace vantrel {

// Takes every field a read-back reads from `fromDevice` into `into`; the
// reserved areas (which only keymap.bin holds) stay as they are. Used after
// keymap.bin has been loaded, so that the keyboard's values win.
void mergeDeviceFields(ConfigImage& into, const ConfigImage& fromDevice);

// Stores a lighting change the keyboard made with its own keys into both
// image copies (so it is shown but never sent back). Returns false for a
// type or value that changes nothing (an effect of 0x32, unknown types).
bool applyDeviceLighting(ConfiguratorModel& model, std::uint8_t type, std::uint8_t value);

// The model side of a factory reset, after the keyboard was reset and
// re-read: device fields from the snapshot, marks cleared, all keys
// enabled, assignments back to the keys' own codes, both synced copies
// taken. The caller then saves keymap.bin.
void applyFactoryResetToModel(ConfiguratorModel& model, const DeviceSnapshot& snapshot);

// The model side of a finished read-back: device fields merged over the
// loaded image, firmware version stored, image synced.
void applyReadBackToModel(ConfiguratorModel& model, const DeviceSnapshot& snapshot);

} // namespace vantrel
