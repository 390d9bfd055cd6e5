// SPDX-License-Identifier: MIT
#include "core/model/program_bindings.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace vantrel;
namespace fs = std::filesystem;

namespace {

TEST(ProgramBindings, ExecutableWinsOverClassAndClassIgnoresCase) {
    ProgramBindings b;
    b.bind("class:Steam", "Shop");
    b.bind("/usr/games/kart", "Racing");
    EXPECT_EQ(b.profileFor({"/usr/games/kart", "steam"}), "Racing");
    EXPECT_EQ(b.profileFor({"/usr/bin/other", "STEAM"}), "Shop");
    EXPECT_EQ(b.profileFor({"/usr/bin/other", "Ste"}), std::nullopt);
    EXPECT_EQ(b.profileFor({"", ""}), std::nullopt);
    // A class binding never matches an executable that happens to read "class:...".
    EXPECT_EQ(b.profileFor({"class:Steam", ""}), std::nullopt);
    b.bind("/usr/games/kart", "Quiet");
    EXPECT_EQ(b.all().size(), 2u);
    EXPECT_EQ(b.profileFor({"/usr/games/kart", ""}), "Quiet");
}

// A path typed by the user and the one Windows reports for the running
// process differ in case and slashes; on other systems case is part of the name.
TEST(ProgramBindings, ExecutablePathsCompareAsTheSystemNamesFiles) {
    ProgramBindings b;
#ifdef _WIN32
    b.bind("C:/Games/Kart/Kart.exe", "Racing");
    EXPECT_EQ(b.profileFor({"c:\\games\\kart\\KART.EXE", ""}), "Racing");
    b.bind("c:\\games\\kart\\kart.exe", "Quiet");
    EXPECT_EQ(b.all().size(), 1u);
    EXPECT_TRUE(b.unbind("C:\\Games\\Kart\\Kart.exe"));
#else
    b.bind("/usr/games/Kart", "Racing");
    EXPECT_EQ(b.profileFor({"/usr/games/kart", ""}), std::nullopt);
    b.bind("/usr/games/kart", "Quiet");
    EXPECT_EQ(b.all().size(), 2u);
    EXPECT_FALSE(b.unbind("/usr/games/KART"));
#endif
}

TEST(ProgramBindings, SwitchingIsOnOnceABindingExistsUnlessTurnedOff) {
    ProgramBindings b;
    EXPECT_FALSE(b.switchingOn());
    b.bind("class:a", "A");
    EXPECT_TRUE(b.switchingOn());
    b.setSwitching(false);
    auto again = ProgramBindings::parse(b.text());
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->switchingOn());
    EXPECT_EQ(again->all().size(), 1u);
    EXPECT_EQ(again->unbindProfile("A"), 1u);
    EXPECT_FALSE(again->unbind("class:a"));
}

TEST(ProgramBindings, ProgramsMustBeAbsolutePathsOrClasses) {
    EXPECT_TRUE(ProgramBindings::checkProgram("/usr/bin/game"));
    EXPECT_TRUE(ProgramBindings::checkProgram("class:steam_app_1"));
    for (const char* bad : {"game", "bin/game", "class:", "", "/usr/bin/a\tb", "/a\nb"}) {
        EXPECT_FALSE(ProgramBindings::checkProgram(bad)) << bad;
    }
}

TEST(ProgramBindings, DamagedTextsAreRefused) {
    for (const char* text :
         {"", "vantrel-bindings 2\n", "vantrel-bindings 1\nbind\t/a\n",
          "vantrel-bindings 1\nbind\trelative\tA\n", "vantrel-bindings 1\nbind\t/a\t../up\n",
          "vantrel-bindings 1\nswitching maybe\n", "bind\t/a\tA\n"}) {
        EXPECT_FALSE(ProgramBindings::parse(text)) << text;
    }
    auto ok = ProgramBindings::parse("vantrel-bindings 1\r\n# note\n\nbind\t/a b\tMy Game\n");
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->profileFor({"/a b", ""}), "My Game");
}

TEST(BindingsFile, MissingIsEmptyDamagedIsMovedAsideSavedRoundTrips) {
    vantrel::testing::TempDir dir;
    const fs::path file = dir / "config" / kBindingsFileName;
    auto none = LoadBindingsFile(file);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->bindings.empty());
    EXPECT_FALSE(none->problem);

    ProgramBindings b;
    b.bind("/opt/game", "Racing");
    ASSERT_TRUE(SaveBindingsFile(file, b));
    auto back = LoadBindingsFile(file);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bindings.profileFor({"/opt/game", ""}), "Racing");

    std::ofstream(file) << "vantrel-bindings 1\nnonsense\n";
    auto damaged = LoadBindingsFile(file);
    ASSERT_TRUE(damaged);
    ASSERT_TRUE(damaged->problem);
    EXPECT_NE(damaged->problem->message.find(".bad"), std::string::npos);
    EXPECT_EQ(damaged->problem->code, ErrorCode::BadFile);
    EXPECT_FALSE(damaged->bindings.switchingOn());
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::exists(dir / "config" / (std::string(kBindingsFileName) + ".bad")));
}

} // namespace
