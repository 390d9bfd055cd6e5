// SPDX-License-Identifier: MIT
#include "core/macro/macro_list.h"
#include "core/model/assignment_commit.h"
#include "core/model/key_positions.h"
#include "core/model/state_files.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kPosA = 63;
constexpr std::uint8_t kPosF1 = 1;
constexpr std::uint8_t kPosBright = 17;

class AssignmentCommit : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(KeyPositionVk(kPosA), 0x41);
        ASSERT_EQ(KeyPositionVk(kPosF1), 0x70);
        model.assignments().writeOwnKeys();
        model.image().enableAllKeys();
        // The factory key table, as a read-back would leave it.
        for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
            const auto c = KeyPositionMatrixCode(i);
            auto e = model.image().keyTableEntry(c);
            std::copy_n(DefaultKeyTable().begin() + c, 4, e.begin());
        }
    }

    PendingAssignment pending(std::uint8_t key, AssignmentKind kind) {
        PendingAssignment p;
        p.CurrentKeyIndex = key;
        p.PendingKind = static_cast<std::uint8_t>(kind);
        return p;
    }
    Bytes entry(std::size_t key) const {
        const auto e = model.image().keyTableEntry(KeyPositionMatrixCode(key));
        return Bytes(e.begin(), e.end());
    }
    Bytes data(std::size_t key, std::size_t n = 4) const {
        const auto d = model.assignments()[key].data();
        return Bytes(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(n));
    }
    bool enabled(std::size_t key) const {
        return model.image().keyEnabled(KeyPositionEnableBit(key));
    }
    Status assign(const PendingAssignment& p) { return assignKey(model, p, keymap()); }
    std::filesystem::path keymap() const { return dir / "keymap.bin"; }

    testing::TempDir dir;
    ConfiguratorModel model;
};

TEST_F(AssignmentCommit, KeyToItselfIsItsDefault) {
    auto p = pending(kPosA, AssignmentKind::SingleKey);
    p.PendingKeys[0] = 0x41;
    p.PendingKeyCount = 1;
    model.marks().set(kPosA, true);
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{0, 0, 0x04, 0}));
    EXPECT_EQ(model.assignments()[kPosA].kind(), 0);
    EXPECT_EQ(model.assignments()[kPosA].keyCount(), 0);
    EXPECT_EQ(data(kPosA, 255), Bytes(255, 0));
    EXPECT_FALSE(model.marks().marked(kPosA));
    EXPECT_EQ(std::filesystem::file_size(keymap()), 206948u);
}

TEST_F(AssignmentCommit, SpecialKeysBecomeConsumerEntries) {
    auto p = pending(kPosA, AssignmentKind::SingleKey);
    p.PendingKeyCount = 1;
    p.PendingKeys[0] = 0xB5; // usage 0x83
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{3, 0, 0x83, 1}));
    EXPECT_EQ(data(kPosA, 2), (Bytes{0xB5, 0}));
    EXPECT_EQ(model.assignments()[kPosA].keyCount(), 1);
    EXPECT_TRUE(model.marks().marked(kPosA));

    p.PendingKeys[0] = 0xAF; // usage 0xE9
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{3, 0, 0xE9, 0}));
    p.PendingKeys[0] = 0x42;
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{0, 0, 0x05, 0}));
}

TEST_F(AssignmentCommit, Combinations) {
    auto p = pending(kPosA, AssignmentKind::Combination);
    p.PendingKeys[0] = 0xA2;
    p.PendingKeys[1] = 0x43;
    p.PendingKeyCount = 2;
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{0, 0xE0, 0x06, 0}));
    EXPECT_EQ(data(kPosA, 4), (Bytes{0xA2, 0x43, 0, 0}));
    EXPECT_EQ(model.assignments()[kPosA].kind(), 1);
    EXPECT_EQ(model.assignments()[kPosA].keyCount(), 2);
    EXPECT_TRUE(model.marks().marked(kPosA));

    p.PendingKeys = {};
    p.PendingKeys[0] = 0x42;
    p.PendingKeyCount = 1;
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{0, 0x05, 0, 0}));
    EXPECT_FALSE(model.marks().marked(kPosA));

    p.PendingKeyCount = 4;
    EXPECT_EQ(assign(p).error().code, ErrorCode::InvalidArgument);
}

