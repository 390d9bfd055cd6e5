// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace vantrel::app {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in the terminal, a
// service manager stopping the program) into `quit` on the window's thread,
// so that the program closes as from its window and keeps what it must.
// On Windows the same for the console's Ctrl+C, Ctrl+Break and close, and
// for the end of the session (log off, shut down), which waits for `quit`
// to have ended the event loop, since the system ends the program when
// told the session is over. One per process; without it the signals and
// events end the program at once.
class QuitSignals : public QObject {
public:
    explicit QuitSignals(std::function<void()> quit, QObject* parent = nullptr);
    ~QuitSignals() override;

private:
    std::function<void()> quit_;
#ifdef _WIN32
    struct Windows;
    std::unique_ptr<Windows> windows_;
#else
    std::unique_ptr<QSocketNotifier> notifier_;
    int readEnd_ = -1;
#endif
};

} // namespace vantrel::app
