// SPDX-License-Identifier: MIT
// vantrelctl assign and macro against the simulated keyboard: what reaches
// the keyboard, what the files hold, and what is refused before anything is
// written.
#include "cli_fixture.h"
#include "core/macro/macro_list.h"
#include "core/model/key_positions.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vantrel;
using vantrel::testing::Cli;
using vantrel::testing::CliRun;
namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

constexpr std::size_t kEsc = 0;
constexpr std::size_t kF1 = 1;
constexpr std::size_t kF2 = 2;

// Every write-all sends the wrist-rest record and its seven colours first.
std::vector<std::string> withWristRest(const std::vector<std::string>& rest) {
    std::vector<std::string> v = {"15"};
    for (int i = 0; i < 7; ++i) {
        v.push_back("16");
    }
    v.insert(v.end(), rest.begin(), rest.end());
    return v;
}

std::vector<std::uint8_t> entryOf(const ConfigImage& image, std::size_t position) {
    const auto e = image.keyTableEntry(KeyPositionMatrixCode(position));
    return {e.begin(), e.end()};
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
        out.push_back(l);
    }
    return out;
}

class CliEdit : public Cli {
protected:
    fs::path data() { return dir / "data"; }

    AssignmentTable savedAssignments() {
        ConfigImage image;
        AssignmentTable table;
        EXPECT_TRUE(LoadKeymapFile(data() / kKeymapFileName, image, table, false));
        return table;
    }

    void expectFileSizes() {
        EXPECT_EQ(fs::file_size(data() / kKeymapFileName), kKeymapFileSize);
        EXPECT_EQ(fs::file_size(data() / kMacroFileName), kMacroFileSize);
    }

    // Bad input: exit 2, one line on stderr, keyboard and files untouched.
    void expectRefused(const std::string& args) {
        fs::remove(dir / "refused-trace.txt");
        CliRun r = run("--trace refused-trace.txt " + args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
        EXPECT_THAT(r.err, HasSubstr("vantrelctl: ")) << args;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_FALSE(fs::exists(dir / "refused-trace.txt")) << args; // never opened
    }
};

} // namespace

TEST_F(CliEdit, AssigningAKeySendsOnlyTheKeyTable) {
    CliRun r = run("--trace trace.txt assign F1 key Esc");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "F1: key Esc\n");
    EXPECT_EQ(writeAllCommands("trace.txt"), withWristRest({"08 01", "0D", "08 02"}));
    EXPECT_THAT(entryOf(keyboardState(), kF1), ElementsAre(0, 0, 0x29, 0));

    const AssignmentTable table = savedAssignments();
    EXPECT_EQ(table[kF1].kind(), 0);
    EXPECT_EQ(table[kF1].data()[0], 0x1B);
    EXPECT_EQ(table[kF1].keyCount(), 1);
    expectFileSizes();

    // Every other way of naming the key reaches the same one.
    ASSERT_EQ(run("assign 1x key A").status, 2);
    ASSERT_EQ(run("assign '#1' combo LCtrl+C").status, 0);
    EXPECT_THAT(entryOf(keyboardState(), kF1), ElementsAre(0, 0xE0, 0x06, 0));
    ASSERT_EQ(run("assign F2 function mute").status, 0);
    EXPECT_THAT(entryOf(keyboardState(), kF2), ElementsAre(3, 0, 0xE2, 0));
}

TEST_F(CliEdit, DisableAndDefaultSetTheEnableBit) {
    const auto bit = KeyPositionEnableBit(kEsc);
    ASSERT_EQ(run("assign Esc key F5").status, 0);
    CliRun off = run("assign Esc disable");
    ASSERT_EQ(off.status, 0) << off.err;
    EXPECT_EQ(off.out, "Esc: default (disabled)\n");
    EXPECT_FALSE(keyboardState().keyEnabled(bit));
    EXPECT_EQ(entryOf(keyboardState(), kEsc),
              entryOf(sim::SimulatedKeyboard::factoryState(), kEsc));

    ASSERT_EQ(run("--trace trace.txt assign Esc default").status, 0);
    EXPECT_TRUE(keyboardState().keyEnabled(bit));
    // Only the enable map changed: the key table already held the default.
    EXPECT_EQ(writeAllCommands("trace.txt"), withWristRest({"08 01", "0E", "08 02"}));
}

