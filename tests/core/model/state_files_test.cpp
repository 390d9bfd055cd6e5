// SPDX-License-Identifier: MIT
#include "core/model/key_positions.h"
#include "core/model/state_files.h"
#include "support/temp_dir.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::vector<std::uint8_t> readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

TEST(StateFiles, SizesOfTheFiles) {
    EXPECT_EQ(kKeymapFileSize, 206948u);
    EXPECT_EQ(kMacroFileSize, 169860u);
    EXPECT_EQ(sizeof(AssignmentRecord), 772u);
    EXPECT_EQ(sizeof(MacroRecord), 894u);
}

TEST(StateFiles, MissingKeymapIsCreatedWithAZeroTable) {
    TempDir dir;
    ConfigImage img;
    img.setLightEffect(5);
    AssignmentTable table;
    table[3].setKind(2);
    auto r = LoadKeymapFile(dir / "keymap.bin", img, table, false);
    ASSERT_TRUE(r.ok()) << r.error().message;
    EXPECT_EQ(r->outcome, LoadOutcome::Created);
    const auto bytes = readAll(dir / "keymap.bin");
    ASSERT_EQ(bytes.size(), 206948u);
    EXPECT_EQ(bytes[image::kLightEffect], 5);
    for (std::size_t i = image::kSize; i < bytes.size(); ++i) {
        ASSERT_EQ(bytes[i], 0) << i;
    }
    // In memory the records carry their own key codes again.
    EXPECT_EQ(table[0].ownKey(), 0x1B);
    EXPECT_EQ(table[3].kind(), 0);
}

TEST(StateFiles, KeymapRoundTripAndOwnKeysRewritten) {
    TempDir dir;
    ConfigImage img;
    AssignmentTable table;
    img.setReportRate(2);
    img.macroSlot(4)[10] = 0x55;
    table[5].setKind(AssignmentKind::Macro);
    table[5].data()[2] = 1;
    ASSERT_TRUE(table[7].setPath(u"/home/me/music.mp3").ok());
    table[0].setOwnKey(0x99); // stale: rewritten on load
    ASSERT_TRUE(SaveKeymapFile(dir / "keymap.bin", img, table).ok());
    EXPECT_EQ(fs::file_size(dir / "keymap.bin"), 206948u);

    ConfigImage img2;
    AssignmentTable table2;
    auto r = LoadKeymapFile(dir / "keymap.bin", img2, table2, false);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->outcome, LoadOutcome::Loaded);
    EXPECT_EQ(img2, img);
    table.writeOwnKeys();
    table[0].setOwnKey(0x99);
    EXPECT_EQ(table2[5], table[5]);
    EXPECT_EQ(table2[7].path(), u"/home/me/music.mp3");
    EXPECT_EQ(table2[0].ownKey(), KeyPositionVk(0));
    EXPECT_EQ(table2[107].ownKey(), KeyPositionVk(107));
    EXPECT_EQ(table2[108].ownKey(), 0); // beyond the picture's keys
}

TEST(StateFiles, SkipImageLeavesTheImageUntouched) {
    TempDir dir;
    ConfigImage saved;
    saved.setLightEffect(9);
    AssignmentTable table;
    table[10].setKind(3);
    ASSERT_TRUE(SaveKeymapFile(dir / "keymap.bin", saved, table).ok());

    ConfigImage current;
    current.setLightEffect(2);
    AssignmentTable edited;
    edited[10].setKind(5);
    ASSERT_TRUE(LoadKeymapFile(dir / "keymap.bin", current, edited, true).ok());
    EXPECT_EQ(current.lightEffect(), 2);
    EXPECT_EQ(edited[10].kind(), 3);
}

TEST(StateFiles, WrongSizeKeymapIsMovedAsideNotHalfLoaded) {
    TempDir dir;
    const std::vector<std::uint8_t> shortFile(1000, 0xAB);
    writeBytes(dir / "keymap.bin", shortFile);
    ConfigImage img;
    img.setLightEffect(4);
    AssignmentTable table;
    table[1].setKind(2);
    auto r = LoadKeymapFile(dir / "keymap.bin", img, table, false);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->outcome, LoadOutcome::MovedAside);
    EXPECT_NE(r->message.find("keymap.bin.bad"), std::string::npos);
    EXPECT_EQ(readAll(dir / "keymap.bin.bad"), shortFile);
    EXPECT_EQ(fs::file_size(dir / "keymap.bin"), 206948u);
    EXPECT_EQ(img.lightEffect(), 4); // not overwritten by 0xAB
    EXPECT_EQ(table[1].kind(), 0);   // defaults
    EXPECT_EQ(table[1].ownKey(), KeyPositionVk(1));
}

