// SPDX-License-Identifier: MIT
#include "platform/launcher.h"
#include "support/temp_dir.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

using namespace vantrel;

#ifndef _WIN32
TEST(Launcher, StartsAProgramInItsFolderWithoutAShell) {
    vantrel::testing::TempDir dir;
    // A program whose name would mean something to a shell.
    const auto script = dir / "touch; it";
    {
        std::ofstream out(script);
        out << "#!/bin/sh\ntouch started\n";
    }
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    LaunchTarget t = splitLaunchPath(script.string(), platform::launchPathSeparator());
    t.kind = AssignmentKind::LaunchProgram;
    ASSERT_TRUE(platform::launch(t));
    for (int i = 0; i < 100 && !std::filesystem::exists(dir / "started"); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(std::filesystem::exists(dir / "started")); // ran in its own folder
}

TEST(Launcher, FailuresAreReported) {
    vantrel::testing::TempDir dir;
    LaunchTarget missing = splitLaunchPath((dir / "no-such-program").string(), '/');
    missing.kind = AssignmentKind::LaunchProgram;
    Status s = platform::launch(missing);
    ASSERT_FALSE(s);
    EXPECT_NE(s.error().message.find("no-such-program"), std::string::npos);

    LaunchTarget bare = splitLaunchPath("song.mp3", '/');
    bare.kind = AssignmentKind::PlayMusic;
    Status b = platform::launch(bare);
    ASSERT_FALSE(b);
    EXPECT_EQ(b.error().code, ErrorCode::InvalidArgument);
}
#endif
