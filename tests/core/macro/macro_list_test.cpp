// SPDX-License-Identifier: MIT
#include "core/macro/macro_list.h"
#include "core/model/state_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

MacroStreams clickA() {
    const std::vector<MacroEvent> ev = {{false, 0x04, 0x41, 1}, {true, 0x04, 0x41, 1}};
    return *MacroStreams::fromEvents(ev);
}

void addNamed(MacroTable& t, const std::u16string& name, std::uint16_t loops = 1) {
    ASSERT_TRUE(addMacro(t, name, loops, false, clickA()).ok());
}

TEST(MacroSlots, FillWritesLoopCountHighByteFirstAndTheDeviceStream) {
    MacroTable t;
    addNamed(t, u"one", 300);
    ConfigImage image;
    EXPECT_EQ(fillMacroSlots(t, image), 1u);
    const auto slot = image.macroSlot(0);
    EXPECT_EQ(slot[0], 0x01);
    EXPECT_EQ(slot[1], 0x2C);
    EXPECT_EQ(slot[2], 0x01);
    EXPECT_EQ(slot[3], 0x04);
    EXPECT_EQ(slot[4], 0x81);
    EXPECT_EQ(slot[5], 0x04);

    // A stored 0 is shown as 1, and the keyboard gets what is shown.
    t[0].setLoopCount(0);
    fillMacroSlots(t, image);
    EXPECT_EQ(image.macroSlot(0)[1], 0x01);
}

TEST(MacroSlots, DeletedMacroLeavesItsOldSlot) {
    MacroTable t;
    addNamed(t, u"one");
    addNamed(t, u"two");
    addNamed(t, u"three", 7);
    ConfigImage image;
    fillMacroSlots(t, image);
    const auto old =
        std::vector<std::uint8_t>(image.macroSlot(2).begin(), image.macroSlot(2).end());
    ASSERT_TRUE(deleteMacro(t, 2).ok());
    image.macroSlot(1)[1] = 0xAA;
    EXPECT_EQ(fillMacroSlots(t, image), 2u);
    EXPECT_EQ(image.macroSlot(1)[1], 0x01);
    EXPECT_EQ(std::vector<std::uint8_t>(image.macroSlot(2).begin(), image.macroSlot(2).end()), old);
}

TEST(MacroSlots, NeverMoreThan32) {
    MacroTable t;
    for (std::size_t i = 0; i < 40; ++i) {
        const std::string n = "m" + std::to_string(i);
        ASSERT_TRUE(t[i].setName(std::u16string(n.begin(), n.end())).ok());
        t[i].setLoopCount(1);
    }
    ConfigImage image;
    EXPECT_EQ(fillMacroSlots(t, image), 32u);
}

TEST(MacroList, NewNamesAndLimits) {
    MacroTable t;
    for (int i = 0; i < 3; ++i) {
        addNamed(t, nextMacroName(t));
    }
    EXPECT_EQ(t[2].name(), u"Macro_003");
    ASSERT_TRUE(deleteMacro(t, 1).ok());
    EXPECT_EQ(t[1].name(), u"Macro_003");
    EXPECT_FALSE(t[2].used());
    EXPECT_EQ(nextMacroName(t), u"Macro_002");

    const auto before = t;
    EXPECT_FALSE(addMacro(t, u"", 1, false, clickA()).ok());
    EXPECT_FALSE(addMacro(t, u"Macro_001", 1, false, clickA()).ok());
    EXPECT_FALSE(addMacro(t, u"x", 0, false, clickA()).ok());
    EXPECT_FALSE(addMacro(t, u"x", 1000, false, clickA()).ok());
    EXPECT_FALSE(addMacro(t, std::u16string(255, u'n'), 1, false, clickA()).ok());
    EXPECT_FALSE(deleteMacro(t, 2).ok());
    EXPECT_EQ(t, before);
    EXPECT_TRUE(addMacro(t, std::u16string(254, u'n'), 1, false, clickA()).ok());
    EXPECT_EQ(t[2].loopCount(), 1);

    while (usedMacroCount(t) < 32) {
        addNamed(t, nextMacroName(t));
    }
    EXPECT_EQ(t[31].name(), u"Macro_031"); // one place holds the long name
    EXPECT_FALSE(addMacro(t, u"33rd", 1, false, clickA()).ok());
}

TEST(MacroList, GapsAreClosedOnLoad) {
    testing::TempDir dir;
    MacroTable t;
    ASSERT_TRUE(t[1].setName(u"first").ok());
    ASSERT_TRUE(t[4].setName(u"second").ok());
    t[4].setLoopCount(5);
    ASSERT_TRUE(SaveMacroFile(dir / "MacroDefine.bin", t).ok());

    MacroTable loaded;
    auto report = LoadMacroFile(dir / "MacroDefine.bin", loaded);
    ASSERT_TRUE(report.ok());
    EXPECT_TRUE(report->repaired);
    EXPECT_NE(report->message.find("moved together"), std::string::npos);
    EXPECT_EQ(loaded[0].name(), u"first");
    EXPECT_EQ(loaded[1].name(), u"second");
    EXPECT_EQ(loaded[1].loopCount(), 5);
    EXPECT_FALSE(loaded[4].used());
    EXPECT_EQ(usedMacroCount(loaded), 2u);

    MacroTable empty;
    ASSERT_TRUE(SaveMacroFile(dir / "MacroDefine.bin", empty).ok());
    report = LoadMacroFile(dir / "MacroDefine.bin", loaded);
    ASSERT_TRUE(report.ok());
    EXPECT_FALSE(report->repaired);
    EXPECT_EQ(usedMacroCount(loaded), 0u);
}

TEST(MacroList, MoreThan32MacrosAreKeptAndReported) {
    testing::TempDir dir;
    MacroTable t;
    for (std::size_t i = 0; i < 34; ++i) {
        ASSERT_TRUE(t[i].setName(u"m").ok());
    }
    ASSERT_TRUE(SaveMacroFile(dir / "MacroDefine.bin", t).ok());
    MacroTable loaded;
    auto report = LoadMacroFile(dir / "MacroDefine.bin", loaded);
    ASSERT_TRUE(report.ok());
    EXPECT_TRUE(report->repaired);
    EXPECT_NE(report->message.find("34 macros"), std::string::npos);
    EXPECT_EQ(usedMacroCount(loaded), 34u);
}

} // namespace
} // namespace vantrel
