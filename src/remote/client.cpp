// SPDX-License-Identifier: MIT
#include "remote/client.h"

#include "platform/instance_socket.h"

#ifndef _WIN32
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace vantrel::remote {

#ifdef _WIN32

Result<CommandAnswer> sendRequest(const std::string&, const CommandRequest&, ClientTimeouts) {
    return makeError(ErrorCode::Unsupported,
                     "commands cannot be handed to the desktop program on this system");
}

#else

namespace {

using Clock = std::chrono::steady_clock;

Error unreachable(const std::string& why) {
    return makeError(ErrorCode::Io, why);
}

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

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

Status sendAll(int fd, const std::string& text, Clock::time_point deadline) {
    std::size_t sent = 0;
    while (sent < text.size()) {
        const ssize_t n = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!waitFor(fd, POLLOUT, deadline)) {
                return unreachable("it does not take the request");
            }
        } else {
            return unreachable(std::string("the request was cut off: ") + std::strerror(errno));
        }
    }
    return Status::success();
}

// Reads one line (newline removed) into `line`, keeping what follows it in
// `buffer`.
Status readLine(int fd, std::string& buffer, std::string& line, Clock::time_point deadline,
                const char* waitingFor) {
    for (;;) {
        if (const auto end = buffer.find('\n'); end != std::string::npos) {
            line = buffer.substr(0, end);
            buffer.erase(0, end + 1);
            return Status::success();
        }
        if (buffer.size() > kMaxAnswerBytes) {
            return unreachable("its answer is larger than any of ours");
        }
        if (!waitFor(fd, POLLIN, deadline)) {
            return unreachable(std::string("it did not ") + waitingFor + " in time");
        }
        char chunk[65536];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            buffer.append(chunk, static_cast<std::size_t>(n));
        } else if (n == 0) {
            return unreachable(std::string("it ended the connection before it did ") + waitingFor);
        } else if (errno != EAGAIN && errno != EINTR) {
            return unreachable(std::string("reading its answer failed: ") + std::strerror(errno));
        }
    }
}

Result<ProgramLine> readProgramLine(int fd, std::string& buffer, Clock::time_point deadline,
                                    const char* waitingFor) {
    std::string line;
    if (Status s = readLine(fd, buffer, line, deadline, waitingFor); !s) {
        return s.error();
    }
    auto decoded = decodeProgramLine(line);
    if (!decoded) {
        return unreachable("its answer is not ours (" + decoded.error().message + ")");
    }
    if (const auto* refused = std::get_if<Refused>(&*decoded)) {
        return makeError(ErrorCode::Busy, refused->reason);
    }
    return decoded;
}

} // namespace

Result<CommandAnswer> sendRequest(const std::string& socketName, const CommandRequest& request,
                                  ClientTimeouts timeouts) {
    auto line = encodeRequest(request);
    if (!line) {
        return line.error();
    }
    const auto acceptBy = Clock::now() + timeouts.accept;
    Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.fd() < 0) {
        return unreachable(std::string("no socket: ") + std::strerror(errno));
    }
    if (Status s = connectTo(socket.fd(), socketName, acceptBy); !s) {
        return s.error();
    }
    if (!platform::peerIsThisUser(socket.fd())) {
        // Never hand a command to a program of another user.
        return unreachable("another user's program listens on " + socketName);
    }
    if (Status s = sendAll(socket.fd(), *line, acceptBy); !s) {
        return s.error();
    }
    std::string buffer;
    auto first = readProgramLine(socket.fd(), buffer, acceptBy, "take the request");
    if (!first) {
        return first.error();
    }
    if (auto* answer = std::get_if<CommandAnswer>(&*first)) {
        return std::move(*answer);
    }
    auto second = readProgramLine(socket.fd(), buffer, Clock::now() + timeouts.answer, "answer");
    if (!second) {
        return second.error();
    }
    if (auto* answer = std::get_if<CommandAnswer>(&*second)) {
        return std::move(*answer);
    }
    return unreachable("it took the request twice and never answered");
}

#endif

} // namespace vantrel::remote
