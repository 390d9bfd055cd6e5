// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_connection.h"
#include "core/device/hid_transport.h"
#include "ui/gui_connection_observer.h"
#include "ui/keyboard_port.h"

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace vantrel {
class Pacer;
class TraceSink;
} // namespace vantrel

namespace vantrel::ui {

// The keyboard the window works with, over transports the program hands in:
// the real keyboard, or the simulated one when it was asked for or when no
// real keyboard could be opened. In that fallback the session watches for
// the keyboard to be plugged in and then moves the window over to it.
class KeyboardSession {
public:
    using TransportFactory = std::function<Result<std::unique_ptr<HidTransport>>()>;

    struct Options {
        // The simulated keyboard was asked for: no real one is looked for.
        bool simulate = false;
        std::optional<std::filesystem::path> trace;
        ConnectionOptions connection;
        TransportFactory realTransport;
        TransportFactory simulatedTransport;
        // The pauses between transfers; the session's own sleeping pacer
        // when null. Must outlive the session.
        Pacer* pacer = nullptr;
        // Watch the system for the keyboard coming and going.
        bool watchHotplug = true;
    };

    struct Events {
        // The connection's events, on the context's thread.
        GuiConnectionObserver::Handlers device;
        // The real keyboard replaced the simulated one: `link` is the new
        // link(); the old one is gone once this returns.
        std::function<void(KeyboardPort& link)> switchedToKeyboard;
        // The keyboard came but could not be opened; each reason is told
        // once, not for every node the system reports.
        std::function<void(const QString&)> keyboardUnusable;
    };

    // `context` lives on the window's thread, the thread that calls every
    // member here.
    KeyboardSession(Options options, QObject* context, Events events);
    ~KeyboardSession();
    KeyboardSession(const KeyboardSession&) = delete;
    KeyboardSession& operator=(const KeyboardSession&) = delete;

    // Opens the keyboard and starts the start-up read-back, whose result
    // arrives through readBackDone. Fails only when not even the simulated
    // keyboard opens.
    Status open();
    KeyboardPort& link();
    // True while the window works with the simulated keyboard.
    bool simulated() const;
    // Why the simulated keyboard is used although none was asked for; empty
    // once the real keyboard took over.
    QString fallbackReason() const;
    // Why the system's device events cannot be watched (keyboards plugged
    // in or out go unnoticed); empty while they are watched.
    QString hotplugProblem() const;
    // True when the simulated keyboard stands in because the real one was
    // found but could not be opened (no access to its device nodes).
    bool keyboardInaccessible() const;

    // The keyboard (one of its nodes) appeared: in the fallback, try the
    // real keyboard; otherwise the connection reconnects. The monitor's
    // arrivals end here too, queued onto the window's thread.
    void keyboardArrived();

    // Every transfer and pause of the keyboard also goes to `listener` until
    // it is detached (null); the --trace file keeps getting them.
    void attachTrace(TraceSink* listener);

    // Stops watching and ends the connection; safe to call more than once.
    void close();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vantrel::ui
