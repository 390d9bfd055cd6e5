// SPDX-License-Identifier: MIT
// The desktop program as a user starts it from a terminal, without a
// display: what needs none is answered, and bad options end as for
// vantrelctl.
#include "platform/data_folder_lock.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#ifdef VANTREL_PATH
namespace {

using vantrel::testing::ProgramRun;

// The program as the build made it ($VANTREL overrides it).
std::string program() {
    const char* env = std::getenv("VANTREL");
    return env ? env : VANTREL_PATH;
}

ProgramRun runProgram(const std::string& environment, const std::string& args) {
    vantrel::testing::TempDir dir;
    return vantrel::testing::runInFolder(dir.path(), environment + " '" + program() + "' " + args);
}

// No display at all: the window system would end the program at once.
ProgramRun runWithoutDisplay(const std::string& args) {
    return runProgram("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb", args);
}

TEST(ProgramStart, HelpAndVersionNeedNoDisplay) {
    const ProgramRun help = runWithoutDisplay("--help");
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_NE(help.out.find("--data-dir <DIR>"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--simulate"), std::string::npos);
    const ProgramRun version = runWithoutDisplay("--version");
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out.rfind("vantrel ", 0), 0u) << version.out;
}

TEST(ProgramStart, BadOptionsExitWithTwo) {
    // An empty value (an unset shell variable) is no folder or file either.
    for (const char* args : {"--bogus", "--data-dir", "--simulate --frobnicate=1", "--data-dir=",
                             "--simulate --sim-state ''", "--trace= --simulate",
                             "--screenshot ''"}) {
        const ProgramRun r = runWithoutDisplay(args);
        EXPECT_EQ(r.status, 2) << args << ": " << r.err;
        EXPECT_EQ(r.err.rfind("vantrel: ", 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

// The desktop program keeps its data folder while it runs; a second one
// with the same folder (another session's) is told who has it.
TEST(ProgramStart, TheDataFolderIsHeldForTheRun) {
    vantrel::testing::TempDir dir;
    const std::string args = "--simulate --data-dir '" + (dir / "data").string() +
                             "' --screenshot '" + (dir / "shot.png").string() + "'";
    const std::string offscreen = "env QT_QPA_PLATFORM=offscreen";
    const ProgramRun free = runProgram(offscreen, args);
    ASSERT_EQ(free.status, 0) << free.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "shot.png"));
    EXPECT_FALSE(vantrel::platform::DataFolderLock::holder(dir / "data").has_value());

    auto held = vantrel::platform::DataFolderLock::acquire(
        dir / "data", vantrel::platform::kDesktopProgramName, std::chrono::milliseconds(0));
    ASSERT_TRUE(held.ok());
    const ProgramRun busy = runProgram(offscreen, args);
    EXPECT_EQ(busy.status, 1);
    EXPECT_NE(busy.err.find("the desktop program vantrel (process"), std::string::npos) << busy.err;
}

} // namespace
#endif
