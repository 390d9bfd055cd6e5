// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// Virtual-key code -> HID usage and display name. Most names end with one
// blank, which is part of the shown text ("Esc ").
struct KeyNameEntry {
    std::uint8_t vk = 0;
    std::uint8_t usage = 0; // 0 for codes without an entry
    std::string name;       // empty for codes without an entry
};

class KeyNameTable {
public:
    static constexpr std::size_t kCount = 256;
    // Names are ASCII and at most 99 characters.
    static constexpr std::size_t kMaxNameLength = 99;

    const KeyNameEntry& operator[](std::uint8_t vk) const { return entries_[vk]; }
    std::uint8_t usage(std::uint8_t vk) const { return entries_[vk].usage; }
    const std::string& name(std::uint8_t vk) const { return entries_[vk].name; }

    // Later assignments of one code replace earlier ones, as the builder's
    // table expects.
    void set(std::uint8_t vk, std::uint8_t usage, std::string_view name);

private:
    friend KeyNameTable BuildKeyNameTable();
    std::array<KeyNameEntry, kCount> entries_{};
};

KeyNameTable BuildKeyNameTable();

// Trims the trailing blanks of a display name ("Esc " -> "Esc").
std::string_view trimmedKeyName(std::string_view name);

} // namespace vantrel
