// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/key_positions.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace vantrel {

// Where the keyboard picture is drawn in the main window's client area.
inline constexpr int kKeyboardPictureX = 301;
inline constexpr int kKeyboardPictureY = 95;

// One key of the keyboard picture, in picture coordinates. The rectangle is
// inclusive on all four sides (a 24-pixel key spans left .. left + 24).
struct KeyPicture {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    std::string_view label;
    std::int32_t anchorX; // where the label goes in the per-key colour view
    std::int32_t anchorY;

    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
    constexpr bool contains(std::int32_t x, std::int32_t y) const {
        return left <= x && x <= right && top <= y && y <= bottom;
    }
};

// The 108 keys in key position order (same index as keyPositions()).
const std::array<KeyPicture, kKeyPositionCount>& KeyPictureTable();

// The picture's own size: every key lies inside it with a margin for the
// plate around the keys.
inline constexpr int kKeyboardPictureWidth = 640;
inline constexpr int kKeyboardPictureHeight = 290;

} // namespace vantrel
