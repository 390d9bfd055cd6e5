// SPDX-License-Identifier: MIT
#include "hid/report_descriptor.h"

#include <cstdio>

namespace vantrel {

namespace {
constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::uint8_t kTypeMain = 0;
constexpr std::uint8_t kTagCollection = 0xA;
constexpr std::uint8_t kTagEndCollection = 0xC;
constexpr std::uint32_t kApplicationCollection = 0x01;

Error truncated(std::size_t at) {
    return makeError(ErrorCode::BadFile, "The report descriptor ends inside the item at byte " +
                                             std::to_string(at) + ".");
}
} // namespace

Result<int> countTopLevelApplicationCollections(std::span<const std::uint8_t> d) {
    int count = 0;
    int depth = 0;
    std::size_t i = 0;
    while (i < d.size()) {
        const std::uint8_t prefix = d[i];
        if (prefix == kLongItemPrefix) {
            // Long item: size byte, tag byte, then the data.
            if (i + 2 >= d.size()) {
                return truncated(i);
            }
            const std::size_t next = i + 3 + d[i + 1];
            if (next > d.size()) {
                return truncated(i);
            }
            i = next;
            continue;
        }
        static constexpr std::size_t kSizes[4] = {0, 1, 2, 4};
        const std::size_t size = kSizes[prefix & 0x3];
        const std::uint8_t type = (prefix >> 2) & 0x3;
        const std::uint8_t tag = prefix >> 4;
        if (i + 1 + size > d.size()) {
            return truncated(i);
        }
        std::uint32_t data = 0;
        for (std::size_t k = 0; k < size; ++k) {
            data |= static_cast<std::uint32_t>(d[i + 1 + k]) << (8 * k);
        }
        if (type == kTypeMain && tag == kTagCollection) {
            if (depth == 0 && data == kApplicationCollection) {
                ++count;
            }
            ++depth;
        } else if (type == kTypeMain && tag == kTagEndCollection) {
            if (depth > 0) {
                --depth;
            }
        }
        i += 1 + size;
    }
    return count;
}

std::string buildMatchName(std::optional<int> interfaceNumber, int collections) {
    std::string name = "hidraw:";
    char buf[16];
    if (interfaceNumber && *interfaceNumber >= 0) {
        std::snprintf(buf, sizeof buf, "mi_%02x", static_cast<unsigned>(*interfaceNumber));
        name += buf;
    }
    for (int c = 1; c <= collections; ++c) {
        std::snprintf(buf, sizeof buf, "&col%02x", static_cast<unsigned>(c));
        name += buf;
    }
    return name;
}

} // namespace vantrel
