// SPDX-License-Identifier: MIT
#include "core/util/windows_text.h"
#include "platform/instance_socket.h"
#include "remote/connection.h"

#include <cstdint>
#include <windows.h>

namespace vantrel::remote {

namespace {

DWORD millisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : static_cast<DWORD>(left);
}

bool endOfPipe(DWORD error) {
    return error == ERROR_BROKEN_PIPE || error == ERROR_PIPE_NOT_CONNECTED ||
           error == ERROR_NO_DATA;
}

// The pipe opened for overlapped transfers, each waited for on one event
// until its deadline and cancelled there: no polling, and a program that
// hangs costs no more than the wait.
class PipeConnection : public Connection {
public:
    explicit PipeConnection(HANDLE pipe)
        : pipe_(pipe), event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~PipeConnection() override {
        CloseHandle(pipe_);
        if (event_ != nullptr) {
            CloseHandle(event_);
        }
    }
    PipeConnection(const PipeConnection&) = delete;
    PipeConnection& operator=(const PipeConnection&) = delete;

    bool ready() const { return event_ != nullptr; }

    bool peerIsThisUser() const override {
        return platform::peerIsThisUser(reinterpret_cast<std::intptr_t>(pipe_));
    }

    Status sendAll(const std::string& text, Clock::time_point deadline) override {
        std::size_t sent = 0;
        while (sent < text.size()) {
            DWORD n = 0;
            const auto size = static_cast<DWORD>(text.size() - sent);
            switch (transfer(true, const_cast<char*>(text.data() + sent), size, n, deadline)) {
            case Received::Data:
                sent += n;
                break;
            case Received::TimedOut:
                return unreachable("it does not take the request");
            case Received::Closed:
            case Received::Failed:
                return unreachable("the request was cut off: " + windows::errorText(error_));
            }
        }
        return Status::success();
    }

    Received receive(std::string& buffer, Clock::time_point deadline,
                     std::string& failure) override {
        char chunk[65536];
        DWORD n = 0;
        const Received r = transfer(false, chunk, sizeof chunk, n, deadline);
        if (r == Received::Data) {
            buffer.append(chunk, n);
        } else if (r == Received::Failed) {
            failure = windows::errorText(error_);
        }
        return r;
    }

private:
    Received transfer(bool write, char* data, DWORD size, DWORD& done, Clock::time_point deadline) {
        OVERLAPPED o{};
        o.hEvent = event_;
        ResetEvent(event_);
        const BOOL started = write ? WriteFile(pipe_, data, size, nullptr, &o)
                                   : ReadFile(pipe_, data, size, nullptr, &o);
        if (!started && GetLastError() != ERROR_IO_PENDING) {
            return failed(GetLastError());
        }
        if (WaitForSingleObject(event_, millisecondsLeft(deadline)) != WAIT_OBJECT_0) {
            CancelIoEx(pipe_, &o);
            // The transfer may have ended just before it was cancelled.
            if (GetOverlappedResult(pipe_, &o, &done, TRUE) && done > 0) {
                return Received::Data;
            }
            return Received::TimedOut;
        }
        if (!GetOverlappedResult(pipe_, &o, &done, FALSE) && GetLastError() != ERROR_MORE_DATA) {
            return failed(GetLastError());
        }
        return done == 0 && !write ? Received::Closed : Received::Data;
    }

    Received failed(DWORD error) {
        error_ = error;
        return endOfPipe(error) ? Received::Closed : Received::Failed;
    }

    HANDLE pipe_;
    HANDLE event_;
    DWORD error_ = 0;
};

} // namespace

Result<std::unique_ptr<Connection>> connectToProgram(const std::string& name,
                                                     Clock::time_point deadline) {
    const std::wstring pipe = L"\\\\.\\pipe\\" + windows::wideFromUtf8(name);
    for (;;) {
        // Identification only: the program may learn who calls, but cannot
        // act as this user.
        HANDLE h = CreateFileW(
            pipe.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
            FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            auto connection = std::make_unique<PipeConnection>(h);
            if (!connection->ready()) {
                return unreachable("no event to wait on: " + windows::lastErrorText());
            }
            return std::unique_ptr<Connection>(std::move(connection));
        }
        const DWORD error = GetLastError();
        if (error != ERROR_PIPE_BUSY) {
            return unreachable("cannot connect to " + name + ": " + windows::errorText(error));
        }
        // Every instance of the pipe is taken: wait for the program to offer
        // the next one.
        const DWORD left = millisecondsLeft(deadline);
        if (left == 0 || !WaitNamedPipeW(pipe.c_str(), left)) {
            if (millisecondsLeft(deadline) == 0) {
                return unreachable("it does not take the connection");
            }
        }
    }
}

} // namespace vantrel::remote
