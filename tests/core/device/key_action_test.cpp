// SPDX-License-Identifier: MIT
#include "core/device/key_action.h"
#include "core/device/model_updates.h"
#include "core/util/utf.h"

#include <gtest/gtest.h>

using namespace vantrel;

TEST(KeyAction, TheLowestMatchingAdvancedRecordWins) {
    AssignmentTable table;
    table.writeOwnKeys();
    table[40].setOwnKey(0x70);
    table[40].setKind(AssignmentKind::OpenFile);
    ASSERT_TRUE(table[40].setPath(u"/home/u/b.txt"));
    table[12].setOwnKey(0x70);
    table[12].setKind(AssignmentKind::LaunchProgram);
    ASSERT_TRUE(table[12].setPath(u"/usr/bin/a"));
    table[3].setOwnKey(0x70);
    table[3].setKind(AssignmentKind::Macro); // not a launch action
    EXPECT_EQ(findKeyActionRecord(table, 0x70), 12u);
    EXPECT_FALSE(findKeyActionRecord(table, 0x71).has_value());

    const LaunchTarget t = launchTargetOf(table[12], '/');
    EXPECT_EQ(t.folder, "/usr/bin");
    EXPECT_EQ(t.fileName, "a");
    EXPECT_EQ(t.kind, AssignmentKind::LaunchProgram);
}

TEST(KeyAction, PathsSplitAtTheLastSeparator) {
    auto w = splitLaunchPath("C:\\Music\\a b\\song.mp3", '\\');
    EXPECT_EQ(w.folder, "C:\\Music\\a b");
    EXPECT_EQ(w.fileName, "song.mp3");
    auto none = splitLaunchPath("notes.txt", '/');
    EXPECT_EQ(none.folder, "notes.txt");
    EXPECT_EQ(none.fileName, "");
    EXPECT_EQ(utf16ToUtf8(u"/m\u00fcsik/\u266B\U0001F3B5"),
              "/m\xC3\xBCsik/\xE2\x99\xAB\xF0\x9F\x8E\xB5");
    EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(ModelUpdates, MergeTakesDeviceFieldsAndKeepsReservedAreas) {
    ConfigImage file;
    ConfigImage device;
    for (std::size_t i = 0; i < image::kSize; ++i) {
        file.setByteAt(i, 0x11);
        device.setByteAt(i, 0x22);
    }
    mergeDeviceFields(file, device);
    for (std::size_t i = 0; i < image::kSize; ++i) {
        const bool reserved =
            i < image::kReportRate || (i >= image::kReserved1 && i < image::kKeyTable) ||
            i == image::kReserved2 || (i >= image::kEnableMapReserved && i < image::kWinLock);
        EXPECT_EQ(file.byteAt(i), reserved ? 0x11 : 0x22) << i;
    }
}
