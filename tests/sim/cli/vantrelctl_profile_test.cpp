// SPDX-License-Identifier: MIT
// vantrelctl profile: profiles by name in the profile folder, what a load
// sends, the bindings file, and input that is refused before anything is
// written.
#include "cli_fixture.h"
#include "core/model/program_bindings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vantrel;
using vantrel::testing::Cli;
using vantrel::testing::CliRun;
namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class CliProfile : public Cli {
protected:
    void SetUp() override {
        Cli::SetUp();
#ifndef _WIN32
        // The bindings live in the user's configuration folder: a folder of
        // the test's own.
        environment = "env XDG_CONFIG_HOME='" + (dir / "config").string() + "'";
#endif
    }
    fs::path profiles() {
        return dir / "data" / kProfileFolderName;
    }
    fs::path bindings() {
        return dir / "config" / kBindingsFileName;
    }
    std::string fileText(const fs::path& p) {
        return vantrel::testing::slurp(p);
    }
};

TEST_F(CliProfile, SavedProfilesAreListedAndLoadSendsOnlyWhatDiffers) {
    ASSERT_EQ(run("set brightness=10 response-time=2").status, 0);
    ASSERT_EQ(run("profile save Quiet").status, 0);
    ASSERT_EQ(run("set brightness=40 response-time=5").status, 0);
    ASSERT_EQ(run("profile save Racing").status, 0);
    EXPECT_TRUE(fs::is_regular_file(profiles() / "Quiet.bin"));
    EXPECT_EQ(fs::file_size(profiles() / "Racing.bin"), kKeymapFileSize);

    CliRun list = run("profile list");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "  Quiet\n* Racing\n");

    CliRun load = run("profile load Quiet --trace load.txt");
    EXPECT_EQ(load.status, 0) << load.err;
    EXPECT_EQ(keyboardState().lightBrightness(), 10);
    // The response time and the brightness differ, and nothing else: the
    // bracket holds the one command, the brightness goes with its end.
    EXPECT_THAT(writeAllCommands("load.txt"), ElementsAre("15", "16", "16", "16", "16", "16", "16",
                                                          "16", "08 01", "04", "08 02"));

    // The same profile again: the keyboard holds it, only the wrist-rest
    // record and colours go, which every write-all sends.
    ASSERT_EQ(run("profile load Quiet --trace again.txt").status, 0);
    EXPECT_THAT(writeAllCommands("again.txt"),
                ElementsAre("15", "16", "16", "16", "16", "16", "16", "16"));
    const std::string json = run("profile list --json").out;
    EXPECT_LT(json.find("\"inKeymap\": true"), json.find("Racing")) << json;
    EXPECT_NE(json.find("\"inKeymap\": false"), std::string::npos) << json;
}

TEST_F(CliProfile, BadNamesAndMissingProfilesChangeNothing) {
    ASSERT_EQ(run("set brightness=7").status, 0);
    const std::string keymapBefore = fileText(dir / "data" / kKeymapFileName);
    for (const char* args :
         {"profile", "profile load", "profile load ../keymap", "profile save a/b",
          "profile load Nothing", "profile delete Nothing", "profile frobnicate",
          "profile bind Nothing /bin/sh", "profile list extra", "profile unbind relative/path"}) {
        CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args << ": " << r.err;
        EXPECT_THAT(r.err, HasSubstr("vantrelctl: ")) << args;
    }
    EXPECT_EQ(fileText(dir / "data" / kKeymapFileName), keymapBefore);
    EXPECT_FALSE(fs::exists(bindings()));

    // A profile of the wrong size is a damaged file: status 1, keyboard untouched.
    fs::create_directories(profiles());
    std::ofstream(profiles() / "Short.bin") << "short";
    const ConfigImage before = keyboardState();
    CliRun r = run("profile load Short --trace t.txt");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(fileText(dir / "t.txt"), "");
    const ConfigImage after = keyboardState();
    EXPECT_TRUE(std::equal(after.bytes().begin(), after.bytes().end(), before.bytes().begin()));
}

