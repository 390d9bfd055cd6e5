// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

enum class ReportKind { Input, Output, Feature };

// One report of a collection: its ID (0 where the descriptor declares none)
// and its length in bits, without the ID byte.
struct ReportLayout {
    ReportKind kind = ReportKind::Input;
    std::uint8_t id = 0;
    std::size_t bits = 0;
};

// A top-level Application collection: what a host splits an interface into
// (Windows numbers them "colNN" in the device path).
struct TopLevelCollection {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::vector<ReportLayout> reports; // in the order the descriptor first names them
};

// The top-level Application collections of a HID report descriptor, with
// their reports. Nested collections do not count; their reports belong to
// the top-level one around them. A truncated item is an error; unbalanced
// End Collection items are tolerated.
Result<std::vector<TopLevelCollection>>
parseTopLevelCollections(std::span<const std::uint8_t> descriptor);

// How many top-level Application collections the descriptor has.
Result<int> countTopLevelApplicationCollections(std::span<const std::uint8_t> descriptor);

// The name the interface substrings are matched against on Linux:
// "hidraw:mi_03" for USB interface 3, followed by "&col01" ... "&colNN" for
// the interface's top-level collections, so "mi_03" finds the control
// interface and "ol04" the interface that has a fourth collection, just as
// they would in a Windows device path. Both numbers are two lower-case hex
// digits, as Windows writes them.
std::string buildMatchName(std::optional<int> interfaceNumber, int collections);

} // namespace vantrel
