// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_commands.h"
#include "core/model/config_image.h"
#include "core/model/firmware_version.h"
#include "core/util/result.h"

namespace vantrel {

// How many transfers a full read-back makes; a yardstick for progress and
// for tests.
inline constexpr int kReadBackFeatureReports = 119;
inline constexpr int kReadBackBlockReads = 145;

// The start-up read of the whole keyboard: mode one, version, lighting and
// wrist-rest record, both palettes, the switches, key table and enable map,
// the 32 macro slots (yielding after each) and the five colour maps. Stops
// at the first transfer that fails; fields read before it keep their new
// values, the others their old ones.
Status ReadBackDevice(DeviceCommands& commands, ConfigImage& image, FirmwareVersionReply& reply,
                      FirmwareVersion& version);

// The shorter re-read after a reset or a reconnection: the same fields
// without the version, in the keyboard's preferred order for a warm device.
Status ReReadDevice(DeviceCommands& commands, ConfigImage& image);

} // namespace vantrel
