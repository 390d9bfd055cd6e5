// SPDX-License-Identifier: MIT
// The POSIX signals; Windows has quit_signals_win.cpp.
#ifndef _WIN32

#include "app/quit_signals.h"

#include <QSocketNotifier>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vantrel::app {

namespace {

// A signal handler can reach nothing but what is global; it only writes a
// byte into the pipe that the window's thread watches.
std::atomic<int> signalPipe{-1};

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onQuitSignal(int) {
    const int fd = signalPipe.load();
    if (fd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
}

} // namespace

QuitSignals::QuitSignals(std::function<void()> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit)) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // the signals keep their default action
    }
    readEnd_ = fds[0];
    signalPipe.store(fds[1]);
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(readEnd_, bytes, sizeof bytes) > 0) {
        }
        if (quit_) {
            quit_();
        }
    });
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals) {
        ::sigaction(s, &action, nullptr);
    }
}

QuitSignals::~QuitSignals() {
    if (readEnd_ < 0) {
        return;
    }
    for (int s : kSignals) {
        std::signal(s, SIG_DFL);
    }
    const int writeEnd = signalPipe.exchange(-1);
    notifier_.reset();
    ::close(readEnd_);
    ::close(writeEnd);
}

} // namespace vantrel::app

#endif
