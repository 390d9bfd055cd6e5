// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace vantrel {

// The match name of a hidraw node ("/dev/hidrawN"), read from sysfs: the
// USB interface number of its parent and the top-level collections of its
// report descriptor. `fallbackInterface` is hidapi's own idea of the
// interface number, used when sysfs does not tell.
std::string hidrawMatchName(const std::string& devicePath, int fallbackInterface);

} // namespace vantrel
