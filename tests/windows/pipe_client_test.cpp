// SPDX-License-Identifier: MIT
// vantrelctl's side of the exchange over a named pipe, as the desktop
// program's QLocalServer offers it on Windows: the answer, or within the
// bounds a reason why there is none.
#include "platform/instance_socket.h"
#include "remote/client.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <thread>
#include <windows.h>

namespace vantrel::remote {
namespace {

using Clock = std::chrono::steady_clock;

std::wstring pipePath(const std::string& name) {
    return L"\\\\.\\pipe\\" + std::wstring(name.begin(), name.end());
}

// A stand-in for the desktop program: one pipe instance, one connection,
// dealt with as the test says.
class FakePipeProgram {
public:
    using Serve = std::function<void(HANDLE pipe, const std::string& request)>;

    FakePipeProgram(const std::string& name, Serve serve) : path_(pipePath(name)) {
        pipe_ = CreateNamedPipeW(path_.c_str(), PIPE_ACCESS_DUPLEX,
                                 PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, 65536, 65536,
                                 0, nullptr);
        thread_ = std::thread([this, serve = std::move(serve)] {
            if (!ConnectNamedPipe(pipe_, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED) {
                return;
            }
            connected_ = true;
            if (stop_) {
                return;
            }
            std::string request;
            char c = 0;
            DWORD n = 0;
            while (ReadFile(pipe_, &c, 1, &n, nullptr) && n == 1 && c != '\n') {
                request += c;
            }
            serve(pipe_, request);
            while (!stop_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~FakePipeProgram() {
        stop_ = true;
        if (!connected_) {
            // Ends the wait for a client that never came.
            HANDLE h =
                CreateFileW(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            if (h != INVALID_HANDLE_VALUE) {
                CloseHandle(h);
            }
        }
        thread_.join();
        CloseHandle(pipe_);
    }
    FakePipeProgram(const FakePipeProgram&) = delete;
    FakePipeProgram& operator=(const FakePipeProgram&) = delete;

    bool listening() const { return pipe_ != INVALID_HANDLE_VALUE; }

    static void say(HANDLE pipe, const std::string& text) {
        DWORD n = 0;
        WriteFile(pipe, text.data(), static_cast<DWORD>(text.size()), &n, nullptr);
    }

private:
    std::wstring path_;
    HANDLE pipe_ = INVALID_HANDLE_VALUE;
    std::atomic<bool> stop_{false};
    std::atomic<bool> connected_{false};
    std::thread thread_;
};

CommandRequest request() {
    CommandRequest r;
    r.command = "set";
    r.args = {"brightness=10"};
    r.dataFolder = "C:\\d";
    r.workingFolder = "C:\\";
    return r;
}

constexpr ClientTimeouts kShort{std::chrono::milliseconds(300), std::chrono::milliseconds(600)};

struct PipeClientTest : ::testing::Test {
    std::string name = "vantrel-test-" + std::to_string(std::random_device{}());
};

TEST_F(PipeClientTest, TheAnswerComesBackAfterTheAcceptance) {
    std::string seen;
    FakePipeProgram program(name, [&seen](HANDLE pipe, const std::string& line) {
        seen = line;
        FakePipeProgram::say(pipe, encodeAccepted());
        CommandAnswer a;
        a.status = 0;
        a.standardOutput = "applied 1 setting\n";
        FakePipeProgram::say(pipe, encodeAnswer(a));
    });
    ASSERT_TRUE(program.listening());
    auto answer = sendRequest(name, request(), kShort);
    ASSERT_TRUE(answer.ok()) << answer.error().message;
    EXPECT_EQ(answer->standardOutput, "applied 1 setting\n");
    auto sent = decodeRequest(seen);
    ASSERT_TRUE(sent.ok()) << sent.error().message;
    EXPECT_EQ(sent->args, request().args);
    EXPECT_EQ(sent->dataFolder, "C:\\d");
}

TEST_F(PipeClientTest, AProgramThatHangsIsGivenUpOnInTime) {
    FakePipeProgram silent(name, [](HANDLE, const std::string&) {});
    const auto start = Clock::now();
    auto answer = sendRequest(name, request(), kShort);
    ASSERT_FALSE(answer.ok());
    EXPECT_EQ(answer.error().code, ErrorCode::Io);
    EXPECT_NE(answer.error().message.find("did not take the request in time"), std::string::npos)
        << answer.error().message;
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
}

TEST_F(PipeClientTest, AProgramThatAcceptsButNeverAnswersIsGivenUpOnToo) {
    FakePipeProgram stuck(name, [](HANDLE pipe, const std::string&) {
        FakePipeProgram::say(pipe, encodeAccepted());
    });
    const auto start = Clock::now();
    auto answer = sendRequest(name, request(), kShort);
    ASSERT_FALSE(answer.ok());
    EXPECT_NE(answer.error().message.find("did not answer in time"), std::string::npos)
        << answer.error().message;
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
}

TEST_F(PipeClientTest, GarbageRefusalsAndHangUpsAreToldApart) {
    {
        FakePipeProgram garbage(name, [](HANDLE pipe, const std::string&) {
            FakePipeProgram::say(pipe, "HTTP/1.1\n");
        });
        auto answer = sendRequest(name, request(), kShort);
        ASSERT_FALSE(answer.ok());
        EXPECT_NE(answer.error().message.find("not ours"), std::string::npos);
    }
    {
        FakePipeProgram refusing(name, [](HANDLE pipe, const std::string&) {
            FakePipeProgram::say(pipe, encodeRefusal("the request is longer than 65536 bytes"));
        });
        auto answer = sendRequest(name, request(), kShort);
        ASSERT_FALSE(answer.ok());
        EXPECT_EQ(answer.error().code, ErrorCode::Busy);
        EXPECT_EQ(answer.error().message, "the request is longer than 65536 bytes");
    }
    {
        FakePipeProgram closing(name,
                                [](HANDLE pipe, const std::string&) { DisconnectNamedPipe(pipe); });
        auto answer = sendRequest(name, request(), kShort);
        ASSERT_FALSE(answer.ok());
        EXPECT_NE(answer.error().message.find("ended the connection"), std::string::npos)
            << answer.error().message;
    }
    auto nobody = sendRequest(name + "-none", request(), kShort);
    ASSERT_FALSE(nobody.ok());
    EXPECT_EQ(nobody.error().code, ErrorCode::Io);
    EXPECT_NE(nobody.error().message.find("cannot connect to " + name + "-none: "),
              std::string::npos)
        << nobody.error().message;
}

// Its one instance taken by another client: the wait for the next one ends
// with the accept time-out.
TEST_F(PipeClientTest, AProgramWhosePipeStaysBusyIsGivenUpOnInTime) {
    FakePipeProgram busy(name, [](HANDLE, const std::string&) {});
    HANDLE other = CreateFileW(pipePath(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    const auto start = Clock::now();
    auto answer = sendRequest(name, request(), kShort);
    const auto took = Clock::now() - start;
    DWORD n = 0;
    WriteFile(other, "\n", 1, &n, nullptr); // lets the fake program go on
    CloseHandle(other);
    ASSERT_FALSE(answer.ok());
    EXPECT_NE(answer.error().message.find("does not take the connection"), std::string::npos)
        << answer.error().message;
    EXPECT_GE(took, std::chrono::milliseconds(250));
    EXPECT_LT(took, std::chrono::seconds(2));
}

TEST_F(PipeClientTest, BothEndsOfOurOwnPipeRunAsThisUserAndAFileIsNoPeer) {
    const std::wstring path = pipePath(name);
    HANDLE server = CreateNamedPipeW(path.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 4096,
                                     4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    HANDLE client = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(client, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(platform::peerIsThisUser(reinterpret_cast<std::intptr_t>(client)));
    EXPECT_TRUE(platform::peerIsThisUser(reinterpret_cast<std::intptr_t>(server)));
    CloseHandle(client);
    CloseHandle(server);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    HANDLE file =
        CreateFileW(self, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(platform::peerIsThisUser(reinterpret_cast<std::intptr_t>(file)));
    CloseHandle(file);
}

TEST(PipeName, TheInstanceAndTheUserInSafeCharactersOnly) {
    const std::string name = platform::instanceSocketName();
    EXPECT_EQ(name.rfind("vantrel-57D1171D-1a34-0804-8A3A-65ABA2150001-", 0), 0u) << name;
    for (const char c : name) {
        const bool safe =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        EXPECT_TRUE(safe) << name;
    }
    EXPECT_NE(platform::instanceSocketName(" other"), name);
}

} // namespace
} // namespace vantrel::remote
