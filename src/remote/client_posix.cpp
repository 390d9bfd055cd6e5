// SPDX-License-Identifier: MIT
#include "platform/instance_socket.h"
#include "remote/connection.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace vantrel::remote {

namespace {

int millisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left <= 0 ? 0 : static_cast<int>(std::min<long long>(left, 60000));
}

// Waits for `events` on the socket until the deadline; false on time-out.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int left = millisecondsLeft(deadline);
        const int n = ::poll(&p, 1, left);
        if (n > 0) {
            return true;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n == 0 && left > 0) {
            continue; // a long wait in slices
        }
        return false;
    }
}

Status connectTo(int fd, const std::string& name, Clock::time_point deadline) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= sizeof address.sun_path) {
        return unreachable("its socket name is too long: " + name);
    }
    std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return Status::success();
    }
    if (errno != EINPROGRESS && errno != EAGAIN) {
        return unreachable("cannot connect to " + name + ": " + std::strerror(errno));
    }
    // A full backlog: the program does not take connections.
    if (!waitFor(fd, POLLOUT, deadline)) {
        return unreachable("it does not take the connection");
    }
    int error = 0;
    socklen_t size = sizeof error;
    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
    if (error != 0) {
        return unreachable("cannot connect to " + name + ": " + std::strerror(error));
    }
    return Status::success();
}

class SocketConnection : public Connection {
public:
    explicit SocketConnection(int fd) : fd_(fd) {}
    ~SocketConnection() override { ::close(fd_); }
    SocketConnection(const SocketConnection&) = delete;
    SocketConnection& operator=(const SocketConnection&) = delete;

    bool peerIsThisUser() const override { return platform::peerIsThisUser(fd_); }

    Status sendAll(const std::string& text, Clock::time_point deadline) override {
        std::size_t sent = 0;
        while (sent < text.size()) {
            const ssize_t n = ::send(fd_, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
            if (n > 0) {
                sent += static_cast<std::size_t>(n);
            } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
                if (!waitFor(fd_, POLLOUT, deadline)) {
                    return unreachable("it does not take the request");
                }
            } else {
                return unreachable(std::string("the request was cut off: ") + std::strerror(errno));
            }
        }
        return Status::success();
    }

    Received receive(std::string& buffer, Clock::time_point deadline,
                     std::string& failure) override {
        for (;;) {
            if (!waitFor(fd_, POLLIN, deadline)) {
                return Received::TimedOut;
            }
            char chunk[65536];
            const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
            if (n > 0) {
                buffer.append(chunk, static_cast<std::size_t>(n));
                return Received::Data;
            }
            if (n == 0) {
                return Received::Closed;
            }
            if (errno != EAGAIN && errno != EINTR) {
                failure = std::strerror(errno);
                return Received::Failed;
            }
        }
    }

private:
    int fd_;
};

} // namespace

Result<std::unique_ptr<Connection>> connectToProgram(const std::string& name,
                                                     Clock::time_point deadline) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return unreachable(std::string("no socket: ") + std::strerror(errno));
    }
    auto connection = std::make_unique<SocketConnection>(fd);
    if (Status s = connectTo(fd, name, deadline); !s) {
        return s.error();
    }
    return std::unique_ptr<Connection>(std::move(connection));
}

} // namespace vantrel::remote
