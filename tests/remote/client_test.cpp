// SPDX-License-Identifier: MIT
// vantrelctl's side of the exchange: it gets the answer, or says within its
// bounds why there is none; it never waits for ever and never talks to
// another user's program.
#include "remote/client.h"
#include "remote/fake_program.h"
#include "support/temp_dir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace vantrel::remote {
namespace {

using testing::FakeProgram;
using Clock = std::chrono::steady_clock;

CommandRequest request() {
    CommandRequest r;
    r.command = "set";
    r.args = {"brightness=10"};
    r.dataFolder = "/d";
    r.workingFolder = "/";
    return r;
}

constexpr ClientTimeouts kShort{std::chrono::milliseconds(300), std::chrono::milliseconds(600)};

struct ClientTest : ::testing::Test {
    vantrel::testing::TempDir dir;
    std::string socket = (dir / "s").string();
};

TEST_F(ClientTest, TheAnswerComesBackAfterTheAcceptance) {
    std::string seen;
    FakeProgram program(socket, [&seen](int fd, const std::string& line) {
        seen = line;
        FakeProgram::say(fd, encodeAccepted());
        CommandAnswer a;
        a.status = 0;
        a.standardOutput = "applied 1 setting\n";
        FakeProgram::say(fd, encodeAnswer(a));
    });
    auto answer = sendRequest(socket, request(), kShort);
    ASSERT_TRUE(answer.ok()) << answer.error().message;
    EXPECT_EQ(answer->standardOutput, "applied 1 setting\n");
    auto sent = decodeRequest(seen);
    ASSERT_TRUE(sent.ok());
    EXPECT_EQ(sent->args, request().args);
}

TEST_F(ClientTest, AProgramThatHangsIsGivenUpOnInTime) {
    // Takes the connection and never reads or answers.
    FakeProgram silent(socket, [](int, const std::string&) {});
    auto start = Clock::now();
    auto answer = sendRequest(socket, request(), kShort);
    ASSERT_FALSE(answer.ok());
    EXPECT_EQ(answer.error().code, ErrorCode::Io);
    EXPECT_NE(answer.error().message.find("did not take the request in time"), std::string::npos);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
}

TEST_F(ClientTest, AProgramThatAcceptsButNeverAnswersIsGivenUpOnToo) {
    FakeProgram stuck(socket,
                      [](int fd, const std::string&) { FakeProgram::say(fd, encodeAccepted()); });
    auto answer = sendRequest(socket, request(), kShort);
    ASSERT_FALSE(answer.ok());
    EXPECT_NE(answer.error().message.find("did not answer in time"), std::string::npos);
}

TEST_F(ClientTest, GarbageRefusalsAndHangUpsAreToldApart) {
    {
        FakeProgram garbage(socket,
                            [](int fd, const std::string&) { FakeProgram::say(fd, "HTTP/1.1\n"); });
        auto answer = sendRequest(socket, request(), kShort);
        ASSERT_FALSE(answer.ok());
        EXPECT_NE(answer.error().message.find("not ours"), std::string::npos);
    }
    {
        FakeProgram refusing(socket, [](int fd, const std::string&) {
            FakeProgram::say(fd, encodeRefusal("the request is longer than 65536 bytes"));
        });
        auto answer = sendRequest(socket, request(), kShort);
        ASSERT_FALSE(answer.ok());
        EXPECT_EQ(answer.error().code, ErrorCode::Busy);
        EXPECT_EQ(answer.error().message, "the request is longer than 65536 bytes");
    }
    {
        FakeProgram closing(socket, [](int fd, const std::string&) { ::shutdown(fd, SHUT_RDWR); });
        auto answer = sendRequest(socket, request(), kShort);
        ASSERT_FALSE(answer.ok());
        EXPECT_NE(answer.error().message.find("ended the connection"), std::string::npos);
    }
    auto nobody = sendRequest((dir / "none").string(), request(), kShort);
    ASSERT_FALSE(nobody.ok());
    EXPECT_EQ(nobody.error().code, ErrorCode::Io);
}

TEST_F(ClientTest, AnotherUsersProgramGetsNoCommand) {
    if (::getuid() != 0) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    ::chmod(dir.path().c_str(), 0777);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t other = ::fork();
    if (other == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(1);
        }
        ::umask(0);
        // Answers whatever it gets; it must get nothing.
        FakeProgram program(socket, [](int fd, const std::string& line) {
            ::_exit(line.empty() ? 0 : 7);
            (void)fd;
        });
        [[maybe_unused]] const auto w = ::write(ready[1], "r", 1);
        ::sleep(5);
        ::_exit(0);
    }
    char r = 0;
    ASSERT_EQ(::read(ready[0], &r, 1), 1);
    auto answer = sendRequest(socket, request(), kShort);
    int status = 0;
    ::waitpid(other, &status, 0);
    ASSERT_FALSE(answer.ok());
    EXPECT_NE(answer.error().message.find("another user's program"), std::string::npos);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the request reached the other user's program";
}

} // namespace
} // namespace vantrel::remote
