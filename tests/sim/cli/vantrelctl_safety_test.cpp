// SPDX-License-Identifier: MIT
// vantrelctl with the user's real files at stake: simulations keep their own
// folder, refused files stay as they were, two programs never write over
// each other, and odd files are reported by name.
#include "cli_fixture.h"
#include "platform/data_folder_lock.h"

#include <algorithm>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <unistd.h>

using namespace vantrel;
using vantrel::testing::Cli;
using vantrel::testing::CliRun;
namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

std::string bytesOf(const fs::path& p) {
    return vantrel::testing::slurp(p);
}

class CliSafety : public Cli {
protected:
    fs::path data() { return dir / "data"; }

    // Runs two commands at the same moment and waits for both.
    void runTogether(const std::string& first, const std::string& second) {
#ifdef _WIN32
        const auto start = [&](const std::string& args, const char* out, const char* err) {
            return std::thread([this, line = commandLine(args), out, err] {
                vantrel::testing::runWindowsCommand(dir.path(), line, dir / out, dir / err);
            });
        };
        std::thread one = start(first, "out1.txt", "err1.txt");
        std::thread two = start(second, "out2.txt", "err2.txt");
        one.join();
        two.join();
#else
        const std::string cmd = "cd '" + dir.path().string() + "' && (" + commandLine(first) +
                                " > out1.txt 2> err1.txt & " + commandLine(second) +
                                " > out2.txt 2> err2.txt & wait)";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
#endif
        EXPECT_EQ(bytesOf(dir / "err1.txt"), "");
        EXPECT_EQ(bytesOf(dir / "err2.txt"), "");
    }
};

#ifndef _WIN32 // the Windows folders have tests of their own
// The simulated keyboard's files live in a folder of their own: trying the
// README's examples never touches the real keyboard's keymap.bin.
TEST_F(CliSafety, SimulationLeavesTheUsersFilesAlone) {
    const fs::path real = dir / "home" / ".config" / "vantrel";
    fs::create_directories(real);
    ConfigImage image;
    AssignmentTable table;
    table[5].setKind(static_cast<std::uint8_t>(AssignmentKind::LaunchProgram));
    ASSERT_TRUE(table[5].setPath(u"/usr/bin/foot").ok());
    ASSERT_TRUE(SaveKeymapFile(real / kKeymapFileName, image, table).ok());
    const std::string before = bytesOf(real / kKeymapFileName);
    environment = "env -u XDG_CONFIG_HOME HOME='" + (dir / "home").string() + "' XDG_STATE_HOME='" +
                  (dir / "state").string() + "'";

    CliRun reset = run("--simulate reset", false);
    ASSERT_EQ(reset.status, 0) << reset.err;
    EXPECT_EQ(bytesOf(real / kKeymapFileName), before);
    EXPECT_EQ(fs::file_size(dir / "state" / "vantrel" / "simulated" / kKeymapFileName),
              kKeymapFileSize);

    CliRun info = run("--sim-state kb.bin info", false);
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_THAT(info.out, HasSubstr((dir / "state" / "vantrel" / "simulated-kb-").string()));
    EXPECT_EQ(bytesOf(real / kKeymapFileName), before);
}
#endif

TEST_F(CliSafety, ARefusedStateFileIsNeverWritten) {
    // Someone's keymap.bin named as the simulator's state by mistake.
    ConfigImage image;
    image.setLightEffect(7);
    AssignmentTable table;
    ASSERT_TRUE(SaveKeymapFile(dir / "kb.bin", image, table).ok());
    const std::string before = bytesOf(dir / "kb.bin");
    CliRun r = run("info");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("kb.bin"));
    EXPECT_EQ(bytesOf(dir / "kb.bin"), before);

    fs::remove(dir / "kb.bin");
    fs::create_directory(dir / "kb.bin");
    CliRun folder = run("info");
    EXPECT_EQ(folder.status, 1);
    EXPECT_THAT(folder.err, HasSubstr("kb.bin is a folder"));
    EXPECT_TRUE(fs::is_directory(dir / "kb.bin"));

    // Too long a name is a file error like any other, not an abort.
    CliRun tooLong = run("--sim-state " + std::string(300, 'k') + " info", false);
    EXPECT_EQ(tooLong.status, 1);
#ifdef _WIN32
    EXPECT_THAT(tooLong.err, HasSubstr(std::string(300, 'k') + ": "));
