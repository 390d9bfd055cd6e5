// SPDX-License-Identifier: MIT
#include "core/model/profile_store.h"
#include "core/model/state_files.h"
#include "core/util/path_text.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class ProfileStoreTest : public ::testing::Test {
protected:
    ProfileStoreTest() : store(dir / "Configure") {
        image.setLightBrightness(17);
        table[5].bytes()[1] = 3;
    }

    std::set<std::string> folderFiles() const {
        std::set<std::string> names;
        if (fs::exists(store.folder())) {
            for (const auto& e : fs::directory_iterator(store.folder())) {
                names.insert(e.path().filename().string());
            }
        }
        return names;
    }
    static std::uintmax_t sizeOf(const fs::path& p) { return fs::file_size(p); }
    void writeBytes(const fs::path& p, std::size_t n, char fill = 0) {
        std::ofstream f(p, std::ios::binary);
        f << std::string(n, fill);
    }

    vantrel::testing::TempDir dir;
    ProfileStore store;
    ConfigImage image;
    AssignmentTable table;
};

TEST_F(ProfileStoreTest, ExportIntoAnEmptyFolderKeepsTheFileAndACopyNamedToTheFirstDot) {
    const fs::path chosen = dir / "game.v2.bin";
    ASSERT_TRUE(store.exportTo(chosen, image, table).ok());
    EXPECT_EQ(sizeOf(chosen), kKeymapFileSize);
    EXPECT_EQ(ProfileStore::nameOf(chosen), "game");
    ASSERT_TRUE(store.replaceWith("game", std::nullopt).ok());
    EXPECT_EQ(folderFiles(), std::set<std::string>{"game.bin"});
    auto listed = store.list();
    ASSERT_TRUE(listed.ok());
    ASSERT_EQ(listed->size(), 1u);
    EXPECT_EQ(listed->front().name, "game");

    ConfigImage back;
    AssignmentTable backTable;
    ASSERT_TRUE(LoadProfileFile(store.folder() / "game.bin", back, backTable).ok());
    EXPECT_EQ(back.lightBrightness(), 17);
    EXPECT_TRUE(fs::exists(chosen)) << "the chosen file stays where the user put it";
}

TEST_F(ProfileStoreTest, RenameCopiesTheCurrentProfileFileAndLeavesOnlyIt) {
    ASSERT_TRUE(store.exportTo(dir / "game.bin", image, table).ok());
    ASSERT_TRUE(store.replaceWith("game", std::nullopt).ok());
    // The user changes the configuration file outside; the rename copies it.
    image.setLightBrightness(3);
    ASSERT_TRUE(SaveKeymapFile(dir / "game.bin", image, table).ok());
    ASSERT_TRUE(store.replaceWith("race", store.folder() / "game.bin").ok());
    EXPECT_EQ(folderFiles(), std::set<std::string>{"race.bin"});
    ConfigImage back;
    AssignmentTable backTable;
    ASSERT_TRUE(LoadProfileFile(store.folder() / "race.bin", back, backTable).ok());
    EXPECT_EQ(back.lightBrightness(), 3);
}

TEST_F(ProfileStoreTest, RenameWithoutACurrentFileKeepsTheProfileUnderTheNewName) {
    fs::create_directories(store.folder());
    ASSERT_TRUE(SaveKeymapFile(store.folder() / "old.bin", image, table).ok());
    ASSERT_FALSE(store.currentFile());
    ASSERT_TRUE(store.replaceWith("new", store.folder() / "old.bin").ok());
    EXPECT_EQ(folderFiles(), std::set<std::string>{"new.bin"});
    EXPECT_EQ(sizeOf(store.folder() / "new.bin"), kKeymapFileSize);
}

TEST_F(ProfileStoreTest, ACurrentFileInsideTheFolderIsRenamedNotLost) {
    fs::create_directories(store.folder());
    const fs::path inside = store.folder() / "mine.bin";
    ASSERT_TRUE(SaveKeymapFile(inside, image, table).ok());
    ASSERT_TRUE(store.importFrom(inside, image, table).ok());
    ASSERT_TRUE(store.replaceWith("other", inside).ok());
    EXPECT_EQ(folderFiles(), std::set<std::string>{"other.bin"});
    EXPECT_EQ(store.currentFile(), store.folder() / "other.bin");
    // Renaming it again to its own name keeps it too.
    ASSERT_TRUE(store.replaceWith("other", store.folder() / "other.bin").ok());
    EXPECT_EQ(folderFiles(), std::set<std::string>{"other.bin"});
}

// With several profiles kept by name, a rename touches that one profile
// only and keeps its own contents, even while another file is current.
TEST_F(ProfileStoreTest, RenamingOneOfSeveralProfilesKeepsItsContentsAndTheOthers) {
    fs::create_directories(store.folder());
    image.setLightBrightness(4);
    ASSERT_TRUE(SaveKeymapFile(store.folder() / "racing.bin", image, table).ok());
    image.setLightBrightness(6);
    ASSERT_TRUE(SaveKeymapFile(store.folder() / "puzzle.bin", image, table).ok());
    image.setLightBrightness(9);
    ASSERT_TRUE(store.exportTo(dir / "night.bin", image, table).ok());
    ASSERT_TRUE(store.replaceWith("night", std::nullopt).ok());
    EXPECT_EQ(folderFiles(), (std::set<std::string>{"night.bin", "puzzle.bin", "racing.bin"}));

    ASSERT_TRUE(store.replaceWith("rally", store.folder() / "racing.bin").ok());
    EXPECT_EQ(folderFiles(), (std::set<std::string>{"night.bin", "puzzle.bin", "rally.bin"}));
    ConfigImage back;
    AssignmentTable backTable;
    ASSERT_TRUE(LoadProfileFile(store.folder() / "rally.bin", back, backTable).ok());
    EXPECT_EQ(back.lightBrightness(), 4) << "its own contents, not the current file's";
    ASSERT_TRUE(LoadProfileFile(store.folder() / "puzzle.bin", back, backTable).ok());
    EXPECT_EQ(back.lightBrightness(), 6);
}

