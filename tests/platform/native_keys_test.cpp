// SPDX-License-Identifier: MIT
#include "core/model/key_names.h"
#include "core/model/key_positions.h"
#include "platform/native_keys.h"

#include <array>
#include <gtest/gtest.h>
#include <set>

using namespace vantrel;
using platform::virtualKeyFromEvdev;
using platform::virtualKeyFromWindows;
using platform::virtualKeyFromXkbKeycode;

namespace {

// The Linux input code of each key of the keyboard picture, in picture
// order, as a PC keyboard reports it. The four small keys above the
// function row report what their picture codes stand for (the extra ISO
// key, media selection, play / pause, volume up); Fn has no code of its own
// and shares the Menu key's.
constexpr std::array<std::uint16_t, kKeyPositionCount> kPictureKeyCodes{
    1,   59,  60,  61,  62, 63, 64,  65, 66, 67,  68,  87,  88, 99,  70,  119, 86,  171,
    164, 115, 41,  2,   3,  4,  5,   6,  7,  8,   9,   10,  11, 12,  13,  14,  110, 102,
    104, 69,  98,  55,  74, 15, 16,  17, 18, 19,  20,  21,  22, 23,  24,  25,  26,  27,
    43,  111, 107, 109, 71, 72, 73,  78, 58, 30,  31,  32,  33, 34,  35,  36,  37,  38,
    39,  40,  28,  75,  76, 77, 42,  44, 45, 46,  47,  48,  49, 50,  51,  52,  53,  54,
    103, 79,  80,  81,  96, 29, 125, 56, 57, 100, 127, 127, 97, 105, 108, 106, 82,  83,
};

} // namespace

TEST(NativeKeys, EveryKeyOfThePictureGivesItsOwnCode) {
    for (std::size_t pos = 0; pos < kKeyPositionCount; ++pos) {
        const auto code = kPictureKeyCodes[pos];
        const auto vk = virtualKeyFromEvdev(code);
        ASSERT_TRUE(vk.has_value()) << "position " << pos << ", input code " << code;
        EXPECT_EQ(*vk, KeyPositionVk(pos))
            << "position " << pos << " (" << keyPositions()[pos].name << "), input code " << code;
        // X11 and Wayland report the same key 8 higher.
        EXPECT_EQ(virtualKeyFromXkbKeycode(code + platform::kXkbKeycodeOffset), vk);
    }
}

TEST(NativeKeys, EveryKeyOfTheNameTableCanBeCaptured) {
    std::set<std::uint8_t> produced;
    for (std::uint32_t code = 0; code < 0x300; ++code) {
        if (const auto vk = virtualKeyFromEvdev(code)) {
            produced.insert(*vk);
        }
    }
    const KeyNameTable names = BuildKeyNameTable();
    int checked = 0;
    for (int vk = 1; vk < 0xF0; ++vk) { // 0xF0-0xF9 are mouse actions of macros
        if (names.usage(static_cast<std::uint8_t>(vk)) == 0) {
            continue;
        }
        ++checked;
        EXPECT_TRUE(produced.count(static_cast<std::uint8_t>(vk)))
            << "no key gives virtual-key code " << vk << " ("
            << names.name(static_cast<std::uint8_t>(vk)) << ")";
    }
    EXPECT_EQ(checked, 108); // letters, digits, F1-F12 and the 62 named codes
    EXPECT_FALSE(produced.count(0)) << "a key never gives code 0";
}

TEST(NativeKeys, SidesOfModifiersAndBothEntersAreToldApart) {
    EXPECT_EQ(virtualKeyFromEvdev(42), 0xA0); // Shift
    EXPECT_EQ(virtualKeyFromEvdev(54), 0xA1);
    EXPECT_EQ(virtualKeyFromEvdev(29), 0xA2); // Ctrl
    EXPECT_EQ(virtualKeyFromEvdev(97), 0xA3);
    EXPECT_EQ(virtualKeyFromEvdev(56), 0xA4); // Alt
    EXPECT_EQ(virtualKeyFromEvdev(100), 0xA5);
    EXPECT_EQ(virtualKeyFromEvdev(125), 0x5B); // Windows
    EXPECT_EQ(virtualKeyFromEvdev(126), 0x5C);
    EXPECT_EQ(virtualKeyFromEvdev(28), 0x0D); // Enter
    EXPECT_EQ(virtualKeyFromEvdev(96), 0x6C);
}

TEST(NativeKeys, UnknownCodesGiveNothing) {
    EXPECT_FALSE(virtualKeyFromEvdev(0));
    EXPECT_FALSE(virtualKeyFromEvdev(84));  // no key
    EXPECT_FALSE(virtualKeyFromEvdev(240)); // KEY_UNKNOWN
    EXPECT_FALSE(virtualKeyFromEvdev(0x2FF));
    EXPECT_FALSE(virtualKeyFromXkbKeycode(0));
    EXPECT_FALSE(virtualKeyFromXkbKeycode(7));
    EXPECT_EQ(virtualKeyFromXkbKeycode(9), 0x1B); // Esc as X11 numbers it
}

TEST(NativeKeys, WindowsCodesPassWithSidesFromTheScanCode) {
    constexpr std::uint32_t kExtended = 0x100;
    EXPECT_EQ(virtualKeyFromWindows(0x41, 0x1E), 0x41);
    EXPECT_EQ(virtualKeyFromWindows(0x10, 0x2A), 0xA0);
    EXPECT_EQ(virtualKeyFromWindows(0x10, 0x36), 0xA1);
    EXPECT_EQ(virtualKeyFromWindows(0x11, 0x1D), 0xA2);
    EXPECT_EQ(virtualKeyFromWindows(0x11, 0x1D | kExtended), 0xA3);
    EXPECT_EQ(virtualKeyFromWindows(0x12, 0x38), 0xA4);
    EXPECT_EQ(virtualKeyFromWindows(0x12, 0x38 | kExtended), 0xA5);
    EXPECT_EQ(virtualKeyFromWindows(0x0D, 0x1C), 0x0D);
    EXPECT_EQ(virtualKeyFromWindows(0x0D, 0x1C | kExtended), 0x6C);
    // Already sided codes stay as they are.
    EXPECT_EQ(virtualKeyFromWindows(0xA3, 0x1D | kExtended), 0xA3);
    EXPECT_FALSE(virtualKeyFromWindows(0, 0));
    EXPECT_FALSE(virtualKeyFromWindows(0x1FF, 0));
}
