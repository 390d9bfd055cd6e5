// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace vantrel {

// Checksum of a feature report: 0xFF minus the sum of bytes 1-7, modulo 256.
constexpr std::uint8_t featureChecksum(const FeatureReport& r) {
    unsigned sum = 0;
    for (std::size_t i = 1; i <= 7; ++i) {
        sum += r[i];
    }
    return static_cast<std::uint8_t>(0xFFu - (sum & 0xFFu));
}

// Builds a report: zeroed, the code in byte 1, each (byte, value) parameter
// in place, the checksum in byte 8.
constexpr FeatureReport
makeFeatureReport(std::uint8_t code,
                  std::initializer_list<std::pair<std::size_t, std::uint8_t>> params = {}) {
    FeatureReport r{};
    r[1] = code;
    for (const auto& [index, value] : params) {
        r[index] = value;
    }
    r[8] = featureChecksum(r);
    return r;
}

static_assert(makeFeatureReport(0x81)[8] == 0x7E);
static_assert(makeFeatureReport(0x13, {{2, 0xFF}})[8] == 0xED);
static_assert(makeFeatureReport(0x14, {{3, 2}, {4, 0x10}, {5, 0x20}, {6, 0x30}})[8] == 0x89);

} // namespace vantrel
