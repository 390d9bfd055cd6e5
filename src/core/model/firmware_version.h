// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <string>

namespace vantrel {

struct FirmwareVersion {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;

    friend auto operator<=>(const FirmwareVersion&, const FirmwareVersion&) = default;
    std::string toString() const { return std::to_string(major) + "." + std::to_string(minor); }
};

// Reply bytes 1 to 8 of the version command, kept as received.
using FirmwareVersionReply = std::array<std::uint8_t, 8>;

} // namespace vantrel
