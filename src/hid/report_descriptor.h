// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vantrel {

// Counts the top-level Application collections of a HID report descriptor:
// the collections a host splits an interface into (Windows numbers them
// "colNN" in the device path). Nested collections do not count. A truncated
// item is an error; unbalanced End Collection items are tolerated.
Result<int> countTopLevelApplicationCollections(std::span<const std::uint8_t> descriptor);

// The name the interface substrings are matched against on Linux:
// "hidraw:mi_03" for USB interface 3, followed by "&col01" ... "&colNN" for
// the interface's top-level collections, so "mi_03" finds the control
// interface and "ol04" the interface that has a fourth collection, just as
// they would in a Windows device path. Both numbers are two lower-case hex
// digits, as Windows writes them.
std::string buildMatchName(std::optional<int> interfaceNumber, int collections);

} // namespace vantrel
