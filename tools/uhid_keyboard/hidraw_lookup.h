// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace vantrel::uhid {

// The /dev/hidrawN node of the HID device whose phys is `phys`, once the
// kernel has made it; empty before (or when no such device exists).
std::optional<std::string> hidrawNodeForPhys(const std::string& phys);

} // namespace vantrel::uhid
