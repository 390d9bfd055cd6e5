// SPDX-License-Identifier: MIT
#pragma once

#include "platform/hotplug_filter.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel::platform {

// Windows tells device interfaces coming and going by event code and
// interface path ("\\?\USB#VID_04D9&PID_A1DF#...#{guid}"); these are the
// two codes that matter.
inline constexpr std::uint32_t kDeviceArrival = 0x8000;        // DBT_DEVICEARRIVAL
inline constexpr std::uint32_t kDeviceRemoveComplete = 0x8004; // DBT_DEVICEREMOVECOMPLETE

// Vendor and product named in a device path, in any letter case; nothing
// when the path names none (or not as four hex digits each).
std::optional<HidId> usbIdFromDevicePath(std::u16string_view path);

// Whether a device-interface event is the keyboard arriving or going.
// Paths are UTF-16, as the system gives them, on every platform.
HotplugChange deviceInterfaceChange(std::uint32_t event, std::u16string_view path);

} // namespace vantrel::platform
