// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel {

// The 108 keys of the keyboard picture, in picture order (key position).
inline constexpr std::size_t kKeyPositionCount = 108;
// Index of the Fn key, whose default entry has kind 2 and which is never
// shown as changed.
inline constexpr std::size_t kFnKeyPosition = 100;
// Index of the left Windows key, never drawn lit as marked.
inline constexpr std::size_t kLeftWinKeyPosition = 96;

struct KeyPosition {
    std::uint8_t vk;           // virtual-key code, byte 0 of the position's record
    std::uint8_t column;       // 0-20 in the keyboard matrix
    std::uint8_t row;          // 0 (bottom) - 5 (function row)
    std::uint16_t enableBit;   // bit number in keyEnableMap
    std::uint8_t defaultKind;  // byte 0 of the factory key table entry
    std::uint8_t defaultUsage; // byte 2 of the factory key table entry
    std::string_view name;     // key name without trailing blanks; empty for position 16

    constexpr std::uint16_t matrixCode() const {
        return static_cast<std::uint16_t>((column * 6 + row) * 4);
    }
};

const std::array<KeyPosition, kKeyPositionCount>& keyPositions();

std::uint8_t KeyPositionVk(std::size_t position);
std::uint16_t KeyPositionMatrixCode(std::size_t position);
std::uint16_t KeyPositionEnableBit(std::size_t position);

// The keyboard's factory key table, 512 bytes in the keyboard's own
// column-major order: the entry of matrix code c starts at byte c.
inline constexpr std::size_t kDefaultKeyTableSize = 512;
const std::array<std::uint8_t, kDefaultKeyTableSize>& DefaultKeyTable();

// Position of the key whose name (as in keyPositions, case-insensitive) is
// given; several positions can share a name ("Enter", "-", "Apps").
struct KeyNameMatch {
    std::size_t count = 0;
    std::size_t first = 0;
};
KeyNameMatch findKeyPositionByName(std::string_view name);

} // namespace vantrel
