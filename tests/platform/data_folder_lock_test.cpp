// SPDX-License-Identifier: MIT
#include "platform/data_folder_lock.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

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