#else
    EXPECT_THAT(tooLong.err, HasSubstr("File name too long"));
#endif
}

TEST_F(CliSafety, CommandsAtTheSameTimeBothCount) {
    runTogether("macro add First A:dn A:up", "macro add Second B:dn B:up");
    CliRun list = run("macro list");
    EXPECT_THAT(list.out, HasSubstr("First"));
    EXPECT_THAT(list.out, HasSubstr("Second"));

    runTogether("set brightness=9", "set report-rate=1");
    const ConfigImage kb = keyboardState();
    EXPECT_EQ(kb.lightBrightness(), 9);
    EXPECT_EQ(kb.reportRate(), 1);
    ConfigImage saved;
    AssignmentTable table;
    ASSERT_TRUE(LoadKeymapFile(data() / kKeymapFileName, saved, table, false));
    EXPECT_EQ(saved.lightBrightness(), 9);
    EXPECT_EQ(saved.reportRate(), 1);
}

// The desktop program keeps its folder while it runs (here: this test in
// its place); vantrelctl says so instead of racing it, and writes nothing.
TEST_F(CliSafety, TheRunningDesktopProgramIsNamed) {
    auto desktop = platform::DataFolderLock::acquire(data(), platform::kDesktopProgramName,
                                                     std::chrono::milliseconds(0));
    ASSERT_TRUE(desktop.ok()) << desktop.error().message;
    // Nobody listens in this runtime folder: the holder cannot be reached.
    fs::create_directories(dir / "runtime");
    fs::permissions(dir / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    environment = "env XDG_RUNTIME_DIR='" + (dir / "runtime").string() + "'";
    const std::string who = "the desktop program (process " + std::to_string(::getpid()) + ")";
    CliRun r = run("set brightness=3");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr(who + " keeps "));
    EXPECT_THAT(r.err, HasSubstr("could not run the command"));
    // --local runs here, and so waits for the folder, which the desktop
    // program keeps while it runs.
    r = run("--local set brightness=3");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("the desktop program vantrel (process " +
                                 std::to_string(::getpid()) + ") is running"));
    EXPECT_FALSE(fs::exists(dir / "kb.bin"));
    EXPECT_FALSE(fs::exists(data() / kKeymapFileName));
}

TEST_F(CliSafety, AnotherCommandIsWaitedFor) {
    auto taken = platform::DataFolderLock::acquire(data(), platform::kCommandLineProgramName,
                                                   std::chrono::milliseconds(0));
    ASSERT_TRUE(taken.ok());
    std::optional<platform::DataFolderLock> other(std::move(*taken));
    const auto holder = platform::DataFolderLock::holder(data());
    ASSERT_TRUE(holder.has_value());
    EXPECT_EQ(holder->program, "vantrelctl");
    EXPECT_EQ(holder->pid, ::getpid());
    std::thread finish([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other.reset();
    });
    CliRun r = run("set brightness=4");
    finish.join();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(keyboardState().lightBrightness(), 4);
    EXPECT_FALSE(platform::DataFolderLock::holder(data()).has_value());
}

TEST_F(CliSafety, OddFilesAreReportedByNameAsFileErrors) {
    fs::create_directories(data() / kMacroFileName);
    CliRun folder = run("macro list");
    EXPECT_EQ(folder.status, 1);
    EXPECT_THAT(folder.err, HasSubstr("MacroDefine.bin is a folder"));
    EXPECT_EQ(run("macro show 0").status, 1);

    fs::remove(data() / kMacroFileName);
#ifndef _WIN32 // no devices among Windows' files
    fs::create_symlink("/dev/zero", data() / kMacroFileName);
    CliRun device = run("macro list");
    EXPECT_EQ(device.status, 1);
    EXPECT_THAT(device.err, HasSubstr("MacroDefine.bin is a device"));
    fs::remove(data() / kMacroFileName);
#endif

    fs::create_directories(data() / kVersionFileName);
    CliRun version = run("info");
    EXPECT_EQ(version.status, 1);
    EXPECT_THAT(version.err, HasSubstr("VER.bin is a folder"));
}

TEST_F(CliSafety, ArgumentsTheCommandsDoNotTake) {
    CliRun info = run("info extra");
    EXPECT_EQ(info.status, 2);
    EXPECT_THAT(info.err, HasSubstr("info takes only --json"));
    EXPECT_FALSE(fs::exists(dir / "kb.bin"));
}

