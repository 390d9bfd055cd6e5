// SPDX-License-Identifier: MIT
#include "ui/keyboard_session.h"

#include "core/device/sleeping_pacer.h"
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "platform/hotplug_monitor.h"
#include "ui/connection_keyboard_port.h"
#include "ui/hotplug/device_notification_watch.h"

#include <atomic>
#include <set>

namespace vantrel::ui {
namespace {

// What tells the session of the keyboard coming and going: udev's events
// where there are any, the device notifications of Windows there.
#ifdef _WIN32
using HotplugWatch = DeviceNotificationWatch;
#else
using HotplugWatch = platform::HotplugMonitor;
#endif

// One keyboard's connection with everything under it. Members end in
// reverse order: the link, then the connection (its threads stop), and only
// then what its threads used.
struct Stack {
    // Receives this connection's events only: calls still queued when the
    // stack goes are dropped, so an old keyboard never speaks after a newer
    // one took over.
    std::unique_ptr<QObject> events;
    std::unique_ptr<GuiConnectionObserver> observer;
    std::unique_ptr<HidTransport> transport;
    std::unique_ptr<TracingTransport> tracedTransport;
    std::unique_ptr<TracingPacer> tracedPacer;
    std::unique_ptr<DeviceConnection> connection;
    std::unique_ptr<ConnectionKeyboardPort> link;
};

} // namespace

struct KeyboardSession::Impl {
    Options options;
    QObject* context;
    Events events;
    SleepingPacer sleepingPacer;
    std::unique_ptr<FileTraceSink> traceSink;
    // Every connection is traced into the fan-out: into the --trace file
    // when there is one, and for a command run for vantrelctl --trace.
    TraceFanOut traceFanOut;
    TraceWriter trace{traceFanOut};
    std::unique_ptr<Stack> stack;
    bool simulated = false;
    QString fallback;
    bool inaccessible = false;
    // Reasons already told, so the nodes of one plug-in say it once.
    std::set<QString> told;
    // Monitor arrivals reach keyboardArrived() through this object; queued
    // calls end with it.
    QObject arrivals;
    // The real keyboard's connection once there is one; read by the
    // monitor's thread, which then talks to it directly.
    std::atomic<DeviceConnection*> realConnection{nullptr};
    std::unique_ptr<HotplugWatch> hotplug;
    QString hotplugProblem;

    Impl(Options o, QObject* ctx, Events e)
        : options(std::move(o)), context(ctx), events(std::move(e)) {}

    ~Impl() { close(); }

    void close() {
        if (hotplug) {
            hotplug->stop();
        }
        realConnection.store(nullptr);
        stack.reset();
    }

    Pacer& pacer() { return options.pacer ? *options.pacer : sleepingPacer; }

    // Builds a connection over `transport` and starts it.
    Result<std::unique_ptr<Stack>> connect(std::unique_ptr<HidTransport> transport) {
        auto s = std::make_unique<Stack>();
        s->events = std::make_unique<QObject>();
        s->observer = std::make_unique<GuiConnectionObserver>(s->events.get(), events.device);
        s->transport = std::move(transport);
        HidTransport* t = s->transport.get();
        Pacer* p = &pacer();
        if (options.trace && !traceSink) {
            auto sink = FileTraceSink::open(*options.trace);
            if (!sink) {
                return sink.error();
            }
            traceSink = std::move(*sink);
            traceFanOut.setPrimary(traceSink.get());
        }
        s->tracedTransport = std::make_unique<TracingTransport>(*t, trace);
        s->tracedPacer = std::make_unique<TracingPacer>(*p, trace);
        t = s->tracedTransport.get();
        p = s->tracedPacer.get();
        s->connection =
            std::make_unique<DeviceConnection>(*t, *p, *s->observer, options.connection);
        if (Status started = s->connection->start(); !started) {
            return started.error();
        }
        return s;
    }

    Result<std::unique_ptr<Stack>> connectReal() {
        if (!options.realTransport) {
            return Error{ErrorCode::NoDevice, "no keyboard transport"};
        }
        auto transport = options.realTransport();
        if (!transport) {
            return transport.error();
        }
        return connect(std::move(*transport));
    }