TEST(StateFiles, ProfileOfWrongSizeIsRefused) {
    TempDir dir;
    writeBytes(dir / "p.bin", std::vector<std::uint8_t>(10088, 0x11));
    ConfigImage img;
    AssignmentTable table;
    const auto s = LoadProfileFile(dir / "p.bin", img, table);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().code, ErrorCode::BadFile);
    EXPECT_EQ(img, ConfigImage{});
}

TEST(StateFiles, MacroFileCreatedLoadedAndMovedAside) {
    TempDir dir;
    MacroTable t;
    auto r = LoadMacroFile(dir / "MacroDefine.bin", t);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->outcome, LoadOutcome::Created);
    EXPECT_EQ(fs::file_size(dir / "MacroDefine.bin"), 169860u);

    ASSERT_TRUE(t[0].setName(u"Macro_001").ok());
    t[0].setLoopCount(300);
    ASSERT_TRUE(SaveMacroFile(dir / "MacroDefine.bin", t).ok());
    MacroTable u;
    ASSERT_TRUE(LoadMacroFile(dir / "MacroDefine.bin", u).ok());
    EXPECT_EQ(u, t);
    EXPECT_EQ(u[0].name(), u"Macro_001");
    EXPECT_EQ(u.bytes()[510], 0x2C); // little-endian in the record
    EXPECT_EQ(u.bytes()[511], 0x01);

    writeBytes(dir / "MacroDefine.bin", std::vector<std::uint8_t>(169861, 1));
    MacroTable v;
    auto bad = LoadMacroFile(dir / "MacroDefine.bin", v);
    ASSERT_TRUE(bad.ok());
    EXPECT_EQ(bad->outcome, LoadOutcome::MovedAside);
    EXPECT_EQ(v, MacroTable{});
    EXPECT_EQ(fs::file_size(dir / "MacroDefine.bin.bad"), 169861u);
}

TEST(StateFiles, VersionFile) {
    TempDir dir;
    EXPECT_EQ(*LoadVersionFile(dir / "VER.bin"), (FirmwareVersion{0, 0}));
    writeBytes(dir / "VER.bin", {'V', 'E', 'R', ':', ' ', '2', '.', '5', 0, 0, 0, 0});
    EXPECT_EQ(*LoadVersionFile(dir / "VER.bin"), (FirmwareVersion{2, 5}));
    writeBytes(dir / "VER.bin", {'V', 'E', 'R', ':', ' ', '2', '.'});
    EXPECT_EQ(*LoadVersionFile(dir / "VER.bin"), (FirmwareVersion{0, 0}));
    writeBytes(dir / "VER.bin", {'V', 'E', 'R', ':', ' ', '2', '.', 'x', 0, 0, 0, 0});
    EXPECT_EQ(*LoadVersionFile(dir / "VER.bin"), (FirmwareVersion{0, 0}));
}

#ifndef _WIN32
// A write that fails half-way (here: the file-size limit of the process,
// which stops even root) leaves the old file whole and no temporary behind.
TEST(StateFiles, FailedWriteLeavesTheOldFileWhole) {
    TempDir dir;
    ConfigImage img;
    img.setLightEffect(1);
    AssignmentTable table;
    ASSERT_TRUE(SaveKeymapFile(dir / "keymap.bin", img, table).ok());
    const auto before = readAll(dir / "keymap.bin");

    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    img.setLightEffect(2);
    const auto s = SaveKeymapFile(dir / "keymap.bin", img, table);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().code, ErrorCode::Io);
    EXPECT_EQ(readAll(dir / "keymap.bin"), before);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1u);
}
#endif

TEST(StateFiles, UnwritableFolderIsReported) {
    ConfigImage img;
    AssignmentTable table;
    const auto s = SaveKeymapFile("/nonexistent-folder/keymap.bin", img, table);
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().message.find("keymap.bin"), std::string::npos);
}

TEST(Records, LongPathsAndNamesAreRefusedNotCut) {
    AssignmentRecord r;
    r.data()[254] = 0x77;
    EXPECT_TRUE(r.setPath(std::u16string(255, u'a')).ok());
    EXPECT_EQ(r.path().size(), 255u);
    const auto s = r.setPath(std::u16string(256, u'b'));
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.error().code, ErrorCode::InvalidArgument);
    EXPECT_EQ(r.path(), std::u16string(255, u'a'));
    EXPECT_EQ(r.data()[254], 0x77);

    MacroRecord m;
    m.setLoopCount(5);
    EXPECT_TRUE(m.setName(std::u16string(254, u'n')).ok());
    EXPECT_FALSE(m.setName(std::u16string(255, u'n')).ok());
    EXPECT_EQ(m.loopCount(), 5);
    EXPECT_EQ(m.name().size(), 254u);
}

} // namespace
} // namespace vantrel
