// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vantrel {

// Byte 0 of a key table entry.
namespace entry {
inline constexpr std::uint8_t kKeyboard = 0;    // bytes 1-3: keyboard usages pressed together
inline constexpr std::uint8_t kConsumer = 3;    // bytes 2-3: consumer usage, low byte first
inline constexpr std::uint8_t kMacro = 4;       // byte 1 = 1, byte 2 = slot
inline constexpr std::uint8_t kHostAction = 10; // byte 2 = the key's own virtual-key code
inline constexpr std::size_t kSize = 4;
} // namespace entry

using KeyTableEntry = std::array<std::uint8_t, entry::kSize>;

// One row of the basic function tree, in tree order. Group headers carry no
// entry; the rows after a header up to the next root row are its children.
// Every name is kept here, not only the English source text that the
// window layer translates (context kBasicFunctionContext): a name typed on
// the command line or handed over by the key assignment dialog may be in
// any interface language.
inline constexpr const char* kBasicFunctionContext = "BasicFunction";

struct BasicFunction {
    const char* englishName; // the source text of the interface
    std::string_view chineseName;
    std::string_view russianName;
    std::string_view id; // ASCII name for the command line
    bool groupHeader = false;
    bool inGroup = false; // a child of the last group header above it
    KeyTableEntry entry{};

    // The name in `language` (the other languages' names live in
    // basic_function_names).
    std::string_view name(UiLanguage language) const;
    // Whether `name` is this function's name in any interface language.
    bool named(std::string_view name) const;
};

inline constexpr std::size_t kBasicFunctionRowCount = 26; // 23 functions, 3 headers
std::span<const BasicFunction, kBasicFunctionRowCount> BasicFunctionTable();

// The function (never a header) with this name in any language, in table
// order.
const BasicFunction* findBasicFunction(std::string_view name);
// The function whose entry bytes equal `entry`.
const BasicFunction* findBasicFunctionByEntry(std::span<const std::uint8_t, entry::kSize> entry);

} // namespace vantrel
