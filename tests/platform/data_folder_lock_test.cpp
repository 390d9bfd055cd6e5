// SPDX-License-Identifier: MIT
#include "core/model/state_files.h"
#include "platform/data_folder_lock.h"
#include "support/temp_dir.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace vantrel;
using platform::DataFolderLock;

TEST(DataFolderLock, TheHolderIsNamedAndTheLockEndsWithIt) {
    vantrel::testing::TempDir dir;
    const auto folder = dir / "new" / "data";
    {
        auto first = DataFolderLock::acquire(folder, "vantrelctl", std::chrono::milliseconds(0));
        ASSERT_TRUE(first.ok()) << first.error().message;
        auto second = DataFolderLock::acquire(folder, "vantrelctl", std::chrono::milliseconds(50));
        ASSERT_FALSE(second.ok());
        EXPECT_EQ(second.error().code, ErrorCode::Busy);
        EXPECT_NE(second.error().message.find("vantrelctl (process " + std::to_string(::getpid()) +
                                              ") is still working on the data folder"),
                  std::string::npos)
            << second.error().message;
        // The refused one leaves the holder's line alone.
        ASSERT_TRUE(DataFolderLock::holder(folder).has_value());
        EXPECT_EQ(DataFolderLock::holder(folder)->program, "vantrelctl");
    }
    EXPECT_FALSE(DataFolderLock::holder(folder).has_value());
    EXPECT_TRUE(DataFolderLock::acquire(folder, "vantrel", std::chrono::milliseconds(0)).ok());
}

// A desktop program that crashed leaves its line; its lock went with it.
TEST(DataFolderLock, ALineLeftByACrashIsNoHolder) {
    vantrel::testing::TempDir dir;
    std::ofstream(dir / DataFolderLock::kFileName) << "vantrel 2147483000\n";
    EXPECT_FALSE(DataFolderLock::holder(dir.path()).has_value());
    auto lock = DataFolderLock::acquire(dir.path(), "vantrelctl", std::chrono::milliseconds(0));
    ASSERT_TRUE(lock.ok());
    EXPECT_EQ(DataFolderLock::holder(dir.path())->pid, ::getpid());
}

// Whoever takes the folder removes what saves of its state files cut short
// left there, and nothing that only looks alike; a program refused the lock
// removes nothing, since the holder may be saving right then.
TEST(DataFolderLock, TheTakerRemovesOnlyTheStateFilesLeftTemporaries) {
    namespace fs = std::filesystem;
    vantrel::testing::TempDir dir;
    const fs::path folder = dir / "data";
    fs::create_directories(folder / "Configure");
    const auto plant = [](const fs::path& p) { std::ofstream(p) << "bytes"; };
    plant(dir / "outside.bin");
    const std::vector<std::string> stale = {"keymap.bin.tmp-0123abcd",
                                            "MacroDefine.bin.tmp-ffffffff"};
    const std::vector<std::string> kept = {"keymap.bin",
                                           "keymap.bin.tmp-0123abc",
                                           "keymap.bin.tmp-0123abcde",
                                           "keymap.bin.tmp-0123ABCD",
                                           "keymap.bin.tmp-0123abcg",
                                           "keymap.bin.bad",
                                           "VER.bin.tmp-01234567",
                                           "mine.bin.tmp-01234567",
                                           "xkeymap.bin.tmp-01234567",
                                           "Configure/keymap.bin.tmp-01234567"};
    for (const auto& name : stale) {
        plant(folder / name);
    }
    for (const auto& name : kept) {
        plant(folder / name);
    }
    // Only regular files: a folder of that name stays, and a link stays with
    // what it points to.
    fs::create_directory(folder / "keymap.bin.tmp-89abcdef");
    fs::create_symlink(dir / "outside.bin", folder / "MacroDefine.bin.tmp-00000000");

    auto other = DataFolderLock::acquire(folder, "vantrelctl", std::chrono::milliseconds(0));
    ASSERT_TRUE(other.ok());
    std::optional<DataFolderLock> holder(std::move(*other));
    const fs::path during = folder / "keymap.bin.tmp-5555aaaa";
    plant(during);
    ASSERT_FALSE(DataFolderLock::acquire(folder, "vantrel", std::chrono::milliseconds(30)).ok());
    EXPECT_TRUE(fs::exists(during)) << "a save in progress lost its file";
    holder.reset();

    auto lock = DataFolderLock::acquire(folder, "vantrel", std::chrono::milliseconds(0));
    ASSERT_TRUE(lock.ok());
    EXPECT_FALSE(fs::exists(during));
    for (const auto& name : stale) {
        EXPECT_FALSE(fs::exists(folder / name)) << name;
    }
    for (const auto& name : kept) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    }
    EXPECT_TRUE(fs::is_directory(folder / "keymap.bin.tmp-89abcdef"));
    EXPECT_TRUE(fs::is_symlink(folder / "MacroDefine.bin.tmp-00000000"));
    EXPECT_TRUE(fs::exists(dir / "outside.bin"));
}

// A real save cut short: the writing process is killed for exceeding its
// file size limit half way through keymap.bin. Its temporary file is what
// the next taker of the folder removes; the old keymap.bin stays whole.
TEST(DataFolderLock, TheFileOfASaveKilledHalfWayIsRemovedByTheNextTaker) {
    namespace fs = std::filesystem;
    vantrel::testing::TempDir dir;
    const DataFolder folder(dir / "data");
    ASSERT_TRUE(folder.ensureExists().ok());
    ConfigImage image;
    AssignmentTable table;
    ASSERT_TRUE(SaveKeymapFile(folder.keymap(), image, table).ok());
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit small{4096, 4096};
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::setrlimit(RLIMIT_CORE, &none);
        image.setLightEffect(3);
        [[maybe_unused]] const Status s = SaveKeymapFile(folder.keymap(), image, table);
        ::_exit(0); // not reached: the signal ends the save
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    std::vector<fs::path> left;
    for (const auto& e : fs::directory_iterator(folder.path())) {
        if (e.path().filename() != kKeymapFileName) {
            left.push_back(e.path());
        }
    }
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].filename().string().rfind("keymap.bin.tmp-", 0), 0u);

    auto lock = DataFolderLock::acquire(folder.path(), "vantrelctl", std::chrono::milliseconds(0));
    ASSERT_TRUE(lock.ok());
    EXPECT_FALSE(fs::exists(left[0]));
    EXPECT_EQ(fs::file_size(folder.keymap()), kKeymapFileSize);
}
