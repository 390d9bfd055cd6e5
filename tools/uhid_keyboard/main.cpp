// SPDX-License-Identifier: MIT
// vantrel-uhid-keyboard: the simulated keyboard as kernel HID devices
// (/dev/uhid), so that the programs meet hidraw, sysfs and udev for real.
#include "control_channel.h"
#include "core/util/guarded_main.h"
#include "uhid_keyboard.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace vantrel;

namespace {

struct Options {
    uhid::KeyboardIdentity identity;
    std::optional<std::filesystem::path> simState;
    std::optional<std::string> control;
};

void usage(std::FILE* out) {
    std::fprintf(out,
                 "usage: vantrel-uhid-keyboard [--sim-state FILE] [--vendor HEX] [--product HEX]\n"
                 "                             [--port PORT] [--control FIFO]\n"
                 "Presents the simulated keyboard to the kernel through /dev/uhid as four USB\n"
                 "HID interfaces, prints \"ready\" once their hidraw nodes exist, and removes\n"
                 "them on SIGTERM, SIGINT or \"quit\". Control lines (standard input, or the\n"
                 "FIFO --control makes), each answered with \"ok: LINE\" or \"error: ...\":\n%s",
                 uhid::controlHelp());
}

std::optional<std::uint16_t> hexId(const std::string& text) {
    std::string digits =
        text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0 ? text.substr(2) : text;
    unsigned value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value, 16);
    if (digits.empty() || ec != std::errc() || ptr != end || value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

// Exit status 2 and a message for bad input; 0 for --help.
std::optional<int> parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        }
        if (i + 1 >= argc || std::string(argv[i + 1]).empty()) {
            std::fprintf(stderr, "vantrel-uhid-keyboard: %s needs a value\n", arg.c_str());
            return 2;
        }
        const std::string value = argv[++i];
        if (arg == "--sim-state") {
            o.simState = value;
        } else if (arg == "--control") {
            o.control = value;
        } else if (arg == "--port") {
            o.identity.port = value;
        } else if (arg == "--vendor" || arg == "--product") {
            const auto id = hexId(value);
            if (!id) {
                std::fprintf(stderr, "vantrel-uhid-keyboard: %s takes a hex number\n", arg.c_str());
                return 2;
            }
            (arg == "--vendor" ? o.identity.vendor : o.identity.product) = *id;
        } else {
            std::fprintf(stderr, "vantrel-uhid-keyboard: unknown option %s\n", arg.c_str());
            return 2;
        }
    }
    return std::nullopt;
}

void say(const std::string& line) {
    std::fprintf(stdout, "%s\n", line.c_str());
    std::fflush(stdout);
}

class ControlReader {
public:
    explicit ControlReader(int fd) : fd_(fd) {}
    int fd() const { return fd_; }
    // Lines read so far; false at the end of standard input.
    bool read(std::vector<std::string>& lines) {
        char buf[512];
        const ssize_t n = ::read(fd_, buf, sizeof buf);
        if (n == 0) {
            return false;
        }
        if (n < 0) {
            return errno == EAGAIN || errno == EINTR;
        }
        pending_.append(buf, static_cast<std::size_t>(n));
        for (auto nl = pending_.find('\n'); nl != std::string::npos; nl = pending_.find('\n')) {
            lines.push_back(pending_.substr(0, nl));
            pending_.erase(0, nl + 1);
        }
        return true;
    }

private:
    int fd_;
    std::string pending_;
};

Status saveState(const sim::SimulatedKeyboard& kb, const Options& o) {
    return o.simState ? kb.saveState(*o.simState) : Status::success();
}

// Handles one control line; false when it asks to quit.
bool handleLine(const std::string& line, uhid::UhidKeyboard& kb, const Options& o) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) {
        return true;
    }
    auto request = uhid::parseControlLine(line);
    if (!request) {
        say("error: " + request.error().message);
        return true;
    }
    if (request->quit) {
        say("ok: " + line);
        return false;
    }
    Status s = request->save ? kb.post([&] { return saveState(kb.keyboard(), o); }).get()
                             : kb.post([&] { return request->action(kb); }).get();
    say(s ? "ok: " + line : "error: " + s.error().message);
    return true;
}

int openControl(const Options& o) {
    if (!o.control) {
        return STDIN_FILENO;
    }
    if (::mkfifo(o.control->c_str(), 0600) != 0 && errno != EEXIST) {
        std::fprintf(stderr, "vantrel-uhid-keyboard: cannot make %s: %s\n", o.control->c_str(),
                     std::strerror(errno));
        return -1;
    }
    // Open for writing too, so that the FIFO never reports an end when a
    // writer closes it.
    return ::open(o.control->c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
}

} // namespace

static int serve(int argc, char** argv) {
    Options options;
    if (auto status = parse(argc, argv, options)) {
        return *status;
    }
    sim::SimulatedKeyboard keyboard;
    if (options.simState) {
        if (Status s = keyboard.loadStateIfPresent(*options.simState); !s) {
            std::fprintf(stderr, "vantrel-uhid-keyboard: %s\n", s.error().message.c_str());
            return 1;
        }
    }
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    const int signalFd = ::signalfd(-1, &signals, SFD_CLOEXEC);
    const int controlFd = openControl(options);
    if (signalFd < 0 || controlFd < 0) {
        return 1;
    }
    auto kb = uhid::UhidKeyboard::create(keyboard, options.identity);
    if (!kb) {
        std::fprintf(stderr, "vantrel-uhid-keyboard: %s\n", kb.error().message.c_str());
        return 1;
    }
    (*kb)->onReady([](const std::vector<std::string>& nodes) {
        std::string list;
        for (const auto& n : nodes) {
            list += " " + n;
        }
        std::fprintf(stderr, "vantrel-uhid-keyboard: interfaces 0-3 at%s\n", list.c_str());
        say("ready");
    });
    Status served;
    std::thread server([&] { served = (*kb)->run(); });

    ControlReader control(controlFd);
    bool controlOpen = true;
    for (bool running = true; running;) {
        pollfd fds[2] = {{signalFd, POLLIN, 0}, {controlOpen ? controlFd : -1, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) {
            break;
        }
        if (fds[0].revents & POLLIN) {
            break;
        }
        std::vector<std::string> lines;
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            controlOpen = control.read(lines);
        }
        for (const auto& line : lines) {
            running = running && handleLine(line, **kb, options);
        }
    }
    (*kb)->stop();
    server.join();
    const Status saved = saveState(keyboard, options);
    if (!served || !saved) {
        std::fprintf(stderr, "vantrel-uhid-keyboard: %s\n",
                     (!served ? served : saved).error().message.c_str());
        return 1;
    }
    return 0;
}

int main(int argc, char** argv) {
    return runGuarded("vantrel-uhid-keyboard", 1, [&] { return serve(argc, argv); });
}