TEST_F(CliEdit, AssigningAMacroSendsTheKeyAndItsSlot) {
    ASSERT_EQ(run("macro add Fire --loop 300 MsLB:dn 40ms MsLB:up").status, 0);
    CliRun r = run("--trace trace.txt assign G macro Fire");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "G: macro 0\n");
    // The slot went with the macro itself; the assignment sends the key table.
    EXPECT_EQ(writeAllCommands("trace.txt"), withWristRest({"08 01", "0D", "08 02"}));
    const ConfigImage kb = keyboardState();
    std::size_t g = 0;
    while (KeyPositionVk(g) != 'G') {
        ++g;
    }
    EXPECT_THAT(entryOf(kb, g), ElementsAre(4, 1, 0, 0));
    const auto slot = kb.macroSlot(0);
    EXPECT_THAT(std::vector<std::uint8_t>(slot.begin(), slot.begin() + 6),
                ElementsAre(0x01, 0x2C, 0x01, 0xF0, 40 | 0x80, 0xF0));
    const AssignmentTable table = savedAssignments();
    EXPECT_EQ(table[g].kind(), 2);
    EXPECT_THAT(std::vector<std::uint8_t>(table[g].data().begin(), table[g].data().begin() + 4),
                ElementsAre(4, 1, 0, 0));
}

TEST_F(CliEdit, BadAssignmentsAreRefusedBeforeAnythingIsWritten) {
    const std::string longPath(256, 'p');
    for (const std::string& args :
         {"assign F1 launch program /" + longPath, std::string("assign 1 key A"),
          std::string("assign 108 key A"), std::string("assign Foo key A"),
          std::string("assign F1 key Nope"), std::string("assign F1 key MsLB"),
          std::string("assign F1 combo A+B+C+D"), std::string("assign F1 macro 0"),
          std::string("assign F1 function nothing"), std::string("assign F1 launch pictures x"),
          std::string("assign F1 disable now"), std::string("assign F1")}) {
        expectRefused(args);
        EXPECT_FALSE(fs::exists(dir / "kb.bin")) << args; // the keyboard was never opened
        EXPECT_FALSE(fs::exists(data())) << args;         // nor any file written
    }
    CliRun ambiguous = run("assign 3 key A");
    EXPECT_THAT(ambiguous.err, HasSubstr("ambiguous"));
    EXPECT_THAT(ambiguous.err, HasSubstr("#3"));
}

TEST_F(CliEdit, MacroAddListShowDeleteRoundTrip) {
    CliRun empty = run("macro list");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_FALSE(fs::exists(dir / "kb.bin")); // list needs no keyboard

    ASSERT_EQ(run("macro add Greet --loop 3 A:dn 120ms A:up 200ms MsLB:dn MsLB:up").status, 0);
    ASSERT_EQ(run("--trace trace.txt macro add 'Second one' B:dn,B:up").status, 0);
    expectRefused("macro add Greet C:dn"); // the name is taken
    // Only the new macro's slot travels.
    EXPECT_EQ(writeAllCommands("trace.txt"), withWristRest({"08 01", "11 01", "08 02"}));
    expectFileSizes();

    CliRun list = run("macro list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_THAT(lines(list.out),
                ElementsAre("0\tGreet\tloop 3\t4 events", "1\tSecond one\tloop 1\t2 events"));

    CliRun show = run("macro show 0");
    ASSERT_EQ(show.status, 0) << show.err;
    EXPECT_THAT(lines(show.out),
                ElementsAre("A  dn", "120 ms", "A  up", "200 ms", "MsLB dn", "MsLB up"));

    // Macro 0 is deleted: macro 1 moves into slot 0 and only slot 0 is sent.
    CliRun del = run("--trace trace.txt macro delete 0");
    ASSERT_EQ(del.status, 0) << del.err;
    EXPECT_EQ(del.out, "deleted macro 0 \"Greet\"\n");
    EXPECT_EQ(writeAllCommands("trace.txt"), withWristRest({"08 01", "11 00", "08 02"}));
    EXPECT_THAT(lines(run("macro list").out), ElementsAre("0\tSecond one\tloop 1\t2 events"));
    const ConfigImage kb = keyboardState();
    EXPECT_EQ(kb.macroSlot(0)[0], 0);
    EXPECT_EQ(kb.macroSlot(0)[1], 1);
    EXPECT_EQ(kb.macroSlot(0)[3], 0x05); // B
    expectFileSizes();
}

