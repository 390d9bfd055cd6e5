// SPDX-License-Identifier: MIT
// The data folder's lock with LockFileEx: the same promises as with flock.
#include "core/util/path_text.h"
#include "platform/data_folder_lock.h"
#include "support/temp_dir.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <windows.h>

using namespace vantrel;
using platform::DataFolderLock;
using Clock = std::chrono::steady_clock;

namespace {

long ourPid() {
    return static_cast<long>(GetCurrentProcessId());
}

TEST(WindowsDataFolderLock, TheHolderIsNamedAndTheLockEndsWithIt) {
    vantrel::testing::TempDir dir;
    const auto folder = dir.path() / pathFromText("Пользователь") / "data";
    {
        auto first = DataFolderLock::acquire(folder, "vantrelctl", std::chrono::milliseconds(0));
        ASSERT_TRUE(first.ok()) << first.error().message;
        const auto start = Clock::now();
        auto second = DataFolderLock::acquire(folder, "vantrelctl", std::chrono::milliseconds(100));
        ASSERT_FALSE(second.ok());
        EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(100)) << "it did not wait";
        EXPECT_EQ(second.error().code, ErrorCode::Busy);
        EXPECT_NE(second.error().message.find("vantrelctl (process " + std::to_string(ourPid()) +
                                              ") is still working on the data folder " +
                                              pathText(folder)),
                  std::string::npos)
            << second.error().message;
        const auto holder = DataFolderLock::holder(folder);
        ASSERT_TRUE(holder.has_value()) << "the refused one took the holder's line";
        EXPECT_EQ(holder->program, "vantrelctl");
        EXPECT_EQ(holder->pid, ourPid());
    }
    EXPECT_FALSE(DataFolderLock::holder(folder).has_value());
    EXPECT_TRUE(DataFolderLock::acquire(folder, "vantrel", std::chrono::milliseconds(0)).ok());
}

TEST(WindowsDataFolderLock, TheDesktopProgramIsNotWaitedFor) {
    vantrel::testing::TempDir dir;
    auto desktop = DataFolderLock::acquire(dir.path(), "vantrel", std::chrono::milliseconds(0));
    ASSERT_TRUE(desktop.ok());
    const auto start = Clock::now();
    auto cli = DataFolderLock::acquire(dir.path(), "vantrelctl", std::chrono::seconds(10));
    ASSERT_FALSE(cli.ok());
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    EXPECT_NE(cli.error().message.find("the desktop program vantrel (process"), std::string::npos)
        << cli.error().message;
}

// A holder that crashed leaves its line; its lock went with it. And the
// line of a live holder is readable while the lock is held (Windows locks
// keep others from reading what they cover).
TEST(WindowsDataFolderLock, ALineLeftByACrashIsNoHolderAndALiveLineIsReadable) {
    vantrel::testing::TempDir dir;
    std::ofstream(dir / DataFolderLock::kFileName) << "vantrel 2147483000\n";
    EXPECT_FALSE(DataFolderLock::holder(dir.path()).has_value());
    auto lock = DataFolderLock::acquire(dir.path(), "vantrelctl", std::chrono::milliseconds(0));
    ASSERT_TRUE(lock.ok()) << lock.error().message;
    std::ifstream in(dir / DataFolderLock::kFileName);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "vantrelctl " + std::to_string(ourPid()));
}

// A holder that is alive but locked nothing (its lock file was replaced)
// counts only while it holds: the line alone names nobody.
TEST(WindowsDataFolderLock, ALineWithoutALockIsNoHolder) {
    vantrel::testing::TempDir dir;
    std::ofstream(dir / DataFolderLock::kFileName) << "vantrel " << ourPid() << "\n";
    EXPECT_FALSE(DataFolderLock::holder(dir.path()).has_value());
    EXPECT_TRUE(
        DataFolderLock::acquire(dir.path(), "vantrelctl", std::chrono::milliseconds(0)).ok());
}

TEST(WindowsDataFolderLock, TheTakerRemovesTheTemporariesOfSavesCutShort) {
    vantrel::testing::TempDir dir;
    const auto folder = dir / "data";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "keymap.bin.tmp-0123abcd") << "half";
    std::ofstream(folder / "keymap.bin.tmp-0123abc") << "not ours"; // seven digits
    auto lock = DataFolderLock::acquire(folder, "vantrelctl", std::chrono::milliseconds(0));
    ASSERT_TRUE(lock.ok());
    EXPECT_FALSE(std::filesystem::exists(folder / "keymap.bin.tmp-0123abcd"));
    EXPECT_TRUE(std::filesystem::exists(folder / "keymap.bin.tmp-0123abc"));
}

} // namespace
