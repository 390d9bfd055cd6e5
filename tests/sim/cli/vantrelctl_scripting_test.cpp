// SPDX-License-Identifier: MIT
// What scripts rely on: options in any place, JSON output, the words for the
// shell completion, the per-key colour fields of set.
#include "cli_fixture.h"
#include "core/model/key_positions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vantrel;
using ::testing::HasSubstr;
using vantrel::testing::Cli;
using vantrel::testing::CliRun;
namespace fs = std::filesystem;

TEST_F(Cli, GlobalOptionsMayFollowTheCommandAndTakeTheirValueAfterAnEqualsSign) {
    CliRun r = run("info --sim-state=kb.bin --data-dir=data", false);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("(simulated)"));
    EXPECT_THAT(r.out, HasSubstr("data folder: data"));
    EXPECT_TRUE(fs::exists(dir / "kb.bin"));
    EXPECT_TRUE(fs::exists(dir / "data" / "keymap.bin"));
    // The command's own options stay with the command, wherever the global ones are.
    r = run("macro --simulate add Hello --loop=4 --data-dir data H:dn H:up", false);
    ASSERT_EQ(r.status, 0) << r.err;
    r = run("macro list --data-dir data", false);
    EXPECT_THAT(r.out, HasSubstr("Hello\tloop 4"));
}

TEST_F(Cli, DoubleDashEndsTheOptionsAndOptionMistakesAreBadUsage) {
    // After "--" a word that looks like an option is a macro name.
    CliRun r = run("macro add -- --loop A:dn A:up");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(run("macro list").out, HasSubstr("0\t--loop\t"));
    for (const char* args :
         {"--simulate=1 info", "--version=2", "--bogus=3 info", "info --data-dir", "--complete",
          "--complete nonsense", "info --verbose", "macro list --csv"}) {
        r = run(std::string(args), false);
        EXPECT_EQ(r.status, 2) << args << ": " << r.err;
        EXPECT_THAT(r.err, HasSubstr("vantrelctl: ")) << args;
    }
}

TEST_F(Cli, InfoAndMacroListSpeakJson) {
    CliRun r = run("info --json");
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* key :
         {"\"vendorId\": \"04D9\"", "\"productId\": \"A1DF\"", "\"simulated\": true",
          "\"firmware\": \"1.4\"", "\"updaterFirmware\": null", "\"dataFolder\": \"data\""}) {
        EXPECT_THAT(r.out, HasSubstr(key));
    }
    EXPECT_EQ(run("macro list --json").out, "[]\n");
    ASSERT_EQ(run("macro add \"Say \\\"hi\\\"\" --loop 2 H:dn H:up I:dn I:up").status, 0);
    r = run("macro list --json");
    EXPECT_THAT(r.out, HasSubstr("\"name\": \"Say \\\"hi\\\"\""));
    EXPECT_THAT(r.out, HasSubstr("\"loopCount\": 2"));
    EXPECT_THAT(r.out, HasSubstr("\"events\": 4"));
    EXPECT_THAT(r.out, HasSubstr("\"onKeyboard\": true"));
}

TEST_F(Cli, ReadNamesEverySettingAsSetTakesIt) {
    ASSERT_EQ(run("set speed=3 wrist.speed=1 key-colour.2=#102030").status, 0);
    CliRun r = run("read");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\"speed\": 3,"));
    // The record keeps 4 minus the slider; read gives the slider back.
    EXPECT_THAT(r.out, HasSubstr("\"wrist.speed\": 1,"));
    EXPECT_THAT(r.out, HasSubstr("\"key-colour.2\": \"#102030\""));
    EXPECT_THAT(r.out, HasSubstr("\"colour-map.5\": \"#"));
    EXPECT_THAT(r.out, HasSubstr("\"key\": \"Esc\""));
    EXPECT_THAT(r.out, HasSubstr("\"assign\": [\"default\"]"));
    EXPECT_THAT(r.out, HasSubstr("\"macros\": []"));
}

TEST_F(Cli, ColourMapsAreSetWholeOrKeyByKey) {
    std::string all;
    for (std::size_t p = 0; p < kKeyPositionCount; ++p) {
        all += (p ? "," : "") + std::string(p % 2 ? "#010203" : "#A0B0C0");
    }
    CliRun r =
        run("set colour-map.2=" + all + " colour-map.4.Esc=#FF0000 colour-map.4.#16=#00FF00");
    ASSERT_EQ(r.status, 0) << r.err;
    const ConfigImage state = keyboardState();
    EXPECT_EQ(state.colourMapEntry(1, KeyPositionMatrixCode(0)), (Rgb{0xA0, 0xB0, 0xC0}));
    EXPECT_EQ(state.colourMapEntry(1, KeyPositionMatrixCode(107)), (Rgb{0x01, 0x02, 0x03}));
    EXPECT_EQ(state.colourMapEntry(3, KeyPositionMatrixCode(0)), (Rgb{0xFF, 0, 0}));
    EXPECT_EQ(state.colourMapEntry(3, KeyPositionMatrixCode(16)), (Rgb{0, 0xFF, 0}));

    fs::remove(dir / "kb.bin");
    for (const std::string& bad : std::vector<std::string>{
             "colour-map.6.Esc=#FF0000", "colour-map.0=" + all, "colour-map.1=" + all + ",#000000",
             "colour-map.1=#000000", "colour-map.1.Nokey=#000000", "colour-map.1.Esc=red",
             "colour-map.1=" + all.substr(0, all.size() - 1) + ","}) {
        r = run("set " + bad);
        EXPECT_EQ(r.status, 2) << bad.substr(0, 40) << ": " << r.err;
        EXPECT_FALSE(fs::exists(dir / "kb.bin")) << bad.substr(0, 40);
    }
}

TEST_F(Cli, CompletionWordsComeFromTheProgram) {
    CliRun r = run("--complete commands", false);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "info\nread\nset\napply\nexport\nreset\nassign\nmacro\nprofile\ndiagnose\n");
    r = run("--complete fields", false);
    EXPECT_THAT(r.out, HasSubstr("\nbrightness=\n"));
    EXPECT_THAT(r.out, HasSubstr("\nwrist-colour.7=\n"));
    EXPECT_THAT(r.out, HasSubstr("\ncolour-map.5=\n"));
    r = run("--complete keys", false);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 108);
    EXPECT_THAT(r.out, HasSubstr("\nEnter-num\n"));
    EXPECT_THAT(run("--complete functions", false).out, HasSubstr("mute\n"));
}
