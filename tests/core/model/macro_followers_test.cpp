// SPDX-License-Identifier: MIT
#include "core/macro/macro_list.h"
#include "core/model/assignment_commit.h"
#include "core/model/key_positions.h"
#include "core/model/macro_followers.h"
#include "core/model/state_files.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Keys A, B, C and D of the keyboard picture.
constexpr std::size_t kPosA = 63, kPosB = 83, kPosC = 81, kPosD = 65;

class MacroFollowers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(KeyPositionVk(kPosB), 0x42);
        ASSERT_EQ(KeyPositionVk(kPosC), 0x43);
        ASSERT_EQ(KeyPositionVk(kPosD), 0x44);
        model.assignments().writeOwnKeys();
        model.image().enableAllKeys();
        for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
            const auto c = KeyPositionMatrixCode(i);
            auto e = model.image().keyTableEntry(c);
            std::copy_n(DefaultKeyTable().begin() + c, 4, e.begin());
        }
        const std::vector<MacroEvent> ev = {{false, 0x04, 0x41, 1}, {true, 0x04, 0x41, 1}};
        for (auto name : {u"m0", u"m1", u"m2", u"m3"}) {
            ASSERT_TRUE(
                addMacro(model.macros(), name, 1, false, *MacroStreams::fromEvents(ev)).ok());
        }
        bind(kPosA, 0);
        bind(kPosB, 1);
        bind(kPosC, 2);
        bind(kPosD, 3);
    }
    void bind(std::size_t key, int macro) {
        PendingAssignment p;
        p.CurrentKeyIndex = static_cast<std::uint8_t>(key);
        p.PendingKind = static_cast<std::uint8_t>(AssignmentKind::Macro);
        p.PendingMacro = macro;
        ASSERT_TRUE(assignKey(model, p, folder.keymap()).ok());
    }
    Bytes entry(std::size_t key) const {
        const auto e = model.image().keyTableEntry(KeyPositionMatrixCode(key));
        return Bytes(e.begin(), e.end());
    }
    Bytes factory(std::size_t key) const {
        const auto c = KeyPositionMatrixCode(key);
        return Bytes(DefaultKeyTable().begin() + c, DefaultKeyTable().begin() + c + 4);
    }
    static Bytes fileBytes(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    testing::TempDir dir;
    DataFolder folder{dir.path()};
    ConfiguratorModel model;
};

TEST_F(MacroFollowers, OneDeletionRepointsLaterKeysAndFreesItsOwn) {
    ASSERT_TRUE(deleteMacro(model.macros(), 1).ok());
    auto changes = followDeletedMacro(model, 1, 4, folder.keymap());
    ASSERT_TRUE(changes.ok());
    ASSERT_EQ(changes->size(), 3u);
    EXPECT_EQ(entry(kPosA), (Bytes{4, 1, 0, 0})) << "an earlier macro keeps its slot";
    EXPECT_EQ(entry(kPosB), factory(kPosB)) << "its own function back";
    EXPECT_EQ(entry(kPosC), (Bytes{4, 1, 1, 0}));
    EXPECT_EQ(entry(kPosD), (Bytes{4, 1, 2, 0}));
    EXPECT_EQ(model.assignments()[kPosD].data()[2], 2);
    for (const MacroKeyChange& c : *changes) {
        if (c.position == kPosB) {
            EXPECT_FALSE(c.newSlot);
        } else {
            EXPECT_EQ(c.newSlot, c.oldSlot - 1);
        }
    }
    // keymap.bin has the keys as they are now.
    ConfigImage image;
    AssignmentTable table;
    ASSERT_TRUE(LoadProfileFile(folder.keymap(), image, table).ok());
    EXPECT_EQ(image.keyTableEntry(KeyPositionMatrixCode(kPosD))[2], 2);
}

TEST_F(MacroFollowers, TheManagersDeletionsAreKeptTogetherOnOk) {
    // In the manager: m0 deleted, then m2 (at place 1 by then).
    MacroTable kept = model.macros();
    ASSERT_TRUE(deleteMacro(kept, 0).ok());
    ASSERT_TRUE(deleteMacro(kept, 1).ok());
    const MacroDeletion ds[] = {{0, 4}, {1, 3}};
    auto changes = keepMacroTable(model, folder, &kept, ds);
    ASSERT_TRUE(changes.ok()) << changes.error().message;
    EXPECT_EQ(changes->size(), 4u);
    EXPECT_EQ(entry(kPosA), factory(kPosA));
    EXPECT_EQ(entry(kPosB), (Bytes{4, 1, 0, 0}));
    EXPECT_EQ(entry(kPosC), factory(kPosC));
    EXPECT_EQ(entry(kPosD), (Bytes{4, 1, 1, 0}));
    EXPECT_EQ(model.macros(), kept);
    EXPECT_EQ(fileBytes(folder.macros()), Bytes(kept.bytes().begin(), kept.bytes().end()));
    EXPECT_EQ(fileBytes(folder.keymap()).size(), kKeymapFileSize);
}

TEST_F(MacroFollowers, TheCloseBoxSavesTheUnchangedTable) {
    const MacroTable before = model.macros();
    model.image().macroSlot(3)[0] = 0x55; // the slot fill rewrites used slots only
    model.image().macroSlot(9)[0] = 0x66;
    auto changes = keepMacroTable(model, folder, nullptr, {});
    ASSERT_TRUE(changes.ok());
    EXPECT_TRUE(changes->empty());
    EXPECT_EQ(model.macros(), before);
    EXPECT_EQ(model.image().macroSlot(3)[0], 0);
    EXPECT_EQ(model.image().macroSlot(9)[0], 0x66);
    EXPECT_EQ(fileBytes(folder.macros()).size(), kMacroFileSize);
}

TEST_F(MacroFollowers, AFolderThatCannotBeWrittenIsReported) {
    const DataFolder missing(dir.path() / "no" / "such" / "folder");
    auto changes = keepMacroTable(model, missing, nullptr, {});
    EXPECT_FALSE(changes.ok());
}

} // namespace
} // namespace vantrel