TEST_F(ProfileStoreTest, ImportRefusesAnythingButAWholeProfile) {
    const ConfigImage before = image;
    const fs::path shortFile = dir / "short.bin";
    writeBytes(shortFile, 10088, 7);
    Status s = store.importFrom(shortFile, image, table);
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().message.find("short.bin"), std::string::npos);
    EXPECT_NE(s.error().message.find("10088"), std::string::npos);
    EXPECT_EQ(image.bytes()[0], before.bytes()[0]);
    EXPECT_EQ(image.lightBrightness(), 17);
    EXPECT_FALSE(store.currentFile());

    writeBytes(dir / "long.bin", kKeymapFileSize + 1, 7);
    EXPECT_FALSE(store.importFrom(dir / "long.bin", image, table).ok());
    fs::create_directories(dir / "folder.bin");
    EXPECT_FALSE(store.importFrom(dir / "folder.bin", image, table).ok());
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((dir / "pipe.bin").c_str(), 0600), 0);
    EXPECT_FALSE(store.importFrom(dir / "pipe.bin", image, table).ok()) << "and never hangs";
#endif
    EXPECT_FALSE(store.importFrom(dir / "missing.bin", image, table).ok());
    EXPECT_EQ(image.lightBrightness(), 17);
    EXPECT_EQ(table[5].bytes()[1], 3);
}

TEST_F(ProfileStoreTest, ImportTakesImageAndTable) {
    ConfigImage other;
    other.setLightBrightness(44);
    AssignmentTable otherTable;
    otherTable[7].bytes()[1] = 2;
    ASSERT_TRUE(SaveKeymapFile(dir / "p.bin", other, otherTable).ok());
    ASSERT_TRUE(store.importFrom(dir / "p.bin", image, table).ok());
    EXPECT_EQ(image.lightBrightness(), 44);
    EXPECT_EQ(table[7].bytes()[1], 2);
    EXPECT_EQ(store.currentFile(), dir / "p.bin");
}

TEST_F(ProfileStoreTest, ListingTakesRegularBinFilesOnly) {
    fs::create_directories(store.folder() / "sub.bin");
    writeBytes(store.folder() / "a.bin", 4);
    writeBytes(store.folder() / "B.BIN", 4);
    writeBytes(store.folder() / "notes.txt", 4);
    writeBytes(store.folder() / ".bin", 4);
    auto listed = store.list();
    ASSERT_TRUE(listed.ok());
    std::set<std::string> names;
    for (const auto& e : *listed) {
        names.insert(e.name);
    }
    EXPECT_EQ(names, (std::set<std::string>{"a", "B"}));
    EXPECT_TRUE(ProfileStore(dir / "nowhere").list()->empty());
}

TEST_F(ProfileStoreTest, NewMakesAnEmptyImageFileAndNeverReplacesOne) {
    ASSERT_TRUE(store.createEmpty("Профиль_1").ok());
    EXPECT_EQ(sizeOf(store.folder() / pathFromText("Профиль_1.bin")), image::kSize);
    EXPECT_FALSE(store.createEmpty("Профиль_1").ok());
}

TEST_F(ProfileStoreTest, NamesThatCannotNameAFileAreRefused) {
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "tab\there"}) {
        EXPECT_FALSE(ProfileStore::checkName(bad).ok()) << bad;
        EXPECT_FALSE(store.replaceWith(bad, std::nullopt).ok()) << bad;
    }
    EXPECT_FALSE(ProfileStore::checkName(std::string(252, 'x')).ok());
    EXPECT_TRUE(ProfileStore::checkName(std::string(251, 'x')).ok());
    EXPECT_TRUE(ProfileStore::checkName("Профиль 2").ok());
}

TEST_F(ProfileStoreTest, FailuresAreReportedNotSkipped) {
    // Nothing to keep and nothing to copy: said, not silently an empty folder.
    EXPECT_FALSE(store.replaceWith("ghost", std::nullopt).ok());
    // A folder that cannot be written.
    fs::create_directories(store.folder());
    ASSERT_TRUE(SaveKeymapFile(store.folder() / "a.bin", image, table).ok());
    ASSERT_TRUE(store.exportTo(dir / "x.bin", image, table).ok());
#ifndef _WIN32 // a read-only folder is a POSIX matter
    fs::permissions(store.folder(), fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(store.folder().c_str(), W_OK) != 0) { // root writes anyway
        EXPECT_FALSE(store.replaceWith("x", store.folder() / "a.bin").ok());
        EXPECT_FALSE(store.remove(store.folder() / "a.bin").ok());
        EXPECT_TRUE(fs::exists(store.folder() / "a.bin"));
    }
    fs::permissions(store.folder(), fs::perms::owner_all);
#endif
    EXPECT_FALSE(store.exportTo(dir / "no-such-folder" / "x.bin", image, table).ok());
}

} // namespace
} // namespace vantrel
