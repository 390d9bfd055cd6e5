// SPDX-License-Identifier: MIT
// A stand-in for the desktop program's socket: it takes one connection and
// does with it what the test says (answers, answers garbage, hangs).
#pragma once

#include <atomic>
#include <cstring>
#include <filesystem>
#include <functional>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace vantrel::testing {

class FakeProgram {
public:
    // `serve` gets the connection and the request line vantrelctl sent.
    using Serve = std::function<void(int fd, const std::string& request)>;

    FakeProgram(const std::filesystem::path& socket, Serve serve) : path_(socket) {
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socket.c_str(), sizeof address.sun_path - 1);
        ::unlink(socket.c_str());
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 4) != 0) {
            return;
        }
        thread_ = std::thread([this, serve = std::move(serve)] {
            pollfd p{listener_, POLLIN, 0};
            while (!stop_ && ::poll(&p, 1, 50) == 0) {
            }
            if (stop_) {
                return;
            }
            const int fd = ::accept(listener_, nullptr, nullptr);
            std::string request;
            char c = 0;
            while (::read(fd, &c, 1) == 1 && c != '\n') {
                request += c;
            }
            serve(fd, request);
            // Hangs on until the test ends, unless `serve` closed it.
            while (!stop_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            ::close(fd);
        });
    }
    ~FakeProgram() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        ::close(listener_);
        ::unlink(path_.c_str());
    }
    FakeProgram(const FakeProgram&) = delete;
    FakeProgram& operator=(const FakeProgram&) = delete;

    static void say(int fd, const std::string& text) {
        [[maybe_unused]] const auto n = ::send(fd, text.data(), text.size(), MSG_NOSIGNAL);
    }

private:
    std::filesystem::path path_;
    int listener_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace vantrel::testing
