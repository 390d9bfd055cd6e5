// SPDX-License-Identifier: MIT
#include "core/model/config_image.h"

#include <algorithm>
#include <stdexcept>

namespace vantrel {

std::size_t ConfigImage::checkedIndex(std::size_t i, std::size_t count) {
    if (i >= count) {
        throw std::out_of_range("configuration image index out of range");
    }
    return i;
}

bool ConfigImage::keyEnabled(std::uint16_t bit) const {
    const auto map = keyEnableMap();
    return (map[checkedIndex(bit / 8u, map.size())] >> (bit % 8u)) & 1u;
}

void ConfigImage::setKeyEnabled(std::uint16_t bit, bool enabled) {
    auto map = keyEnableMap();
    auto& byte = map[checkedIndex(bit / 8u, map.size())];
    const auto mask = static_cast<std::uint8_t>(1u << (bit % 8u));
    byte =
        enabled ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

void ConfigImage::enableAllKeys() {
    std::fill_n(bytes_.begin() + image::kKeyEnableMap,
                image::kKeyEnableMapSize + image::kEnableMapReservedSize, std::uint8_t{0xFF});
}

Rgb ConfigImage::colourMapEntry(std::size_t m, std::uint16_t matrixCode) const {
    const auto map = colourMap(m);
    const std::size_t at = checkedIndex(matrixCode, map.size() - 3);
    return Rgb{map[at + 1], map[at + 2], map[at + 3]};
}

void ConfigImage::setColourMapEntry(std::size_t m, std::uint16_t matrixCode, Rgb c) {
    auto map = colourMap(m);
    const std::size_t at = checkedIndex(matrixCode, map.size() - 3);
    map[at] = 0;
    map[at + 1] = c.red;
    map[at + 2] = c.green;
    map[at + 3] = c.blue;
}

void ConfigImage::applyWinLock() {
    auto map = keyEnableMap();
    if (winLock() == 1) {
        map[0] = static_cast<std::uint8_t>(map[0] & ~0x02u);
    } else {
        map[0] = static_cast<std::uint8_t>(map[0] | 0x02u);
    }
}

void ConfigImage::deriveWinLock() {
    setWinLock((keyEnableMap()[1] & 0x01u) == 0 ? 1 : 0);
}

} // namespace vantrel