// An empty value (an unset shell variable) is refused before anything is
// made: neither the current folder nor the default one is taken for it.
TEST_F(CliSafety, EmptyOptionValuesAreBadInputAndWriteNothing) {
    environment = "env -u XDG_CONFIG_HOME HOME='" + (dir / "home").string() + "' XDG_STATE_HOME='" +
                  (dir / "state").string() + "'";
    for (const char* args :
         {"--data-dir= read", "--data-dir '' --simulate set brightness=3", "--sim-state= info",
          "--simulate info --sim-state ''", "--simulate --trace= read",
          "read --trace '' --simulate", "--sim-state kb.bin --data-dir= macro add A A:dn A:up"}) {
        CliRun r = run(args, false);
        EXPECT_EQ(r.status, 2) << args << ": " << r.err;
        EXPECT_THAT(r.err, HasSubstr("not an empty value")) << args;
        EXPECT_EQ(r.out, "") << args;
        std::vector<std::string> made;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            made.push_back(entry.path().filename().string());
        }
        std::sort(made.begin(), made.end());
        EXPECT_EQ(made, (std::vector<std::string>{"err.txt", "out.txt"})) << args;
    }
    EXPECT_THAT(run("--data-dir= read", false).err,
                HasSubstr("--data-dir needs a folder, not an empty value"));
    EXPECT_THAT(run("--trace= read", false).err,
                HasSubstr("--trace needs a file name, not an empty value"));
}

// A save cut short (a crash or a power loss between writing the new file and
// renaming it) leaves its temporary file; whoever takes the folder next
// removes the state files' leftovers, and only those.
TEST_F(CliSafety, LeftoversOfASaveCutShortGoWithTheNextCommand) {
    ASSERT_EQ(run("set brightness=5").status, 0);
    const std::vector<std::string> leftovers = {"keymap.bin.tmp-0c1d2e3f",
                                                "MacroDefine.bin.tmp-89abcdef"};
    std::vector<std::string> others = {"keymap.bin.tmp-0c1d2e3", "notes.txt.tmp-01234567",
                                       "keymap.bin.bad"};
#ifndef _WIN32 // one file with the leftover's name on Windows, whose names ignore case
    others.push_back("keymap.bin.tmp-0C1D2E3F");
#endif
    for (const auto& name : leftovers) {
        std::ofstream(data() / name) << "half a save";
    }
    for (const auto& name : others) {
        std::ofstream(data() / name) << "the user's";
    }
    CliRun r = run("macro list");
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& name : leftovers) {
        EXPECT_FALSE(fs::exists(data() / name)) << name;
    }
    for (const auto& name : others) {
        EXPECT_EQ(bytesOf(data() / name), "the user's") << name;
    }
    EXPECT_EQ(fs::file_size(data() / kKeymapFileName), kKeymapFileSize);
}

// A launch path is made whole when it is assigned, so that a key press
// starts it from wherever the desktop program runs.
TEST_F(CliSafety, LaunchPathsWithoutAFolderAreResolvedOrRefused) {
#ifdef _WIN32
    CliRun program = run("assign F1 launch program cmd");
    ASSERT_EQ(program.status, 0) << program.err;
    std::string out = program.out;
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    EXPECT_THAT(out, HasSubstr("launch program c:\\"));
    EXPECT_THAT(out, HasSubstr("\\cmd.exe"));
#else
    CliRun program = run("assign F1 launch program sh");
    ASSERT_EQ(program.status, 0) << program.err;
    EXPECT_THAT(program.out, HasSubstr("launch program /"));
    EXPECT_THAT(program.out, HasSubstr("/sh"));
#endif

    std::ofstream(dir / "notes.txt") << "notes";
    CliRun file = run("assign F2 launch file notes.txt");
    ASSERT_EQ(file.status, 0) << file.err;
    EXPECT_THAT(file.out, HasSubstr("launch file " + (dir / "notes.txt").string()));

    const std::string keymap = bytesOf(data() / kKeymapFileName);
    CliRun missing = run("assign F3 launch program no-such-program-anywhere");
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr("no program \"no-such-program-anywhere\" in PATH"));
    CliRun missingFile = run("assign F3 launch music song.mp3");
    EXPECT_EQ(missingFile.status, 2);
    EXPECT_EQ(bytesOf(data() / kKeymapFileName), keymap);
}

} // namespace
