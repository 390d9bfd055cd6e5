// SPDX-License-Identifier: MIT
#pragma once

#include "ui/keyboard_session.h"

#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

namespace vantrel {
class TraceSink;
}

namespace vantrel::app {

// The keyboard the window works with: the real one through hidapi, or the
// simulated one (--simulate, or until a keyboard is plugged in), with the
// optional trace of every transfer and the hot-plug monitor.
class DeviceSession {
public:
    struct Options {
        bool simulate = false;
        std::optional<std::filesystem::path> simState;
        std::optional<std::filesystem::path> trace;
        ConnectionOptions connection;
    };

    // Events reach `events` on `context`'s thread.
    DeviceSession(Options options, QObject* context, ui::KeyboardSession::Events events);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Opens the keyboard and starts the start-up read-back, whose result
    // arrives through the handlers' readBackDone.
    Status open();
    // Changes when a keyboard plugged in later replaces the simulated one.
    ui::KeyboardPort& link();
    bool simulated() const;
    // Why the simulated keyboard is used although none was asked for.
    QString fallbackReason() const;
    QString hotplugProblem() const;
    // The keyboard is there but its device nodes are closed to the user.
    bool keyboardInaccessible() const;
    // Also hands every transfer to `listener` until it is detached (null).
    void attachTrace(TraceSink* listener);
    // Writes the simulated keyboard's state file (--sim-state).
    Status finish();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vantrel::app