TEST_F(CliEdit, DeletingAMacroKeepsKeysOnTheirMacros) {
    ASSERT_EQ(run("macro add M0 A:dn A:up").status, 0);
    ASSERT_EQ(run("macro add M1 B:dn B:up").status, 0);
    ASSERT_EQ(run("macro add M2 C:dn C:up").status, 0);
    ASSERT_EQ(run("assign F1 macro 0").status, 0);
    ASSERT_EQ(run("assign F2 macro 2").status, 0);

    CliRun del = run("macro delete 0");
    ASSERT_EQ(del.status, 0) << del.err;
    EXPECT_THAT(del.err, HasSubstr("key F1 played the deleted macro 0"));
    EXPECT_THAT(del.err, HasSubstr("key F2 now plays macro 1, which was macro 2"));
    const ConfigImage kb = keyboardState();
    EXPECT_EQ(entryOf(kb, kF1), entryOf(sim::SimulatedKeyboard::factoryState(), kF1));
    EXPECT_THAT(entryOf(kb, kF2), ElementsAre(4, 1, 1, 0));
    EXPECT_EQ(kb.macroSlot(1)[3], 0x06); // M2's C now in slot 1
    const AssignmentTable table = savedAssignments();
    EXPECT_EQ(table[kF1].kind(), 0);
    EXPECT_EQ(table[kF2].data()[2], 1);
}

TEST_F(CliEdit, BadMacroInputIsRefusedBeforeAnythingIsWritten) {
    for (const std::string& args :
         {std::string("macro add X A:dn 120ms"), std::string("macro add X A:sideways"),
          std::string("macro add X 1ms A:dn"), std::string("macro add X --loop 1000 A:dn"),
          std::string("macro add X --loop 0"), std::string("macro add ''"),
          "macro add " + std::string(255, 'n'), std::string("macro add"),
          std::string("macro show x"), std::string("macro show 0"), std::string("macro delete 0"),
          std::string("macro"), std::string("macro rename 0 X")}) {
        expectRefused(args);
        EXPECT_FALSE(fs::exists(dir / "kb.bin")) << args;
        EXPECT_FALSE(fs::exists(data())) << args;
    }
    // Too many events for the 190 bytes.
    std::string many;
    for (int i = 0; i < 48; ++i) {
        many += " A:dn A:up";
    }
    expectRefused("macro add X" + many);
}

TEST_F(CliEdit, TheMacroFileDecidesWhatFits) {
    MacroTable table;
    for (std::size_t i = 0; i < 33; ++i) {
        const std::string name = "M" + std::to_string(i);
        ASSERT_TRUE(table[i].setName(std::u16string(name.begin(), name.end())));
    }
    fs::create_directories(data());
    ASSERT_TRUE(SaveMacroFile(data() / kMacroFileName, table));

    CliRun list = run("macro list");
    ASSERT_EQ(list.status, 0) << list.err;
    const auto shown = lines(list.out);
    ASSERT_EQ(shown.size(), 33u);
    EXPECT_EQ(shown[31], "31\tM31\tloop 1\t0 events");
    EXPECT_EQ(shown[32], "32\tM32\tloop 1\t0 events\tnot on the keyboard");
    expectRefused("macro add Another A:dn A:up");

    // A file of the wrong size is refused by list (a file error, not bad
    // input) and moved aside by add.
    std::ofstream(data() / kMacroFileName, std::ios::binary | std::ios::trunc) << "short";
    CliRun damaged = run("macro list");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_THAT(damaged.err, HasSubstr("MacroDefine.bin is 5 bytes"));
    CliRun add = run("macro add New A:dn A:up");
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_THAT(add.err, HasSubstr("MacroDefine.bin"));
    EXPECT_TRUE(fs::exists(data() / "MacroDefine.bin.bad"));
    EXPECT_EQ(lines(run("macro list").out), std::vector<std::string>{"0\tNew\tloop 1\t2 events"});
    expectFileSizes();
}

TEST_F(CliEdit, HelpListsTheNewCommands) {
    CliRun help = run("--help", false);
    EXPECT_THAT(help.out, HasSubstr("assign KEY TARGET"));
    EXPECT_THAT(help.out, HasSubstr("macro ACTION"));
    CliRun macroHelp = run("macro --help", false);
    EXPECT_THAT(macroHelp.out, HasSubstr("macro add NAME [--loop N] [EVENT ...]"));
    CliRun assignHelp = run("assign --help", false);
    EXPECT_THAT(assignHelp.out, HasSubstr("launch music|program|file|folder PATH"));
}
