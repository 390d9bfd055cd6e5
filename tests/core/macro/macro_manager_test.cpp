// SPDX-License-Identifier: MIT
#include "core/macro/macro_list.h"
#include "core/macro/macro_manager.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Names = std::vector<std::u16string>;
constexpr std::uint8_t kA = 0x41;

class ManagerTest : public ::testing::Test {
protected:
    ManagerTest() : manager(names, [this] { return now; }) {}

    MacroTable tableWith(std::initializer_list<const char16_t*> macroNames) {
        MacroTable t;
        for (const char16_t* n : macroNames) {
            EXPECT_TRUE(addMacro(t, n, 1, false, MacroStreams{}).ok());
        }
        return t;
    }

    KeyNameTable names = BuildKeyNameTable();
    std::chrono::steady_clock::time_point now{};
    MacroManager manager;
};

TEST_F(ManagerTest, NewNamesTheSmallestFreeNumberAndAppends) {
    manager.open(MacroTable{});
    EXPECT_TRUE(manager.names().empty());
    EXPECT_EQ(manager.selected(), -1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(manager.newMacro());
    }
    EXPECT_EQ(manager.names(), (Names{u"Macro_001", u"Macro_002", u"Macro_003"}));
    EXPECT_EQ(manager.selected(), 2);
    manager.select(1);
    ASSERT_TRUE(manager.deleteSelected());
    ASSERT_TRUE(manager.newMacro());
    EXPECT_EQ(manager.names(), (Names{u"Macro_001", u"Macro_003", u"Macro_002"}));
    EXPECT_EQ(manager.working()[2].name(), u"Macro_002");
    EXPECT_EQ(manager.working()[2].loopCount(), 1);
    EXPECT_EQ(usedMacroCount(manager.working()), 3u);
}

TEST_F(ManagerTest, TheThirtyThirdNewDoesNothing) {
    manager.open(MacroTable{});
    for (int i = 0; i < 32; ++i) {
        ASSERT_TRUE(manager.newMacro());
    }
    EXPECT_EQ(manager.names().back(), u"Macro_032");
    const MacroTable before = manager.working();
    EXPECT_FALSE(manager.newMacro());
    EXPECT_EQ(manager.names().size(), 32u);
    EXPECT_EQ(manager.working(), before);
}

TEST_F(ManagerTest, DeletingTheOnlyMacroLeavesNoSelection) {
    manager.open(tableWith({u"Only"}));
    ASSERT_EQ(manager.selected(), 0);
    ASSERT_TRUE(manager.toggleRecording());
    manager.keyEvent(kA, false);
    ASSERT_TRUE(manager.deleteSelected());
    EXPECT_EQ(manager.selected(), -1);
    EXPECT_TRUE(manager.events().lines().empty());
    EXPECT_FALSE(manager.listening());
    EXPECT_EQ(manager.working(), MacroTable{});
    EXPECT_FALSE(manager.deleteSelected());
    ASSERT_EQ(manager.deletions().size(), 1u);
    EXPECT_EQ(manager.deletions()[0].index, 0u);
    EXPECT_EQ(manager.deletions()[0].countBefore, 1u);
}

TEST_F(ManagerTest, DeleteSelectsTheNextOrTheNewLastMacro) {
    manager.open(tableWith({u"a", u"b", u"c"}));
    manager.select(1);
    ASSERT_TRUE(manager.deleteSelected());
    EXPECT_EQ(manager.selected(), 1);
    EXPECT_EQ(manager.names(), (Names{u"a", u"c"}));
    ASSERT_TRUE(manager.deleteSelected());
    EXPECT_EQ(manager.selected(), 0);
}

TEST_F(ManagerTest, LoopOptionAndLoopCount) {
    MacroTable t = tableWith({u"a", u"b"});
    t[0].setLoopCount(0);
    t[1].setLoopCount(300);
    manager.open(t);
    // A stored 0 shows as 1 and is stored as 1 at once.
    EXPECT_FALSE(manager.loopOn());
    EXPECT_EQ(manager.loopText(), "1");
    EXPECT_EQ(manager.working()[0].loopCount(), 1);

    manager.select(1);
    EXPECT_TRUE(manager.loopOn());
    EXPECT_EQ(manager.loopText(), "300");
    EXPECT_EQ(manager.setLoopText("25"), "25");
    EXPECT_EQ(manager.working()[1].loopCount(), 25);
    EXPECT_EQ(manager.setLoopText(""), "1");
    EXPECT_EQ(manager.working()[1].loopCount(), 1);
    manager.setLoopText("999");
    manager.toggleLoop(); // off: 1 at once
    EXPECT_EQ(manager.loopText(), "1");
    EXPECT_EQ(manager.working()[1].loopCount(), 1);
}