TEST_F(AssignmentCommit, MacroFillsTheSlots) {
    const std::vector<MacroEvent> ev = {{false, 0x04, 0x41, 1}, {true, 0x04, 0x41, 1}};
    for (auto name : {u"a", u"b", u"c"}) {
        ASSERT_TRUE(addMacro(model.macros(), name, 2, false, *MacroStreams::fromEvents(ev)).ok());
    }
    auto p = pending(kPosA, AssignmentKind::Macro);
    p.PendingMacro = 2;
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{4, 1, 2, 0}));
    EXPECT_EQ(data(kPosA), (Bytes{4, 1, 2, 0}));
    EXPECT_TRUE(model.marks().marked(kPosA));
    EXPECT_EQ(model.image().macroSlot(2)[1], 2);
    EXPECT_EQ(model.image().macroSlot(2)[3], 0x04);

    const auto before = model.image();
    p.PendingMacro = 3;
    EXPECT_FALSE(assign(p).ok());
    p.PendingMacro = -1;
    EXPECT_FALSE(assign(p).ok());
    EXPECT_EQ(model.image(), before);
}

TEST_F(AssignmentCommit, BasicFunctionsInBothLanguages) {
    auto p = pending(kPosA, AssignmentKind::BasicFunction);
    p.language = UiLanguage::chineseInterface();
    p.PendingFunctionName = "静音";
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{3, 0, 0xE2, 0}));
    EXPECT_EQ(data(kPosA), (Bytes{3, 0, 0xE2, 0}));
    EXPECT_EQ(model.assignments()[kPosA].kind(), 3);

    p.PendingFunctionName = "最大化";
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{0, 0xE2, 0x2C, 0x1B}));

    p.language = UiLanguage{};
    p.PendingFunctionName = "Без звука";
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{3, 0, 0xE2, 0}));
    p.PendingFunctionName = "Развернуть";
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(data(kPosA), (Bytes{0, 0xE2, 0x2C, 0x1B}));

    // A name in another language still names its function (a choice made
    // before the language was switched).
    p.PendingFunctionName = "静音";
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{3, 0, 0xE2, 0}));
    p.PendingFunctionName = "Maximize";
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(data(kPosA), (Bytes{0, 0xE2, 0x2C, 0x1B}));

    // A group header or nothing at all is not a function: refused, and
    // nothing changes.
    const auto image = model.image();
    const auto table = model.assignments();
    for (const char* name : {"Multimedia", "мультимедиа", "Закрыть", "mute", ""}) {
        p.PendingFunctionName = name;
        EXPECT_EQ(assign(p).error().code, ErrorCode::InvalidArgument) << name;
    }
    EXPECT_EQ(model.image(), image);
    EXPECT_EQ(model.assignments(), table);
}

TEST_F(AssignmentCommit, LaunchOnF1) {
    auto p = pending(kPosF1, AssignmentKind::LaunchProgram);
    p.PendingPath = u"/usr/bin/xterm";
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosF1), (Bytes{10, 0, 0x70, 0}));
    EXPECT_EQ(data(kPosF1), (Bytes{3, 0, 0x23, 2}));
    EXPECT_EQ(model.assignments()[kPosF1].kind(), 5);
    EXPECT_EQ(model.assignments()[kPosF1].ownKey(), 0x70);
    EXPECT_EQ(model.assignments()[kPosF1].path(), u"/usr/bin/xterm");
    EXPECT_TRUE(model.marks().marked(kPosF1));

    p.PendingPath = std::u16string(255, u'p');
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(model.assignments()[kPosF1].path().size(), 255u);
}

