// SPDX-License-Identifier: MIT
#include "core/model/key_names.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class KeyNames : public ::testing::Test {
protected:
    KeyNameTable t = BuildKeyNameTable();
};

TEST_F(KeyNames, EveryEntryCarriesItsOwnCode) {
    for (int vk = 0; vk < 256; ++vk) {
        EXPECT_EQ(t[static_cast<std::uint8_t>(vk)].vk, vk);
    }
}

TEST_F(KeyNames, LettersDigitsAndFunctionKeys) {
    EXPECT_EQ(t.usage('A'), 0x04);
    EXPECT_EQ(t.name('A'), "A ");
    EXPECT_EQ(t.usage('Z'), 0x1D);
    EXPECT_EQ(t.usage('1'), 0x1E);
    EXPECT_EQ(t.name('9'), "9 ");
    EXPECT_EQ(t.usage('9'), 0x26);
    EXPECT_EQ(t.usage(0x70), 0x3A);
    EXPECT_EQ(t.name(0x70), "F1 ");
    EXPECT_EQ(t.name(0x7B), "F12 ");
    EXPECT_EQ(t.usage(0x7B), 0x45);
}

TEST_F(KeyNames, ZeroHasNoTrailingBlankUnlikeOtherDigits) {
    EXPECT_EQ(t.name(0x30), "0");
    EXPECT_EQ(t.usage(0x30), 0x27);
    EXPECT_EQ(t.name(0x31), "1 ");
}

TEST_F(KeyNames, SharedNamesMapToDifferentUsages) {
    EXPECT_EQ(t.name(0x0D), "Enter ");
    EXPECT_EQ(t.name(0x6C), "Enter ");
    EXPECT_EQ(t.usage(0x0D), 0x28);
    EXPECT_EQ(t.usage(0x6C), 0x58);
    EXPECT_EQ(t.name(0xBD), t.name(0x6D));
    EXPECT_EQ(t.usage(0xBD), 0x2D);
    EXPECT_EQ(t.usage(0x6D), 0x56);
    EXPECT_EQ(t.name(0xBE), ". ");
    EXPECT_EQ(t.name(0x6E), ". ");
    EXPECT_EQ(t.usage(0xBE), 0x37);
    EXPECT_EQ(t.usage(0x6E), 0x63);
    EXPECT_EQ(t.name(0xBF), "/ ");
    EXPECT_EQ(t.name(0x6F), "/ ");
    EXPECT_EQ(t.usage(0xBF), 0x38);
    EXPECT_EQ(t.usage(0x6F), 0x54);
}

TEST_F(KeyNames, CodesWithoutEntryAreEmpty) {
    EXPECT_EQ(t.usage(0x07), 0);
    EXPECT_EQ(t.name(0x07), "");
    EXPECT_EQ(t.usage(0xE2), 0); // the key at position 16 has no name
    EXPECT_EQ(t.name(0xE2), "");
    EXPECT_EQ(t.usage(0), 0);
}

TEST_F(KeyNames, SpecialKeysAndMouseButtons) {
    EXPECT_EQ(t.usage(0xAE), 0xEA);
    EXPECT_EQ(t.name(0xAE), "Game Mode ");
    EXPECT_EQ(t.usage(0xAF), 0xE9);
    EXPECT_EQ(t.usage(0xB3), 0xCD);
    EXPECT_EQ(t.usage(0xB5), 0x83);
    EXPECT_EQ(t.name(0xF0), "MsLB");
    EXPECT_EQ(t.name(0xF1), "MsRB");
    EXPECT_EQ(t.name(0xF2), "MsMB");
    EXPECT_EQ(t.usage(0xF3), 0xF3);
    EXPECT_EQ(t.name(0xF3), "");
    EXPECT_EQ(t.name(0xF7), "Mouse pointer Down");
    EXPECT_EQ(t.name(0xDC), "\\ ");
}

TEST_F(KeyNames, TrimmingDropsOnlyTrailingBlanks) {
    EXPECT_EQ(trimmedKeyName("Game Mode "), "Game Mode");
    EXPECT_EQ(trimmedKeyName("0"), "0");
    EXPECT_EQ(trimmedKeyName(""), "");
}

} // namespace
} // namespace vantrel
