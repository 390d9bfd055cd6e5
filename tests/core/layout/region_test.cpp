// SPDX-License-Identifier: MIT
#include "core/layout/colour_dialog_layout.h"
#include "core/layout/profile_dialog_layout.h"
#include "core/layout/region.h"

#include <gtest/gtest.h>

namespace vantrel::layout {
namespace {

TEST(Region, InclusiveEdgesAndTheNeverMatchingForm) {
    constexpr Region r{10, 20, 12, 21};
    static_assert(r.width() == 3 && r.height() == 2);
    EXPECT_TRUE(r.contains(10, 20));
    EXPECT_TRUE(r.contains(12, 21));
    EXPECT_FALSE(r.contains(13, 21));
    EXPECT_FALSE(r.contains(12, 22));
    constexpr Region never{1, 0, 0, 0};
    EXPECT_FALSE(never.contains(0, 0));
    EXPECT_FALSE(never.contains(1, 0));
    EXPECT_TRUE(r.grown(5).contains(5, 15));
    EXPECT_FALSE(r.grown(5).contains(4, 15));
    EXPECT_EQ(r.shifted(1, 2), (Region{11, 22, 13, 23}));
}

TEST(Region, FirstMatchWinsAndEachTableSaysNoneItsOwnWay) {
    constexpr Region table[] = {{0, 0, 10, 10}, {5, 5, 20, 20}};
    EXPECT_EQ(hitTest(table, 7, 7), 0);
    EXPECT_EQ(hitTest(table, 15, 15), 1);
    EXPECT_EQ(hitTest(table, 30, 30), kNoRegion);
    EXPECT_EQ(hitTest(table, 30, 30, 255), 255);
}

TEST(Region, TheDialogsFacesHoldTheirRegions) {
    for (const Region& r : profile_dialog::kRegions) {
        EXPECT_LT(r.right, profile_dialog::kWidth);
        EXPECT_LT(r.bottom, profile_dialog::kHeight);
    }
    EXPECT_LT(profile_dialog::kList.right, profile_dialog::kRegions[profile_dialog::kImport].left);
    EXPECT_EQ(profile_dialog::kList.width(), 243);
    EXPECT_EQ(profile_dialog::kList.height(), 283);
    EXPECT_EQ(colour_dialog::kSpectrum.width(), 160);
    EXPECT_EQ(colour_dialog::kSpectrum.height(), 140);
    EXPECT_EQ(colour_dialog::kOk.width(), 47);
    EXPECT_LT(colour_dialog::kCloseSquare.right, colour_dialog::kFallbackWidth);
}

TEST(HoverTracker, ReportsOnlyChangesAndKnowsNothingFromARegion) {
    HoverTracker h(255);
    EXPECT_TRUE(h.overNothing());
    EXPECT_FALSE(h.moveTo(255));
    EXPECT_TRUE(h.moveTo(3));
    EXPECT_TRUE(h.over(3));
    EXPECT_FALSE(h.over(4));
    EXPECT_FALSE(h.moveTo(3)) << "the same region again: no repaint";
    EXPECT_TRUE(h.moveTo(255));
    EXPECT_FALSE(h.over(255));
    h.moveTo(7);
    h.leave();
    EXPECT_TRUE(h.overNothing());
}

} // namespace
} // namespace vantrel::layout
