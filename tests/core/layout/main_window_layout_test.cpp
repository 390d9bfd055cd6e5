// SPDX-License-Identifier: MIT
#include "core/layout/main_window_layout.h"
#include "core/model/key_picture_table.h"

#include <gtest/gtest.h>

namespace vantrel::layout {
namespace {

TEST(HitTest, OnlyTheOriginPixelReverts) {
    EXPECT_EQ(HitTestButton(0, 0, 0), kCmdRevert);
    for (int y = 0; y < 640; ++y) {
        for (int x = 0; x < 1000; ++x) {
            if (x == 0 && y == 0) {
                continue;
            }
            ASSERT_NE(HitTestButton(x, y, 0), kCmdRevert) << x << "," << y;
            ASSERT_NE(HitTestButton(x, y, 60), kCmdRevert) << x << "," << y;
        }
    }
}

TEST(HitTest, RegionsAreInclusiveAndEarlierOnesWin) {
    EXPECT_EQ(HitTestButton(936, 5, 0), kCmdHelp);
    EXPECT_EQ(HitTestButton(952, 20, 0), kCmdHelp);
    EXPECT_EQ(HitTestButton(953, 20, 0), kCmdNone);
    EXPECT_EQ(HitTestButton(994, 20, 0), kCmdClose);
    EXPECT_EQ(HitTestButton(926, 633, 0), kCmdApply);
    // Wrist colour choices 24 (116..151) and 25 (148..183) overlap.
    EXPECT_EQ(HitTestButton(150, 340, 0), 24);
    EXPECT_EQ(HitTestButton(152, 340, 0), 25);
    // Keyboard swatches on a 25-pixel pitch, the last one moved to 202.
    EXPECT_EQ(HitTestButton(28, 179, 0), 8);
    EXPECT_EQ(HitTestButton(198, 199, 0), 14);
    EXPECT_EQ(HitTestButton(200, 185, 0), kCmdNone);
    EXPECT_EQ(HitTestButton(202, 179, 0), 15);
    EXPECT_EQ(HitTestButton(202, 360, 0), kCmdNone);
    EXPECT_EQ(HitTestButton(203, 360, 0), 33);
    // Nothing matches entry 34 of the table.
    for (int y = 0; y < 640; ++y) {
        for (int x = 0; x < 1000; ++x) {
            ASSERT_NE(HitTestButton(x, y, 0), kCmdKeymapRadio);
        }
    }
}

TEST(HitTest, RadioButtonsOnlyWithAPerKeyEffectAndBeforeTheTable) {
    EXPECT_EQ(HitTestButton(30, 180, 50), 8); // the first swatch
    EXPECT_EQ(HitTestButton(30, 180, 51), kCmdKeymapRadio);
    EXPECT_EQ(HitTestButton(130, 189, 55), kCmdDiyRadio);
    EXPECT_EQ(HitTestButton(130, 189, 10), 12);
}

TEST(HitTest, ModifierKeysCannotBeChosenForAssignment) {
    const auto& keys = KeyPictureTable();
    for (int key : {95, 96, 100, 102}) {
        const auto& k = keys[static_cast<std::size_t>(key)];
        const int x = k.left + kKeyboardPictureX + 3;
        const int y = k.top + kKeyboardPictureY + 3;
        EXPECT_EQ(HitTestKey(x, y, false), -1) << key;
        EXPECT_EQ(HitTestKey(x, y, true), key) << key;
    }
    // Every other key answers at all four corners in both views.
    for (int i = 0; i < 108; ++i) {
        if (i == 95 || i == 96 || i == 100 || i == 102) {
            continue;
        }
        const auto& k = keys[static_cast<std::size_t>(i)];
        for (auto [x, y] : {std::pair{k.left, k.top}, std::pair{k.right, k.bottom}}) {
            EXPECT_EQ(HitTestKey(x + kKeyboardPictureX, y + kKeyboardPictureY, false), i);
        }
    }
    EXPECT_EQ(HitTestKey(keys[0].left + kKeyboardPictureX - 1, keys[0].top + 95, false), -1);
}

TEST(HitTest, NoCommandRegionOverlapsTheKeyboardPicture) {
    for (int y = 0; y < 640; ++y) {
        for (int x = 0; x < 1000; ++x) {
            if (HitTestKey(x, y, true) >= 0) {
                ASSERT_EQ(HitTestButton(x, y, 60), kCmdNone) << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace vantrel::layout
