// SPDX-License-Identifier: MIT
// Launch keys on Windows: the shell starts what the path names, in its own
// folder, and bare program names are found as Windows finds them.
#include "core/util/path_text.h"
#include "platform/launcher.h"
#include "support/temp_dir.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

namespace vantrel::platform {
namespace {

namespace fs = std::filesystem;

bool appears(const fs::path& file) {
    for (int i = 0; i < 250 && !fs::exists(file); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return fs::exists(file);
}

TEST(WindowsLauncher, PathsSplitAtTheBackslash) {
    EXPECT_EQ(launchPathSeparator(), '\\');
    const LaunchTarget t = splitLaunchPath("D:\\Music", launchPathSeparator());
    EXPECT_EQ(t.folder, "D:");
    EXPECT_EQ(t.fileName, "Music");
}

// The program writes into its current folder: it is started there.
// Wine starts a batch file through its own cmd, and ShellExecuteExW there
// now and then never returns (seen under a loaded machine in CI runs).
bool underWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

TEST(WindowsLauncher, StartsAProgramInItsOwnFolder) {
    if (underWine()) {
        GTEST_SKIP() << "wine's ShellExecuteExW of a batch file can hang";
    }
    vantrel::testing::TempDir dir;
    const fs::path folder = fs::absolute(dir.path()) / "my programs";
    fs::create_directories(folder);
    std::ofstream(folder / "start it.bat") << "@echo started> started.txt\r\n";
    LaunchTarget t = splitLaunchPath(pathText(folder / "start it.bat"), launchPathSeparator());
    t.kind = AssignmentKind::LaunchProgram;
    const Status s = launch(t);
    ASSERT_TRUE(s.ok()) << s.error().message;
    EXPECT_TRUE(appears(folder / "started.txt"));
}

TEST(WindowsLauncher, AMissingProgramIsReportedWithTheSystemsReason) {
    vantrel::testing::TempDir dir;
    LaunchTarget t = splitLaunchPath(pathText(fs::absolute(dir.path()) / "gone.exe"), '\\');
    t.kind = AssignmentKind::LaunchProgram;
    const Status s = launch(t);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().message.rfind("Could not start \"" + t.folder + "\\gone.exe\": ", 0), 0u)
        << s.error().message;
    EXPECT_GT(s.error().message.size(), t.folder.size() + 30) << "no reason given";
    LaunchTarget folderOnly = splitLaunchPath("C:\\Music\\", '\\');
    EXPECT_EQ(launch(folderOnly).error().code, ErrorCode::InvalidArgument);
}

TEST(WindowsLauncher, DrivesAndSharesAreAbsoluteBareNamesAreSearched) {
    for (const std::string absolute : {"C:\\Tools\\x.exe", "\\\\server\\share\\Music"}) {
        auto kept = resolveLaunchPath(AssignmentKind::OpenFolder, absolute);
        ASSERT_TRUE(kept.ok()) << absolute << ": " << kept.error().message;
        EXPECT_EQ(*kept, absolute);
    }
    // Found where Windows itself would find it, with ".exe" added.
    auto notepad = resolveLaunchPath(AssignmentKind::LaunchProgram, "notepad");
    ASSERT_TRUE(notepad.ok()) << notepad.error().message;
    const fs::path found = pathFromText(*notepad);
    EXPECT_TRUE(found.is_absolute());
    EXPECT_TRUE(fs::is_regular_file(found));
    auto missing = resolveLaunchPath(AssignmentKind::LaunchProgram, "no-such-program-here");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().code, ErrorCode::InvalidArgument);
}

TEST(WindowsLauncher, ARelativePathIsMadeAbsoluteAndMustExist) {
    vantrel::testing::TempDir dir;
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    fs::create_directories(pathFromText("Музыка"));
    auto folder = resolveLaunchPath(AssignmentKind::OpenFolder, "Музыка\\");
    auto missing = resolveLaunchPath(AssignmentKind::OpenFile, "absent.txt");
    // Root-relative: on the current drive, so made absolute too.
    auto rooted = resolveLaunchPath(AssignmentKind::OpenFolder, "\\");
    fs::current_path(before);
    ASSERT_TRUE(folder.ok()) << folder.error().message;
    EXPECT_EQ(pathFromText(*folder), fs::absolute(dir.path()) / pathFromText("Музыка"));
    EXPECT_FALSE(missing.ok());
    ASSERT_TRUE(rooted.ok());
    EXPECT_TRUE(pathFromText(*rooted).is_absolute());
}

} // namespace
} // namespace vantrel::platform
