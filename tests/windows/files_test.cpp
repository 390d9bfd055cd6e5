// SPDX-License-Identifier: MIT
// The program's files on Windows: wide paths throughout (user names of any
// script), atomic replacement, and refusals of what is not a file.
#include "core/model/state_files.h"
#include "core/util/atomic_file.h"
#include "core/util/file_read.h"
#include "core/util/path_text.h"
#include "support/temp_dir.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::span<const std::uint8_t> bytesOf(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::size_t entriesIn(const fs::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) {
        ++n;
    }
    return n;
}

struct WindowsFiles : ::testing::Test {
    vantrel::testing::TempDir dir;
    // A user folder as Windows names it for a Russian and a Chinese user.
    fs::path folder =
        fs::absolute(dir.path()) / pathFromText("Пользователь") / pathFromText("张伟");
    void SetUp() override { fs::create_directories(folder); }
};

TEST_F(WindowsFiles, AWriteReplacesTheFileWholeAndLeavesNoTemporary) {
    const fs::path file = folder / pathFromText("ключи.bin");
    ASSERT_TRUE(writeFileAtomically(file, {bytesOf("first"), bytesOf(" part")}).ok());
    ASSERT_TRUE(writeFileAtomically(file, {bytesOf("second")}).ok());
    auto read = readFileStart(file, 100);
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_TRUE(read->exists);
    EXPECT_EQ(std::string(read->bytes.begin(), read->bytes.end()), "second");
    EXPECT_EQ(entriesIn(folder), 1u);
}

TEST_F(WindowsFiles, AFolderInThePlaceOfTheFileIsNeitherReplacedNorRead) {
    const fs::path file = folder / "keymap.bin";
    fs::create_directories(file / "inside");
    const Status written = writeFileAtomically(file, {bytesOf("x")});
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().code, ErrorCode::Io);
    EXPECT_EQ(written.error().message.rfind("cannot replace " + pathText(file) + ": ", 0), 0u)
        << written.error().message;
    EXPECT_TRUE(fs::exists(file / "inside"));
    EXPECT_EQ(entriesIn(folder), 1u) << "the temporary file was left";
    auto read = readFileOfSize(file, 1);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().message.find("is a folder, not a file"), std::string::npos)
        << read.error().message;
}

TEST_F(WindowsFiles, MissingShortAndExactFilesAreToldApart) {
    auto missing = readFileOfSize(folder / "nothing.bin", 12);
    ASSERT_TRUE(missing.ok());
    EXPECT_FALSE(missing->exists);
    auto missingFolder = readFileOfSize(folder / "no" / "such.bin", 12);
    ASSERT_TRUE(missingFolder.ok());
    EXPECT_FALSE(missingFolder->exists);
    const fs::path file = folder / "VER.bin";
    ASSERT_TRUE(writeFileAtomically(file, {bytesOf("V1.2.3")}).ok());
    auto wrong = readFileOfSize(file, 12);
    ASSERT_TRUE(wrong.ok());
    EXPECT_TRUE(wrong->exists);
    EXPECT_EQ(wrong->size, 6u);
    EXPECT_TRUE(wrong->bytes.empty());
    auto exact = readFileOfSize(file, 6);
    ASSERT_TRUE(exact.ok());
    EXPECT_EQ(exact->bytes.size(), 6u);
}

// A device is no file, and reading it must not wait for it.
TEST_F(WindowsFiles, ADeviceIsRefused) {
    auto read = readFileStart(fs::path(L"\\\\.\\NUL"), 10);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().message.find("is a device, not a file"), std::string::npos)
        << read.error().message;
}

// A scanner or indexer that has the file open for a moment delays the save;
// it does not fail it.
TEST_F(WindowsFiles, AFileThatIsOpenForAMomentIsReplacedOnceItIsLetGo) {
    const fs::path file = folder / "MacroDefine.bin";
    ASSERT_TRUE(writeFileAtomically(file, {bytesOf("old")}).ok());
    HANDLE reader = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::thread letGo([reader] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        CloseHandle(reader);
    });
    const Status s = writeFileAtomically(file, {bytesOf("new")});
    letGo.join();
    ASSERT_TRUE(s.ok()) << s.error().message;
    EXPECT_EQ(readFileStart(file, 10)->bytes.size(), 3u);
    EXPECT_EQ(entriesIn(folder), 1u);
}

// An absolute data folder several levels deep: wine's C runtime calls a
// drive no folder, which once failed the first step.
TEST_F(WindowsFiles, TheDataFolderIsMadeFromTheDriveDown) {
    const DataFolder data(folder / pathFromText("данные") / "deeper");
    ASSERT_TRUE(data.path().is_absolute());
    ASSERT_TRUE(data.ensureExists().ok());
    EXPECT_TRUE(fs::is_directory(data.path()));
    ConfigImage image;
    AssignmentTable table;
    ASSERT_TRUE(SaveKeymapFile(data.keymap(), image, table).ok());
    EXPECT_EQ(fs::file_size(data.keymap()), kKeymapFileSize);
}

} // namespace
} // namespace vantrel