TEST_F(ManagerTest, RecordNeedsASelectedMacroAndReplacesItsEvents) {
    manager.open(MacroTable{});
    EXPECT_FALSE(manager.toggleRecording());
    ASSERT_TRUE(manager.newMacro());
    manager.toggleRecordDelays();
    ASSERT_TRUE(manager.toggleRecording());
    EXPECT_TRUE(manager.listening());
    manager.keyEvent(kA, false);
    now += std::chrono::milliseconds(90);
    manager.keyEvent(kA, true);
    ASSERT_TRUE(manager.toggleRecording());
    EXPECT_FALSE(manager.listening());
    const MacroRecord& r = manager.working()[0];
    EXPECT_TRUE(r.recordDelays());
    EXPECT_EQ(r.name(), u"Macro_001");
    EXPECT_EQ(r.deviceEvents()[0], 0x01);
    EXPECT_EQ(r.deviceEvents()[2], 0x80 | 90);
    EXPECT_EQ(r.displayEvents()[3], kA);

    // Recording again starts from an empty list; the record follows at once.
    ASSERT_TRUE(manager.toggleRecording());
    EXPECT_EQ(manager.working()[0].deviceEvents()[1], 0);
}

TEST_F(ManagerTest, SelectingAnotherMacroStopsTheRecording) {
    manager.open(tableWith({u"a", u"b"}));
    ASSERT_TRUE(manager.toggleRecording());
    manager.select(1);
    EXPECT_FALSE(manager.listening());
    manager.keyEvent(kA, false);
    EXPECT_EQ(manager.working()[1].deviceEvents()[1], 0);
}

TEST_F(ManagerTest, RenamesReachTheTableWithTheTimerAndLongNamesAreRefused) {
    manager.open(tableWith({u"a", u"b"}));
    ASSERT_TRUE(manager.rename(1, u"Fire").ok());
    EXPECT_EQ(manager.names()[1], u"Fire");
    EXPECT_EQ(manager.working()[1].name(), u"b") << "not before the timer";
    manager.syncNames();
    EXPECT_EQ(manager.working()[1].name(), u"Fire");

    const MacroRecord before = manager.working()[0];
    EXPECT_FALSE(manager.rename(0, std::u16string(255, u'x')).ok());
    EXPECT_FALSE(manager.rename(0, u"").ok());
    EXPECT_TRUE(manager.rename(0, std::u16string(254, u'y')).ok());
    manager.syncNames();
    EXPECT_EQ(manager.working()[0].name(), std::u16string(254, u'y'));
    EXPECT_EQ(manager.working()[0].loopCount(), before.loopCount()) << "nothing spills over";
    EXPECT_EQ(manager.working()[0].bytes()[macro::kLoopCount - 2], 0) << "the terminator stays";
}

TEST_F(ManagerTest, ConfirmStoresAPendingRenameAndTheLoopCount) {
    manager.open(tableWith({u"a"}));
    manager.toggleLoop();
    manager.setLoopText("12");
    ASSERT_TRUE(manager.rename(0, u"Now").ok());
    const MacroTable& kept = manager.confirm();
    EXPECT_EQ(kept[0].name(), u"Now");
    EXPECT_EQ(kept[0].loopCount(), 12);
}

TEST_F(ManagerTest, EditsReachTheWorkingRecord) {
    manager.open(MacroTable{});
    ASSERT_TRUE(manager.newMacro());
    ASSERT_TRUE(manager.toggleRecording());
    manager.keyEvent(kA, false);
    manager.keyEvent(kA, true);
    manager.events().select(0);
    EXPECT_EQ(manager.insertMouse(MouseButton::Right, MouseAction::Down), MacroEdit::Done);
    const auto& dev = manager.working()[0].deviceEvents();
    EXPECT_EQ(std::vector<std::uint8_t>(dev.begin(), dev.begin() + 6),
              (std::vector<std::uint8_t>{0x01, 0x04, 0x01, 0xF1, 0x81, 0x04}));
    EXPECT_TRUE(manager.listening()) << "an edit does not end a live recording";
}

TEST(MacroPlaces, DeletionsComposeInOrder) {
    const MacroDeletion ds[] = {{0, 4}, {1, 3}};
    const auto places = placesAfterDeletions(4, ds);
    ASSERT_EQ(places.size(), 4u);
    EXPECT_FALSE(places[0]);
    EXPECT_EQ(places[1], 0u);
    EXPECT_FALSE(places[2]) << "it was at place 1 when place 1 went";
    EXPECT_EQ(places[3], 1u);
}

} // namespace
} // namespace vantrel
