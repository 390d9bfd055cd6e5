// SPDX-License-Identifier: MIT
#include "core/model/key_picture_table.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct Telling {
    std::size_t index;
    std::string_view label;
    KeyPicture expected;
};

TEST(KeyPictureTable, RowsOthersDependOnAreExact) {
    const Telling rows[] = {
        {0, "Esc", {44, 106, 68, 130, "", 55, 117}},
        {16, "Gmode", {115, 83, 134, 97, "", 119, 90}},
        {33, "Back", {371, 139, 421, 163, "", 395, 150}},
        {61, "+", {587, 164, 611, 213, "", 599, 188}},
        {62, "Caps Lock", {44, 189, 90, 213, "", 55, 200}},
        {94, "Ent", {587, 214, 611, 264, "", 599, 240}},
        {98, "Space", {141, 239, 296, 263, "", 224, 250}},
        {107, ".", {562, 239, 586, 263, "", 579, 250}},
    };
    for (const auto& r : rows) {
        const auto& k = KeyPictureTable()[r.index];
        SCOPED_TRACE(r.index);
        EXPECT_EQ(k.label, r.label);
        EXPECT_EQ(k.left, r.expected.left);
        EXPECT_EQ(k.top, r.expected.top);
        EXPECT_EQ(k.right, r.expected.right);
        EXPECT_EQ(k.bottom, r.expected.bottom);
        EXPECT_EQ(k.anchorX, r.expected.anchorX);
        EXPECT_EQ(k.anchorY, r.expected.anchorY);
    }
}

TEST(KeyPictureTable, NoTwoKeysOverlapAndAllFitThePicture) {
    const auto& t = KeyPictureTable();
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto& a = t[i];
        EXPECT_LT(a.left, a.right) << i;
        EXPECT_LT(a.top, a.bottom) << i;
        EXPECT_GE(a.left, 0);
        EXPECT_GE(a.top, 0);
        EXPECT_LT(a.right, kKeyboardPictureWidth) << i;
        EXPECT_LT(a.bottom, kKeyboardPictureHeight) << i;
        EXPECT_FALSE(a.label.empty()) << i;
        for (std::size_t j = i + 1; j < t.size(); ++j) {
            const auto& b = t[j];
            const bool apart =
                a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top;
            EXPECT_TRUE(apart) << "keys " << i << " and " << j << " overlap";
        }
    }
}

TEST(KeyPictureTable, OrdinaryKeysFollowThePitchAndTheMatrixRows) {
    const auto& t = KeyPictureTable();
    const int rowTop[6] = {239, 214, 189, 164, 139, 106}; // matrix row 0 is the bottom
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i >= 16 && i <= 19) {
            EXPECT_EQ(t[i].height(), 14);
            EXPECT_EQ(t[i].width(), 19);
            continue;
        }
        const auto& pos = keyPositions()[i];
        // The tall keypad keys sit in the matrix row of their lower half.
        if (i == 61 || i == 94) {
            continue;
        }
        EXPECT_EQ(t[i].top, rowTop[pos.row]) << i;
    }
    // Letters: 24 wide on a 25-pixel pitch.
    for (std::size_t i = 42; i < 51; ++i) {
        EXPECT_EQ(t[i].width(), 24);
        EXPECT_EQ(t[i + 1].left - t[i].left, 25);
    }
}

} // namespace
} // namespace vantrel
