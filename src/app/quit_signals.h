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
// One per process; without it the signals end the program at once.
class QuitSignals : public QObject {
public:
    explicit QuitSignals(std::function<void()> quit, QObject* parent = nullptr);
    ~QuitSignals() override;

private:
    std::function<void()> quit_;
    std::unique_ptr<QSocketNotifier> notifier_;
    int readEnd_ = -1;
};

} // namespace vantrel::app
