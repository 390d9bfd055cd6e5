// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/key_names.h"
#include "core/util/result.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// Key names as typed on a command line. A name is compared without its
// blanks and without regard to case ("lctrl", "Game Mode", "GameMode").
// Four names belong to a main-block key and a keypad key; the bare name is
// the main-block key and "-num" added names the keypad one: "Enter" (0x0D)
// and "Enter-num" (0x6C), "-" and "--num", "." and ".-num", "/" and
// "/-num". "0x41" gives a virtual-key code directly. Only codes the keyboard
// knows (a non-zero usage) are accepted.
Result<std::uint8_t> parseKeyCode(const KeyNameTable& names, std::string_view word);

// A name that parseKeyCode turns back into vk: the table name without
// blanks, with "-num" for the keypad twins, else "0xNN".
std::string keyReference(const KeyNameTable& names, std::uint8_t vk);

// A key of the keyboard picture: a key name as above, "Fn" for the function
// key (which shares its code with "Apps"), or "#N" for position N (0-107;
// "#16" is the only way to name the unnamed key at position 16).
Result<std::size_t> parseKeyPosition(const KeyNameTable& names, std::string_view word);

} // namespace vantrel