#ifndef _WIN32 // the local application data folder cannot be moved for one test
TEST_F(CliProfile, BindingsAreKeptResolvedAndFollowDeletedProfiles) {
    ASSERT_EQ(run("profile save Racing").status, 0);
    ASSERT_EQ(run("profile save Work").status, 0);
    fs::create_directories(dir / "bin");
    std::ofstream(dir / "bin" / "game-real") << "#!/bin/sh\n";
    fs::create_symlink(dir / "bin" / "game-real", dir / "bin" / "game");

    EXPECT_EQ(run("profile bind Racing '" + (dir / "bin" / "game").string() + "'").status, 0);
    EXPECT_EQ(run("profile bind Work class:Code").status, 0);
    CliRun listed = run("profile bindings");
    EXPECT_EQ(listed.out,
              fs::canonical(dir / "bin" / "game-real").string() + "\tRacing\nclass:Code\tWork\n");
    EXPECT_THAT(run("profile bindings --json").out, HasSubstr("\"switching\": true"));
    // The file is found again by a program of its own.
    auto loaded = LoadBindingsFile(bindings());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->bindings.profileFor({"", "code"}), "Work");

    EXPECT_EQ(run("profile unbind class:Code").status, 0);
    EXPECT_EQ(run("profile unbind class:Code").status, 2);
    CliRun deleted = run("profile delete Racing");
    EXPECT_EQ(deleted.status, 0);
    EXPECT_THAT(deleted.out, HasSubstr("unbound 1 program"));
    EXPECT_FALSE(fs::exists(profiles() / "Racing.bin"));
    EXPECT_EQ(run("profile bindings").out, "");
}

TEST_F(CliProfile, ADamagedBindingsFileIsMovedAsideAndReported) {
    fs::create_directories(dir / "config");
    std::ofstream(bindings()) << "something else\n";
    CliRun r = run("profile bindings");
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("damaged"));
    EXPECT_TRUE(fs::exists(dir / "config" / (std::string(kBindingsFileName) + ".bad")));
    EXPECT_FALSE(fs::exists(bindings()));
}

TEST_F(CliProfile, ABindingMovesWithAWordAndADamagedFileTakesNoNewBinding) {
    ASSERT_EQ(run("profile save Racing").status, 0);
    ASSERT_EQ(run("profile save Work").status, 0);
    ASSERT_EQ(run("profile bind Racing class:Kart").status, 0);
    CliRun moved = run("profile bind Work class:Kart");
    EXPECT_EQ(moved.status, 0);
    EXPECT_THAT(moved.out, HasSubstr("it was bound to profile Racing"));
    EXPECT_EQ(run("profile bindings").out, "class:Kart\tWork\n");

    const std::string damaged = "vantrel-bindings 1\nbind\tclass:Kart\n";
    std::ofstream(bindings()) << damaged;
    CliRun refused = run("profile bind Racing class:Notes");
    EXPECT_EQ(refused.status, 1);
    EXPECT_THAT(refused.err, HasSubstr("damaged"));
    EXPECT_FALSE(fs::exists(bindings()));
    EXPECT_EQ(fileText(dir / "config" / (std::string(kBindingsFileName) + ".bad")), damaged);
    // Said once: the next binding starts a new file.
    EXPECT_EQ(run("profile bind Racing class:Notes").status, 0);
    EXPECT_EQ(run("profile bindings").out, "class:Notes\tRacing\n");
}

#endif

TEST_F(CliProfile, CompletionOffersTheActionsAndTheProfiles) {
    ASSERT_EQ(run("profile save Racing").status, 0);
    EXPECT_THAT(run("--complete profile-actions", false).out, HasSubstr("bindings\n"));
    EXPECT_EQ(run("--data-dir data --complete profiles", false).out, "Racing\n");
}

} // namespace
