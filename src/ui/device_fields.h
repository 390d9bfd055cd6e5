// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/config_image.h"

#include <cstdint>

namespace vantrel::ui {

// Copies every field a read of the keyboard fills from `device` into
// `image`; the reserved bytes the keyboard does not report stay as the
// image had them (they came from keymap.bin).
// The device layer's mergeDeviceFields is used when it is in the tree; the
// copy here follows the read-back's list of fields until then.
void mergeDeviceFieldsInto(ConfigImage& image, const ConfigImage& device);

// Stores a lighting change that the keyboard made with its own keys
// (notification type and value) into one image copy. False for a type or
// value that changes nothing (an effect value of 0x32, unknown types).
bool applyDeviceLightingTo(ConfigImage& image, std::uint8_t type, std::uint8_t value);

} // namespace vantrel::ui
