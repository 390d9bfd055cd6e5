// SPDX-License-Identifier: MIT
// vantrelctl when the desktop program keeps the data folder but cannot
// serve it: said within seconds, nothing written.
#include "cli_fixture.h"
#include "platform/data_folder_lock.h"
#include "platform/instance_socket.h"
#include "remote/fake_program.h"
#include "remote/protocol.h"

#include <chrono>
#include <gmock/gmock.h>
#include <optional>

#ifdef VANTRELCTL_PATH
namespace vantrel::cli {
namespace {

using ::testing::HasSubstr;
using vantrel::testing::CliRun;
namespace fs = std::filesystem;

struct CliDesktop : vantrel::testing::Cli {
    fs::path data() const { return dir / "data"; }
    fs::path runtime = dir / "runtime";
    std::optional<platform::DataFolderLock> desktop;

    CliDesktop() {
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
        environment = "env XDG_RUNTIME_DIR='" + runtime.string() + "'";
        fs::create_directories(data());
        auto lock = platform::DataFolderLock::acquire(data(), platform::kDesktopProgramName,
                                                      std::chrono::milliseconds(0));
        EXPECT_TRUE(lock.ok());
        desktop.emplace(std::move(*lock));
    }
    // The socket the desktop program would listen on for this runtime folder.
    fs::path socket() const {
        return runtime / fs::path(platform::instanceSocketName()).filename();
    }
};

TEST_F(CliDesktop, ADesktopProgramThatHangsIsToldAboutInSeconds) {
    vantrel::testing::FakeProgram hung(socket(), [](int, const std::string&) {});
    const auto start = std::chrono::steady_clock::now();
    CliRun r = run("set brightness=3");
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr("did not take the request in time"));
    EXPECT_LT(took, std::chrono::seconds(6));
    EXPECT_FALSE(fs::exists(data() / kKeymapFileName));
}

TEST_F(CliDesktop, TheAnswerIsGivenOutAsIfTheCommandRanHere) {
    std::string seen;
    vantrel::testing::FakeProgram program(socket(), [&seen](int fd, const std::string& line) {
        seen = line;
        vantrel::testing::FakeProgram::say(fd, remote::encodeAccepted());
        remote::CommandAnswer a;
        a.status = 2;
        a.standardOutput = "out\n";
        a.standardError = "vantrelctl: err\n";
        a.trace = {"> set-feature 00 15 00", "pause 20"};
        vantrel::testing::FakeProgram::say(fd, remote::encodeAnswer(a));
    });
    CliRun r = run("--trace t.txt set brightness=3");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "out\n");
    EXPECT_EQ(r.err, "vantrelctl: err\n");
    EXPECT_EQ(vantrel::testing::slurp(dir / "t.txt"), "> set-feature 00 15 00\npause 20\n");
    auto request = remote::decodeRequest(seen);
    ASSERT_TRUE(request.ok()) << seen;
    EXPECT_EQ(request->command, "set");
    EXPECT_EQ(request->args, std::vector<std::string>{"brightness=3"});
    EXPECT_EQ(fs::path(request->workingFolder), fs::weakly_canonical(dir.path()));
    EXPECT_TRUE(request->trace);
}

// A command that reads only files opens no keyboard, so it has no trace to
// give: the file named is left alone, as when the command runs here.
TEST_F(CliDesktop, ACommandThatReadsOnlyFilesMakesNoTrace) {
    // Runs one command against a stand-in that answers success: the request.
    const auto served = [this](const std::string& args) {
        remote::CommandRequest seen;
        {
            vantrel::testing::FakeProgram program(socket(), [&seen](int fd,
                                                                    const std::string& line) {
                seen = *remote::decodeRequest(line);
                vantrel::testing::FakeProgram::say(fd, remote::encodeAccepted());
                vantrel::testing::FakeProgram::say(fd,
                                                   remote::encodeAnswer(remote::CommandAnswer{}));
            });
            EXPECT_EQ(run(args).status, 0) << args;
        }
        return seen;
    };
    std::ofstream(dir / "mine.txt") << "the user's";
    EXPECT_FALSE(served("--trace mine.txt macro show 0").trace);
    EXPECT_FALSE(served("macro list --json --trace new.txt").trace);
    EXPECT_TRUE(served("macro add --trace made.txt A A:dn A:up").trace);
    EXPECT_EQ(vantrel::testing::slurp(dir / "mine.txt"), "the user's");
    EXPECT_FALSE(fs::exists(dir / "new.txt"));
    EXPECT_TRUE(fs::exists(dir / "made.txt"));
}

} // namespace
} // namespace vantrel::cli
#endif