TEST_F(AssignmentCommit, OverlongPathChangesNothing) {
    auto p = pending(kPosF1, AssignmentKind::OpenFolder);
    p.PendingPath = std::u16string(256, u'p');
    const auto image = model.image();
    const auto table = model.assignments();
    model.marks().set(kPosF1, true);
    const Status s = assign(p);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().code, ErrorCode::InvalidArgument);
    EXPECT_NE(s.error().message.find("255"), std::string::npos);
    EXPECT_EQ(model.image(), image);
    EXPECT_EQ(model.assignments(), table);
    EXPECT_TRUE(model.marks().marked(kPosF1));
    EXPECT_FALSE(std::filesystem::exists(keymap()));
}

TEST_F(AssignmentCommit, NoneWithTheDisableBox) {
    auto p = pending(kPosA, AssignmentKind::None);
    p.PendingKeyEnabled = 0;
    ASSERT_TRUE(assign(p).ok());
    EXPECT_EQ(entry(kPosA), (Bytes{0, 0, 0x04, 0}));
    EXPECT_FALSE(enabled(kPosA));
    EXPECT_TRUE(model.marks().marked(kPosA));
    EXPECT_EQ(model.assignments()[kPosA].kind(), 0);
}

TEST_F(AssignmentCommit, DefaultButtonEnablesAndRestoresTheFactoryEntry) {
    auto p = pending(kPosA, AssignmentKind::None);
    p.PendingKeyEnabled = 0;
    ASSERT_TRUE(assign(p).ok());
    p.PendingKeyCount = kRestoreDefaultKeyCount;
    ASSERT_TRUE(assign(p).ok());
    EXPECT_TRUE(enabled(kPosA));
    EXPECT_FALSE(model.marks().marked(kPosA));

    // The Fn key and the media keys get their own entries back, not a plain
    // keyboard usage.
    auto fn = pending(kFnKeyPosition, AssignmentKind::SingleKey);
    fn.PendingKeys[0] = 0x42;
    fn.PendingKeyCount = 1;
    ASSERT_TRUE(assign(fn).ok());
    fn.PendingKeyCount = kRestoreDefaultKeyCount;
    ASSERT_TRUE(assign(fn).ok());
    EXPECT_EQ(entry(kFnKeyPosition), (Bytes{2, 0, 0, 0}));
    auto bright = pending(kPosBright, AssignmentKind::None);
    ASSERT_TRUE(assign(bright).ok());
    EXPECT_EQ(entry(kPosBright), (Bytes{3, 0, 0xB6, 0}));
    model.recomputeMarks();
    EXPECT_FALSE(model.marks().marked(kPosBright));
}

TEST_F(AssignmentCommit, CommitAloneAndTheFile) {
    auto p = pending(kPosA, AssignmentKind::SingleKey);
    p.PendingKeys[0] = 0x42;
    p.PendingKeyCount = 1;
    ASSERT_TRUE(CommitAssignment(model, p, keymap()).ok());
    ConfigImage image;
    AssignmentTable table;
    ASSERT_TRUE(LoadProfileFile(keymap(), image, table).ok());
    EXPECT_EQ(image, model.image());
    EXPECT_EQ(table, model.assignments());
    EXPECT_EQ(std::filesystem::file_size(keymap()), 206948u);

    p.CurrentKeyIndex = 108;
    EXPECT_FALSE(CommitAssignment(model, p, keymap()).ok());
    p.CurrentKeyIndex = kPosA;
    p.PendingKeys[0] = 0xF0; // a mouse button is no key
    EXPECT_FALSE(CommitAssignment(model, p, keymap()).ok());
    p.PendingKeys[0] = 0x07; // no usage
    EXPECT_FALSE(CommitAssignment(model, p, keymap()).ok());
    p.PendingKind = 9;
    EXPECT_FALSE(CommitAssignment(model, p, keymap()).ok());
}

} // namespace
} // namespace vantrel
