// SPDX-License-Identifier: MIT
// Every row of the keyboard's position table checked against the tables the
// program uses: matrix code, enable bit, factory entry, key code and name.
#include "core/model/config_image.h"
#include "core/model/key_names.h"
#include "core/model/key_positions.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vantrel {
namespace {

struct Row {
    int pos;
    const char* name;
    int vk;
    int column;
    int row;
    int enableBit;
    const char* defaultEntry;
};

// The reference table as the keyboard's documentation gives it.
constexpr Row kRows[] = {
    {0, "Esc", 0x1B, 0, 5, 120, "00 00 29 00"},     {1, "F1", 0x70, 2, 5, 122, "00 00 3A 00"},
    {2, "F2", 0x71, 3, 5, 123, "00 00 3B 00"},      {3, "F3", 0x72, 4, 5, 124, "00 00 3C 00"},
    {4, "F4", 0x73, 5, 5, 125, "00 00 3D 00"},      {5, "F5", 0x74, 6, 5, 126, "00 00 3E 00"},
    {6, "F6", 0x75, 7, 5, 127, "00 00 3F 00"},      {7, "F7", 0x76, 8, 5, 128, "00 00 40 00"},
    {8, "F8", 0x77, 9, 5, 129, "00 00 41 00"},      {9, "F9", 0x78, 10, 5, 130, "00 00 42 00"},
    {10, "F10", 0x79, 11, 5, 131, "00 00 43 00"},   {11, "F11", 0x7A, 12, 5, 132, "00 00 44 00"},
    {12, "F12", 0x7B, 13, 5, 133, "00 00 45 00"},   {13, "Prscr", 0x2C, 14, 5, 134, "00 00 46 00"},
    {14, "Scrol", 0x91, 15, 5, 135, "00 00 47 00"}, {15, "Pause", 0x13, 16, 5, 136, "00 00 48 00"},
    {16, "", 0xE2, 17, 5, 137, "03 00 B5 00"},      {17, "Bright", 0xB5, 18, 5, 138, "03 00 B6 00"},
    {18, "Speed", 0xB3, 19, 5, 139, "03 00 CD 00"}, {19, "Volume", 0xAF, 20, 5, 140, "03 00 B7 00"},
    {20, "`", 0xC0, 0, 4, 96, "00 00 35 00"},       {21, "1", 0x31, 1, 4, 97, "00 00 1E 00"},
    {22, "2", 0x32, 2, 4, 98, "00 00 1F 00"},       {23, "3", 0x33, 3, 4, 99, "00 00 20 00"},
    {24, "4", 0x34, 4, 4, 100, "00 00 21 00"},      {25, "5", 0x35, 5, 4, 101, "00 00 22 00"},
    {26, "6", 0x36, 6, 4, 102, "00 00 23 00"},      {27, "7", 0x37, 7, 4, 103, "00 00 24 00"},
    {28, "8", 0x38, 8, 4, 104, "00 00 25 00"},      {29, "9", 0x39, 9, 4, 105, "00 00 26 00"},
    {30, "0", 0x30, 10, 4, 106, "00 00 27 00"},     {31, "-", 0xBD, 11, 4, 107, "00 00 2D 00"},
    {32, "=", 0xBB, 12, 4, 108, "00 00 2E 00"},     {33, "Back", 0x08, 13, 4, 109, "00 00 2A 00"},
    {34, "Inst", 0x2D, 14, 4, 110, "00 00 49 00"},  {35, "Home", 0x24, 15, 4, 111, "00 00 4A 00"},
    {36, "PgUp", 0x21, 16, 4, 112, "00 00 4B 00"},  {37, "Num", 0x90, 17, 4, 113, "00 00 53 00"},
    {38, "/", 0x6F, 18, 4, 114, "00 00 54 00"},     {39, "*", 0x6A, 19, 4, 115, "00 00 55 00"},
    {40, "-", 0x6D, 20, 4, 116, "00 00 56 00"},     {41, "Tab", 0x09, 0, 3, 72, "00 00 2B 00"},
    {42, "Q", 0x51, 1, 3, 73, "00 00 14 00"},       {43, "W", 0x57, 2, 3, 74, "00 00 1A 00"},
    {44, "E", 0x45, 3, 3, 75, "00 00 08 00"},       {45, "R", 0x52, 4, 3, 76, "00 00 15 00"},
    {46, "T", 0x54, 5, 3, 77, "00 00 17 00"},       {47, "Y", 0x59, 6, 3, 78, "00 00 1C 00"},
    {48, "U", 0x55, 7, 3, 79, "00 00 18 00"},       {49, "I", 0x49, 8, 3, 80, "00 00 0C 00"},
    {50, "O", 0x4F, 9, 3, 81, "00 00 12 00"},       {51, "P", 0x50, 10, 3, 82, "00 00 13 00"},
    {52, "[", 0xDB, 11, 3, 83, "00 00 2F 00"},      {53, "]", 0xDD, 12, 3, 84, "00 00 30 00"},
    {54, "\\", 0xDC, 13, 3, 85, "00 00 31 00"},     {55, "Del", 0x2E, 14, 3, 86, "00 00 4C 00"},
    {56, "End", 0x23, 15, 3, 87, "00 00 4D 00"},    {57, "PgDn", 0x22, 16, 3, 88, "00 00 4E 00"},
    {58, "7-num", 0x67, 17, 3, 89, "00 00 5F 00"},  {59, "8-num", 0x68, 18, 3, 90, "00 00 60 00"},
    {60, "9-num", 0x69, 19, 3, 91, "00 00 61 00"},  {61, "+", 0x6B, 20, 2, 68, "00 00 57 00"},
    {62, "Caps", 0x14, 0, 2, 48, "00 00 39 00"},    {63, "A", 0x41, 1, 2, 49, "00 00 04 00"},
    {64, "S", 0x53, 2, 2, 50, "00 00 16 00"},       {65, "D", 0x44, 3, 2, 51, "00 00 07 00"},
    {66, "F", 0x46, 4, 2, 52, "00 00 09 00"},       {67, "G", 0x47, 5, 2, 53, "00 00 0A 00"},
    {68, "H", 0x48, 6, 2, 54, "00 00 0B 00"},       {69, "J", 0x4A, 7, 2, 55, "00 00 0D 00"},
    {70, "K", 0x4B, 8, 2, 56, "00 00 0E 00"},       {71, "L", 0x4C, 9, 2, 57, "00 00 0F 00"},
    {72, ";", 0xBA, 10, 2, 58, "00 00 33 00"},      {73, "'", 0xDE, 11, 2, 59, "00 00 34 00"},
    {74, "Enter", 0x0D, 13, 2, 61, "00 00 28 00"},  {75, "4-num", 0x64, 17, 2, 65, "00 00 5C 00"},
    {76, "5-num", 0x65, 18, 2, 66, "00 00 5D 00"},  {77, "6-num", 0x66, 19, 2, 67, "00 00 5E 00"},
    {78, "LShift", 0xA0, 0, 1, 24, "00 00 E1 00"},  {79, "Z", 0x5A, 1, 1, 25, "00 00 1D 00"},
    {80, "X", 0x58, 2, 1, 26, "00 00 1B 00"},       {81, "C", 0x43, 3, 1, 27, "00 00 06 00"},
    {82, "V", 0x56, 4, 1, 28, "00 00 19 00"},       {83, "B", 0x42, 5, 1, 29, "00 00 05 00"},
    {84, "N", 0x4E, 6, 1, 30, "00 00 11 00"},       {85, "M", 0x4D, 7, 1, 31, "00 00 10 00"},
    {86, ",", 0xBC, 8, 1, 32, "00 00 36 00"},       {87, ".", 0xBE, 9, 1, 33, "00 00 37 00"},
    {88, "/", 0xBF, 10, 1, 34, "00 00 38 00"},      {89, "RShift", 0xA1, 12, 1, 36, "00 00 E5 00"},
    {90, "Up", 0x26, 15, 1, 39, "00 00 52 00"},     {91, "1-num", 0x61, 17, 1, 41, "00 00 59 00"},
    {92, "2-num", 0x62, 18, 1, 42, "00 00 5A 00"},  {93, "3-num", 0x63, 19, 1, 43, "00 00 5B 00"},
    {94, "Enter", 0x6C, 20, 0, 20, "00 00 58 00"},  {95, "LCtrl", 0xA2, 0, 0, 0, "00 00 E0 00"},
    {96, "LWin", 0x5B, 1, 0, 1, "00 00 E3 00"},     {97, "LAlt", 0xA4, 2, 0, 2, "00 00 E2 00"},
    {98, "Space", 0x20, 5, 0, 5, "00 00 2C 00"},    {99, "RAlt", 0xA5, 9, 0, 9, "00 00 E6 00"},
    {100, "Apps", 0x5D, 10, 0, 10, "02 00 00 00"},  {101, "Apps", 0x5D, 11, 0, 11, "00 00 65 00"},
    {102, "RCtrl", 0xA3, 13, 0, 13, "00 00 E4 00"}, {103, "Left", 0x25, 14, 0, 14, "00 00 50 00"},
    {104, "Down", 0x28, 15, 0, 15, "00 00 51 00"},  {105, "Right", 0x27, 16, 0, 16, "00 00 4F 00"},
    {106, "0-num", 0x60, 17, 0, 17, "00 00 62 00"}, {107, ".", 0x6E, 19, 0, 19, "00 00 63 00"},
};

std::string hex4(const std::uint8_t* p) {
    char s[16];
    std::snprintf(s, sizeof s, "%02X %02X %02X %02X", p[0], p[1], p[2], p[3]);
    return s;
}

TEST(KeyPositions, EveryRowAgreesWithTheTables) {
    ASSERT_EQ(std::size(kRows), kKeyPositionCount);
    const auto names = BuildKeyNameTable();
    for (const auto& r : kRows) {
        SCOPED_TRACE("position " + std::to_string(r.pos));
        const auto c = KeyPositionMatrixCode(r.pos);
        EXPECT_EQ(c, (r.column * 6 + r.row) * 4);
        EXPECT_EQ(c / 4 / 6, r.column);
        EXPECT_EQ(c / 4 % 6, r.row);
        EXPECT_EQ(KeyPositionEnableBit(r.pos), r.enableBit);
        EXPECT_EQ(KeyPositionVk(r.pos), r.vk);
        EXPECT_EQ(hex4(DefaultKeyTable().data() + c), r.defaultEntry);
        EXPECT_EQ(std::string(trimmedKeyName(names.name(static_cast<std::uint8_t>(r.vk)))), r.name);
        EXPECT_EQ(keyPositions()[r.pos].name, r.name);
    }
}

TEST(KeyPositions, MatrixCodesAndEnableBitsAreUnique) {
    std::set<int> codes, bits;
    for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
        EXPECT_TRUE(codes.insert(KeyPositionMatrixCode(i)).second) << i;
        EXPECT_TRUE(bits.insert(KeyPositionEnableBit(i)).second) << i;
        EXPECT_LT(KeyPositionEnableBit(i), 144);
        EXPECT_LE(KeyPositionMatrixCode(i) + 4u, kDefaultKeyTableSize);
    }
}