    Status open() {
        if (!options.simulate) {
            auto real = connectReal();
            if (real) {
                stack = std::move(*real);
                realConnection.store(stack->connection.get());
            } else {
                // No keyboard (or no access to it): show the program with
                // the simulated one rather than an empty window, and wait
                // for the keyboard to come.
                fallback = QString::fromStdString(real.error().message);
                inaccessible = real.error().code == ErrorCode::PermissionDenied;
            }
        }
        if (!stack) {
            if (!options.simulatedTransport) {
                return Error{ErrorCode::NoDevice, "no simulated keyboard"};
            }
            auto transport = options.simulatedTransport();
            if (!transport) {
                return transport.error();
            }
            auto sim = connect(std::move(*transport));
            if (!sim) {
                return sim.error();
            }
            stack = std::move(*sim);
            simulated = true;
        }
        stack->link =
            std::make_unique<ConnectionKeyboardPort>(*stack->connection, context, simulated);
        if (!options.simulate && options.watchHotplug) {
            startMonitor();
        }
        return Status::success();
    }

    void startMonitor() {
        HotplugWatch::Callbacks callbacks;
        callbacks.arrived = [this] {
            if (DeviceConnection* c = realConnection.load()) {
                c->deviceArrived();
            } else {
                GuiConnectionObserver::post(&arrivals, [this] { arrived(); });
            }
        };
        callbacks.removed = [this] {
            if (DeviceConnection* c = realConnection.load()) {
                c->deviceRemoved();
            }
        };
        hotplug = std::make_unique<HotplugWatch>(std::move(callbacks));
        // Without the system's device events the program still runs, but
        // the user must know that plugging the keyboard in does nothing.
        if (Status s = hotplug->start(); !s.ok()) {
            hotplugProblem = QString::fromStdString(s.error().message);
            hotplug.reset();
        }
    }

    void arrived() {
        if (!stack) {
            return; // closed
        }
        if (!simulated) {
            stack->connection->deviceArrived();
            return;
        }
        if (options.simulate) {
            return;
        }
        auto real = connectReal();
        if (!real) {
            const QString reason = QString::fromStdString(real.error().message);
            inaccessible = real.error().code == ErrorCode::PermissionDenied;
            if (told.insert(reason).second && events.keyboardUnusable) {
                events.keyboardUnusable(reason);
            }
            return;
        }
        std::unique_ptr<Stack> old = std::move(stack);
        stack = std::move(*real);
        // Results of sequences the simulated keyboard still runs (an
        // interrupted one ends as cancelled) reach the window as before.
        stack->link = std::make_unique<ConnectionKeyboardPort>(*stack->connection, context, false);
        simulated = false;
        fallback.clear();
        inaccessible = false;
        realConnection.store(stack->connection.get());
        if (events.switchedToKeyboard) {
            events.switchedToKeyboard(*stack->link);
        }
        old.reset(); // its threads end before its transport goes
    }
};

KeyboardSession::KeyboardSession(Options options, QObject* context, Events events)
    : impl_(std::make_unique<Impl>(std::move(options), context, std::move(events))) {}

KeyboardSession::~KeyboardSession() = default;

Status KeyboardSession::open() {
    return impl_->open();
}
KeyboardPort& KeyboardSession::link() {
    return *impl_->stack->link;
}
bool KeyboardSession::simulated() const {
    return impl_->simulated;
}
QString KeyboardSession::fallbackReason() const {
    return impl_->fallback;
}
QString KeyboardSession::hotplugProblem() const {
    return impl_->hotplugProblem;
}
bool KeyboardSession::keyboardInaccessible() const {
    return impl_->inaccessible;
}
void KeyboardSession::keyboardArrived() {
    impl_->arrived();
}
void KeyboardSession::attachTrace(TraceSink* listener) {
    impl_->traceFanOut.attach(listener);
}
void KeyboardSession::close() {
    impl_->close();
}

} // namespace vantrel::ui
