// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vantrel {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
    bool isBlack() const { return red == 0 && green == 0 && blue == 0; }
};

} // namespace vantrel