TEST(KeyPositions, EscapeSitsAtRowMajorAndColumnMajorPlaces) {
    EXPECT_EQ(KeyPositionMatrixCode(0), 0x14);
    EXPECT_EQ(keyTableEntryOffset(0x14), 420u);
    EXPECT_EQ(DefaultKeyTable()[20 + 2], 0x29);
}

TEST(KeyPositions, DefaultTableHasZerosWhereNoKeySits) {
    std::set<int> used;
    for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
        used.insert(KeyPositionMatrixCode(i));
    }
    for (int c = 0; c < 512; c += 4) {
        if (!used.count(c)) {
            EXPECT_EQ(hex4(DefaultKeyTable().data() + c), "00 00 00 00") << c;
        }
    }
}

TEST(KeyPositions, NameLookupReportsAmbiguity) {
    EXPECT_EQ(findKeyPositionByName("esc").count, 1u);
    EXPECT_EQ(findKeyPositionByName("Esc").first, 0u);
    EXPECT_EQ(findKeyPositionByName("Enter").count, 2u);
    EXPECT_EQ(findKeyPositionByName("Apps").count, 2u);
    EXPECT_EQ(findKeyPositionByName("Apps").first, 100u);
    EXPECT_EQ(findKeyPositionByName("nosuchkey").count, 0u);
}

} // namespace
} // namespace vantrel
