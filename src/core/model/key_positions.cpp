// SPDX-License-Identifier: MIT
#include "core/model/key_positions.h"

#include <algorithm>
#include <cctype>

namespace vantrel {
namespace {

// vk, column, row, enable bit, default kind, default usage, name
constexpr std::array<KeyPosition, kKeyPositionCount> kPositions = {{
    {0x1B, 0, 5, 120, 0x00, 0x29, "Esc"},     // 0
    {0x70, 2, 5, 122, 0x00, 0x3A, "F1"},      // 1
    {0x71, 3, 5, 123, 0x00, 0x3B, "F2"},      // 2
    {0x72, 4, 5, 124, 0x00, 0x3C, "F3"},      // 3
    {0x73, 5, 5, 125, 0x00, 0x3D, "F4"},      // 4
    {0x74, 6, 5, 126, 0x00, 0x3E, "F5"},      // 5
    {0x75, 7, 5, 127, 0x00, 0x3F, "F6"},      // 6
    {0x76, 8, 5, 128, 0x00, 0x40, "F7"},      // 7
    {0x77, 9, 5, 129, 0x00, 0x41, "F8"},      // 8
    {0x78, 10, 5, 130, 0x00, 0x42, "F9"},     // 9
    {0x79, 11, 5, 131, 0x00, 0x43, "F10"},    // 10
    {0x7A, 12, 5, 132, 0x00, 0x44, "F11"},    // 11
    {0x7B, 13, 5, 133, 0x00, 0x45, "F12"},    // 12
    {0x2C, 14, 5, 134, 0x00, 0x46, "Prscr"},  // 13
    {0x91, 15, 5, 135, 0x00, 0x47, "Scrol"},  // 14
    {0x13, 16, 5, 136, 0x00, 0x48, "Pause"},  // 15
    {0xE2, 17, 5, 137, 0x03, 0xB5, ""},       // 16
    {0xB5, 18, 5, 138, 0x03, 0xB6, "Bright"}, // 17
    {0xB3, 19, 5, 139, 0x03, 0xCD, "Speed"},  // 18
    {0xAF, 20, 5, 140, 0x03, 0xB7, "Volume"}, // 19
    {0xC0, 0, 4, 96, 0x00, 0x35, "`"},        // 20
    {0x31, 1, 4, 97, 0x00, 0x1E, "1"},        // 21
    {0x32, 2, 4, 98, 0x00, 0x1F, "2"},        // 22
    {0x33, 3, 4, 99, 0x00, 0x20, "3"},        // 23
    {0x34, 4, 4, 100, 0x00, 0x21, "4"},       // 24
    {0x35, 5, 4, 101, 0x00, 0x22, "5"},       // 25
    {0x36, 6, 4, 102, 0x00, 0x23, "6"},       // 26
    {0x37, 7, 4, 103, 0x00, 0x24, "7"},       // 27
    {0x38, 8, 4, 104, 0x00, 0x25, "8"},       // 28
    {0x39, 9, 4, 105, 0x00, 0x26, "9"},       // 29
    {0x30, 10, 4, 106, 0x00, 0x27, "0"},      // 30
    {0xBD, 11, 4, 107, 0x00, 0x2D, "-"},      // 31
    {0xBB, 12, 4, 108, 0x00, 0x2E, "="},      // 32
    {0x08, 13, 4, 109, 0x00, 0x2A, "Back"},   // 33
    {0x2D, 14, 4, 110, 0x00, 0x49, "Inst"},   // 34
    {0x24, 15, 4, 111, 0x00, 0x4A, "Home"},   // 35
    {0x21, 16, 4, 112, 0x00, 0x4B, "PgUp"},   // 36
    {0x90, 17, 4, 113, 0x00, 0x53, "Num"},    // 37
    {0x6F, 18, 4, 114, 0x00, 0x54, "/"},      // 38
    {0x6A, 19, 4, 115, 0x00, 0x55, "*"},      // 39
    {0x6D, 20, 4, 116, 0x00, 0x56, "-"},      // 40
    {0x09, 0, 3, 72, 0x00, 0x2B, "Tab"},      // 41
    {0x51, 1, 3, 73, 0x00, 0x14, "Q"},        // 42
    {0x57, 2, 3, 74, 0x00, 0x1A, "W"},        // 43
    {0x45, 3, 3, 75, 0x00, 0x08, "E"},        // 44
    {0x52, 4, 3, 76, 0x00, 0x15, "R"},        // 45
    {0x54, 5, 3, 77, 0x00, 0x17, "T"},        // 46
    {0x59, 6, 3, 78, 0x00, 0x1C, "Y"},        // 47
    {0x55, 7, 3, 79, 0x00, 0x18, "U"},        // 48
    {0x49, 8, 3, 80, 0x00, 0x0C, "I"},        // 49
    {0x4F, 9, 3, 81, 0x00, 0x12, "O"},        // 50
    {0x50, 10, 3, 82, 0x00, 0x13, "P"},       // 51
    {0xDB, 11, 3, 83, 0x00, 0x2F, "["},       // 52
    {0xDD, 12, 3, 84, 0x00, 0x30, "]"},       // 53
    {0xDC, 13, 3, 85, 0x00, 0x31, "\\"},      // 54
    {0x2E, 14, 3, 86, 0x00, 0x4C, "Del"},     // 55
    {0x23, 15, 3, 87, 0x00, 0x4D, "End"},     // 56
    {0x22, 16, 3, 88, 0x00, 0x4E, "PgDn"},    // 57
    {0x67, 17, 3, 89, 0x00, 0x5F, "7-num"},   // 58
    {0x68, 18, 3, 90, 0x00, 0x60, "8-num"},   // 59
    {0x69, 19, 3, 91, 0x00, 0x61, "9-num"},   // 60
    {0x6B, 20, 2, 68, 0x00, 0x57, "+"},       // 61
    {0x14, 0, 2, 48, 0x00, 0x39, "Caps"},     // 62
    {0x41, 1, 2, 49, 0x00, 0x04, "A"},        // 63
    {0x53, 2, 2, 50, 0x00, 0x16, "S"},        // 64
    {0x44, 3, 2, 51, 0x00, 0x07, "D"},        // 65
    {0x46, 4, 2, 52, 0x00, 0x09, "F"},        // 66
    {0x47, 5, 2, 53, 0x00, 0x0A, "G"},        // 67
    {0x48, 6, 2, 54, 0x00, 0x0B, "H"},        // 68
    {0x4A, 7, 2, 55, 0x00, 0x0D, "J"},        // 69
    {0x4B, 8, 2, 56, 0x00, 0x0E, "K"},        // 70
    {0x4C, 9, 2, 57, 0x00, 0x0F, "L"},        // 71
    {0xBA, 10, 2, 58, 0x00, 0x33, ";"},       // 72
    {0xDE, 11, 2, 59, 0x00, 0x34, "'"},       // 73
    {0x0D, 13, 2, 61, 0x00, 0x28, "Enter"},   // 74
    {0x64, 17, 2, 65, 0x00, 0x5C, "4-num"},   // 75
    {0x65, 18, 2, 66, 0x00, 0x5D, "5-num"},   // 76
    {0x66, 19, 2, 67, 0x00, 0x5E, "6-num"},   // 77
    {0xA0, 0, 1, 24, 0x00, 0xE1, "LShift"},   // 78
    {0x5A, 1, 1, 25, 0x00, 0x1D, "Z"},        // 79
    {0x58, 2, 1, 26, 0x00, 0x1B, "X"},        // 80
    {0x43, 3, 1, 27, 0x00, 0x06, "C"},        // 81
    {0x56, 4, 1, 28, 0x00, 0x19, "V"},        // 82
    {0x42, 5, 1, 29, 0x00, 0x05, "B"},        // 83
    {0x4E, 6, 1, 30, 0x00, 0x11, "N"},        // 84
    {0x4D, 7, 1, 31, 0x00, 0x10, "M"},        // 85
    {0xBC, 8, 1, 32, 0x00, 0x36, ","},        // 86
    {0xBE, 9, 1, 33, 0x00, 0x37, "."},        // 87
    {0xBF, 10, 1, 34, 0x00, 0x38, "/"},       // 88
    {0xA1, 12, 1, 36, 0x00, 0xE5, "RShift"},  // 89
    {0x26, 15, 1, 39, 0x00, 0x52, "Up"},      // 90
    {0x61, 17, 1, 41, 0x00, 0x59, "1-num"},   // 91
    {0x62, 18, 1, 42, 0x00, 0x5A, "2-num"},   // 92
    {0x63, 19, 1, 43, 0x00, 0x5B, "3-num"},   // 93
    {0x6C, 20, 0, 20, 0x00, 0x58, "Enter"},   // 94
    {0xA2, 0, 0, 0, 0x00, 0xE0, "LCtrl"},     // 95
    {0x5B, 1, 0, 1, 0x00, 0xE3, "LWin"},      // 96
    {0xA4, 2, 0, 2, 0x00, 0xE2, "LAlt"},      // 97
    {0x20, 5, 0, 5, 0x00, 0x2C, "Space"},     // 98
    {0xA5, 9, 0, 9, 0x00, 0xE6, "RAlt"},      // 99
    {0x5D, 10, 0, 10, 0x02, 0x00, "Apps"},    // 100
    {0x5D, 11, 0, 11, 0x00, 0x65, "Apps"},    // 101
    {0xA3, 13, 0, 13, 0x00, 0xE4, "RCtrl"},   // 102
    {0x25, 14, 0, 14, 0x00, 0x50, "Left"},    // 103
    {0x28, 15, 0, 15, 0x00, 0x51, "Down"},    // 104
    {0x27, 16, 0, 16, 0x00, 0x4F, "Right"},   // 105
    {0x60, 17, 0, 17, 0x00, 0x62, "0-num"},   // 106
    {0x6E, 19, 0, 19, 0x00, 0x63, "."},       // 107
}};

constexpr std::array<std::uint8_t, kDefaultKeyTableSize> buildDefaultKeyTable() {
    std::array<std::uint8_t, kDefaultKeyTableSize> t{};
    for (const auto& p : kPositions) {
        const auto c = p.matrixCode();
        t[c] = p.defaultKind;
        t[c + 1] = 0;
        t[c + 2] = p.defaultUsage;
        t[c + 3] = 0;
    }
    return t;
}

constexpr auto kDefaultKeyTable = buildDefaultKeyTable();

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

const std::array<KeyPosition, kKeyPositionCount>& keyPositions() {
    return kPositions;
}

std::uint8_t KeyPositionVk(std::size_t position) {
    return kPositions.at(position).vk;
}

std::uint16_t KeyPositionMatrixCode(std::size_t position) {
    return kPositions.at(position).matrixCode();
}

std::uint16_t KeyPositionEnableBit(std::size_t position) {
    return kPositions.at(position).enableBit;
}

const std::array<std::uint8_t, kDefaultKeyTableSize>& DefaultKeyTable() {
    return kDefaultKeyTable;
}

KeyNameMatch findKeyPositionByName(std::string_view name) {
    KeyNameMatch m;
    for (std::size_t i = 0; i < kPositions.size(); ++i) {
        if (!kPositions[i].name.empty() && equalsIgnoreCase(kPositions[i].name, name)) {
            if (m.count == 0) {
                m.first = i;
            }
            ++m.count;
        }
    }
    return m;
}

} // namespace vantrel
