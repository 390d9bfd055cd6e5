// SPDX-License-Identifier: MIT
#include "core/model/key_reference.h"

#include "core/model/key_positions.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <vector>

namespace vantrel {
namespace {

constexpr std::string_view kKeypadSuffix = "-num";
constexpr std::uint8_t kFirstKeypadCode = 0x60;
constexpr std::uint8_t kLastKeypadCode = 0x6F;
constexpr std::uint8_t kAppsCode = 0x5D;
constexpr std::size_t kAppsPosition = 101;

bool isKeypad(std::uint8_t vk) {
    return vk >= kFirstKeypadCode && vk <= kLastKeypadCode;
}

std::string normalised(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c != ' ') {
            out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    return out;
}

bool endsWith(std::string_view s, std::string_view suffix) {
    return s.size() > suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

Error unknownKey(std::string_view word) {
    return makeError(ErrorCode::InvalidArgument, "unknown key \"" + std::string(word) + "\"");
}

} // namespace

Result<std::uint8_t> parseKeyCode(const KeyNameTable& names, std::string_view word) {
    const std::string w = normalised(word);
    if (w.empty()) {
        return makeError(ErrorCode::InvalidArgument, "a key name is missing");
    }
    if (w.size() > 2 && w.starts_with("0x")) {
        unsigned value = 0;
        const auto* end = w.data() + w.size();
        const auto [ptr, ec] = std::from_chars(w.data() + 2, end, value, 16);
        if (ec != std::errc{} || ptr != end || value > 0xFF) {
            return unknownKey(word);
        }
        const auto vk = static_cast<std::uint8_t>(value);
        if (names.usage(vk) == 0) {
            return makeError(ErrorCode::InvalidArgument, "the key \"" + std::string(word) +
                                                             "\" has no code the keyboard knows");
        }
        return vk;
    }
    std::vector<std::uint8_t> matches;
    for (unsigned vk = 0; vk < KeyNameTable::kCount; ++vk) {
        const auto code = static_cast<std::uint8_t>(vk);
        if (names.usage(code) != 0 && !names.name(code).empty() &&
            normalised(names.name(code)) == w) {
            matches.push_back(code);
        }
    }
    if (matches.empty() && endsWith(w, kKeypadSuffix)) {
        const std::string base = w.substr(0, w.size() - kKeypadSuffix.size());
        for (unsigned vk = kFirstKeypadCode; vk <= kLastKeypadCode; ++vk) {
            const auto code = static_cast<std::uint8_t>(vk);
            if (names.usage(code) != 0 && normalised(names.name(code)) == base) {
                return code;
            }
        }
    }
    if (matches.size() > 1) {
        // Twins of the main block and the keypad: the bare name is the main
        // block's key.
        std::vector<std::uint8_t> main;
        for (auto code : matches) {
            if (!isKeypad(code)) {
                main.push_back(code);
            }
        }
        if (main.size() == 1) {
            return main.front();
        }
        return makeError(ErrorCode::InvalidArgument,
                         "the key name \"" + std::string(word) + "\" is ambiguous");
    }
    if (matches.empty()) {
        return unknownKey(word);
    }
    return matches.front();
}

std::string keyReference(const KeyNameTable& names, std::uint8_t vk) {
    std::string name;
    for (char c : names.name(vk)) {
        if (c != ' ') {
            name.push_back(c);
        }
    }
    for (const std::string& candidate : {name, name + std::string(kKeypadSuffix)}) {
        if (!name.empty()) {
            const auto back = parseKeyCode(names, candidate);
            if (back && *back == vk) {
                return candidate;
            }
        }
    }
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", vk);
    return buf;
}

Result<std::size_t> parseKeyPosition(const KeyNameTable& names, std::string_view word) {
    const std::string w = normalised(word);
    if (w.size() > 1 && w.front() == '#') {
        std::size_t pos = 0;
        const auto* end = w.data() + w.size();
        const auto [ptr, ec] = std::from_chars(w.data() + 1, end, pos);
        if (ec != std::errc{} || ptr != end || pos >= kKeyPositionCount) {
            return makeError(ErrorCode::InvalidArgument,
                             "\"" + std::string(word) + "\" is not a key position (#0 to #107)");
        }
        return pos;
    }
    if (w == "fn") {
        return kFnKeyPosition;
    }
    const auto vk = parseKeyCode(names, word);
    if (!vk) {
        return vk.error();
    }
    if (*vk == kAppsCode) {
        return kAppsPosition;
    }
    for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
        if (KeyPositionVk(i) == *vk) {
            return i;
        }
    }
    return makeError(ErrorCode::InvalidArgument,
                     "the key \"" + std::string(word) + "\" is not on this keyboard");
}

} // namespace vantrel
