// SPDX-License-Identifier: MIT
// Runs the built vantrelctl against the simulated keyboard kept in a state
// file, as a user or a script would.
#include "cli_fixture.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vantrel;
using vantrel::testing::Cli;
using vantrel::testing::CliRun;
namespace fs = std::filesystem;
using ::testing::HasSubstr;

TEST_F(Cli, ReadPrintsTheWholeKeyboardAndSavesKeymap) {
    CliRun r = run("read");
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* key :
         {"\"firmware\": \"1.4\"", "\"reportRate\"", "\"keyResponseTime\"", "\"gameMode\"",
          "\"winLock\"", "\"lighting\"", "\"colourIndex\"", "\"keyColours\"", "\"keys\"",
          "\"macroSlots\"", "\"colourMaps\"", "\"wristLighting\"", "\"wristColours\"",
          "\"name\": \"Esc\"", "\"entry\": \"00 00 29 00\""}) {
        EXPECT_THAT(r.out, HasSubstr(key));
    }
    EXPECT_EQ(fs::file_size(dir / "data" / "keymap.bin"), kKeymapFileSize);
    EXPECT_TRUE(fs::exists(dir / "kb.bin")); // created with factory settings, saved at exit
}

TEST_F(Cli, SetSendsCheckedFieldsAndKeepsThemAcrossRuns) {
    CliRun r = run("set brightness=7 key-colour.3=#0A0B0C wrist.speed=1 effect=53 win-lock=1");
    ASSERT_EQ(r.status, 0) << r.err;
    const ConfigImage state = keyboardState();
    EXPECT_EQ(state.lightBrightness(), 7);
    EXPECT_EQ(state.keyColour(2), (Rgb{0x0A, 0x0B, 0x0C}));
    EXPECT_EQ(state.wristLighting()[image::kWristSpeed], 3);
    EXPECT_EQ(state.lightEffect(), 53);
    EXPECT_EQ(state.keyEnableMap()[0] & 0x02, 0); // the left Windows key is off

    ConfigImage saved;
    AssignmentTable table;
    ASSERT_TRUE(LoadKeymapFile(dir / "data" / "keymap.bin", saved, table, false));
    EXPECT_EQ(saved.lightBrightness(), 7);
    EXPECT_EQ(saved.winLock(), 1);

    CliRun read = run("read");
    EXPECT_THAT(read.out, HasSubstr("\"brightness\": 7"));
    EXPECT_THAT(read.out, HasSubstr("#0A0B0C"));
}

TEST_F(Cli, BadInputIsRefusedBeforeAnythingIsSent) {
    for (const char* args :
         {"set speed=10", "set effect=7", "set key-colour.8=#000000", "set wrist-colour.1=123456",
          "set nonsense=1", "set", "frobnicate", "--bogus read", "apply missing.bin", "export"}) {
        CliRun r = run("--trace trace.txt " + std::string(args));
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
        EXPECT_THAT(r.err, HasSubstr("vantrelctl: ")) << args;
        EXPECT_FALSE(fs::exists(dir / "kb.bin")) << args; // the keyboard was never opened
        EXPECT_FALSE(fs::exists(dir / "trace.txt")) << args;
    }
}

// The lock is sent as the left Windows key's enable bit and read back from
// the keyboard's own lock bit; both runs of the tool must agree.
TEST_F(Cli, WindowsKeyLockSurvivesARead) {
    ASSERT_EQ(run("set win-lock=1").status, 0);
    EXPECT_EQ(keyboardState().keyEnableMap()[0] & 0x02, 0);
    CliRun r = run("read");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\"winLock\": 1"));
    ASSERT_EQ(run("set win-lock=0").status, 0);
    EXPECT_THAT(run("read").out, HasSubstr("\"winLock\": 0"));
}

TEST_F(Cli, ExportApplyAndReset) {
    ASSERT_EQ(run("set brightness=3 report-rate=1").status, 0);
    CliRun e = run("export profile.bin");
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(fs::file_size(dir / "profile.bin"), kKeymapFileSize);

    ASSERT_EQ(run("reset").status, 0);
    EXPECT_EQ(keyboardState().lightBrightness(),
              sim::SimulatedKeyboard::factoryState().lightBrightness());

    CliRun a = run("apply profile.bin");
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(keyboardState().lightBrightness(), 3);
    EXPECT_EQ(keyboardState().reportRate(), 1);
}

TEST_F(Cli, DeviceErrorsExitWithOne) {
    // A keyboard that never acknowledges: the state file cannot say that, so
    // use a missing real keyboard instead, which every test machine has.
    CliRun r = run("--data-dir data read", false);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;

    CliRun help = run("--help", false);
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("--sim-state FILE"));
}
