// SPDX-License-Identifier: MIT
#include "core/device/trace.h"
#include "platform/data_folder_lock.h"
#include "platform/launcher.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace vantrel;

#ifndef _WIN32
namespace {

// Launches a shell script `name` with `body` as a launch key would, and
// waits (a few seconds at most) for the file `made` it makes in its folder.
bool launchScriptAndWait(const vantrel::testing::TempDir& dir, const std::string& name,
                         const std::string& body, const std::string& made) {
    const auto script = dir / name;
    {
        std::ofstream out(script);
        out << "#!/bin/sh\n" << body << "\n";
    }
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    LaunchTarget t = splitLaunchPath(script.string(), platform::launchPathSeparator());
    t.kind = AssignmentKind::LaunchProgram;
    if (!platform::launch(t)) {
        return false;
    }
    for (int i = 0; i < 100 && !std::filesystem::exists(dir / made); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::filesystem::exists(dir / made);
}

} // namespace

TEST(Launcher, StartsAProgramInItsFolderWithoutAShell) {
    vantrel::testing::TempDir dir;
    // A program whose name would mean something to a shell; it runs in its
    // own folder.
    EXPECT_TRUE(launchScriptAndWait(dir, "touch; it", "touch started", "started"));
}

// What this program has open (a trace file, the data folder's lock, a
// descriptor some library left inheritable) never reaches what it starts.
TEST(Launcher, StartedProgramsGetNoneOfOurDescriptors) {
    vantrel::testing::TempDir dir;
    auto trace = FileTraceSink::open(dir / "trace.txt");
    ASSERT_TRUE(trace.ok());
    auto lock =
        platform::DataFolderLock::acquire(dir / "data", "test", std::chrono::milliseconds(0));
    ASSERT_TRUE(lock.ok());
    const int inheritable = ::open((dir / "plain.txt").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(inheritable, 0);

    std::vector<int> ours{inheritable};
    for (const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const auto target = std::filesystem::read_symlink(e.path(), ec).string();
        if (target.find("trace.txt") != std::string::npos ||
            target.find("vantrel.lock") != std::string::npos) {
            const int fd = std::stoi(e.path().filename().string());
            EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC) << target;
            ours.push_back(fd);
        }
    }
    ASSERT_EQ(ours.size(), 3u);

    ASSERT_TRUE(
        launchScriptAndWait(dir, "list-fds", "ls /proc/$$/fd > fds.tmp && mv fds.tmp fds", "fds"));
    std::ifstream listed(dir / "fds");
    std::vector<int> inherited;
    for (int fd; listed >> fd;) {
        inherited.push_back(fd);
    }
    ::close(inheritable);
    ASSERT_FALSE(inherited.empty());
    for (const int fd : ours) {
        EXPECT_EQ(std::count(inherited.begin(), inherited.end(), fd), 0) << "descriptor " << fd;
    }
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
