// SPDX-License-Identifier: MIT
#include "core/model/key_names.h"

#include <cstdio>

namespace vantrel {
namespace {

struct NamedKey {
    std::uint8_t vk;
    std::uint8_t usage;
    const char* name;
};

// Keys that are neither letters, digits nor F1-F12. The special keys 0xAE,
// 0xAF, 0xB3 and 0xB5 carry the keyboard's own codes; the mouse rows carry
// their own code as usage so that macros can hold mouse actions.
constexpr NamedKey kNamedKeys[] = {
    {0x08, 0x2A, "Back "},
    {0x09, 0x2B, "Tab "},
    {0x0D, 0x28, "Enter "},
    {0x13, 0x48, "Pause "},
    {0x14, 0x39, "Caps "},
    {0x1B, 0x29, "Esc "},
    {0x20, 0x2C, "Space "},
    {0x21, 0x4B, "PgUp "},
    {0x22, 0x4E, "PgDn "},
    {0x23, 0x4D, "End "},
    {0x24, 0x4A, "Home "},
    {0x25, 0x50, "Left "},
    {0x26, 0x52, "Up "},
    {0x27, 0x4F, "Right "},
    {0x28, 0x51, "Down "},
    {0x2C, 0x46, "Prscr "},
    {0x2D, 0x49, "Inst "},
    {0x2E, 0x4C, "Del "},
    {0x30, 0x27, "0"},
    {0x5B, 0xE3, "LWin "},
    {0x5C, 0xE7, "RWin "},
    {0x5D, 0x65, "Apps "},
    {0x60, 0x62, "0-num "},
    {0x61, 0x59, "1-num "},
    {0x62, 0x5A, "2-num "},
    {0x63, 0x5B, "3-num "},
    {0x64, 0x5C, "4-num "},
    {0x65, 0x5D, "5-num "},
    {0x66, 0x5E, "6-num "},
    {0x67, 0x5F, "7-num "},
    {0x68, 0x60, "8-num "},
    {0x69, 0x61, "9-num "},
    {0x6A, 0x55, "* "},
    {0x6B, 0x57, "+ "},
    {0x6C, 0x58, "Enter "},
    {0x6D, 0x56, "- "},
    {0x6E, 0x63, ". "},
    {0x6F, 0x54, "/ "},
    {0x90, 0x53, "Num "},
    {0x91, 0x47, "Scrol "},
    {0xA0, 0xE1, "LShift "},
    {0xA1, 0xE5, "RShift "},
    {0xA2, 0xE0, "LCtrl "},
    {0xA3, 0xE4, "RCtrl "},
    {0xA4, 0xE2, "LAlt "},
    {0xA5, 0xE6, "RAlt "},
    {0xAE, 0xEA, "Game Mode "},
    {0xAF, 0xE9, "Volume "},
    {0xB3, 0xCD, "Speed "},
    {0xB5, 0x83, "Bright "},
    {0xBA, 0x33, "; "},
    {0xBB, 0x2E, "= "},
    {0xBC, 0x36, ", "},
    {0xBD, 0x2D, "- "},
    {0xBE, 0x37, ". "},
    {0xBF, 0x38, "/ "},
    {0xC0, 0x35, "` "},
    {0xDB, 0x2F, "[ "},
    {0xDC, 0x32, "\\ "},
    {0xDD, 0x30, "] "},
    {0xDE, 0x34, "' "},
    {0xF0, 0xF0, "MsLB"},
    {0xF1, 0xF1, "MsRB"},
    {0xF2, 0xF2, "MsMB"},
    {0xF3, 0xF3, ""},
    {0xF4, 0xF4, ""},
    {0xF5, 0xF5, "Mouse Pointer Right"},
    {0xF6, 0xF6, "Mouse Pointer Up"},
    {0xF7, 0xF7, "Mouse pointer Down"},
    {0xF8, 0xF8, "Mouse Wheel Up"},
    {0xF9, 0xF9, "Mouse Wheel Down"},
};

} // namespace

void KeyNameTable::set(std::uint8_t vk, std::uint8_t usage, std::string_view name) {
    auto& e = entries_[vk];
    e.vk = vk;
    e.usage = usage;
    e.name.assign(name.substr(0, kMaxNameLength));
}

KeyNameTable BuildKeyNameTable() {
    KeyNameTable t;
    for (unsigned code = 0; code < KeyNameTable::kCount; ++code) {
        t.entries_[code].vk = static_cast<std::uint8_t>(code);
    }
    for (unsigned code = 0x41; code <= 0x5A; ++code) {
        const char name[] = {static_cast<char>(code), ' ', '\0'};
        t.set(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(code - 0x3D), name);
    }
    for (unsigned code = 0x31; code <= 0x39; ++code) {
        const char name[] = {static_cast<char>(code), ' ', '\0'};
        t.set(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(code - 0x13), name);
    }
    t.set(0x30, 0x27, "0");
    for (unsigned code = 0x70; code <= 0x7B; ++code) {
        char name[8];
        std::snprintf(name, sizeof name, "F%u ", code - 0x6F);
        t.set(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(code - 0x36), name);
    }
    for (const auto& k : kNamedKeys) {
        t.set(k.vk, k.usage, k.name);
    }
    return t;
}

std::string_view trimmedKeyName(std::string_view name) {
    while (!name.empty() && name.back() == ' ') {
        name.remove_suffix(1);
    }
    return name;
}

} // namespace vantrel
