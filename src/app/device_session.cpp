// SPDX-License-Identifier: MIT
#include "app/device_session.h"

#include "core/device/sleeping_pacer.h"
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "hid/hidapi_transport.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "platform/hotplug_monitor.h"
#include "ui/connection_device_link.h"

namespace vantrel::app {

struct DeviceSession::Impl {
    Options options;
    QObject* context;
    ui::GuiConnectionObserver observer;
    std::unique_ptr<sim::SimulatedKeyboard> keyboard;
    std::unique_ptr<HidTransport> transport;
    SleepingPacer sleepingPacer;
    std::unique_ptr<FileTraceSink> traceSink;
    std::unique_ptr<TraceWriter> trace;
    std::unique_ptr<TracingTransport> tracedTransport;
    std::unique_ptr<TracingPacer> tracedPacer;
    std::unique_ptr<DeviceConnection> connection;
    std::unique_ptr<ui::ConnectionDeviceLink> link;
    std::unique_ptr<platform::HotplugMonitor> hotplug;
    QString fallback;

    Impl(Options o, QObject* ctx, ui::GuiConnectionObserver::Handlers h)
        : options(std::move(o)), context(ctx), observer(ctx, std::move(h)) {}

    Status useSimulated() {
        keyboard = std::make_unique<sim::SimulatedKeyboard>();
        if (options.simState && std::filesystem::exists(*options.simState)) {
            if (Status s = keyboard->loadState(*options.simState); !s) {
                return s;
            }
        }
        transport = std::make_unique<sim::SimTransport>(*keyboard);
        return Status::success();
    }

    Status connect() {
        HidTransport* t = transport.get();
        Pacer* pacer = &sleepingPacer;
        if (options.trace) {
            if (!traceSink) {
                auto sink = FileTraceSink::open(*options.trace);
                if (!sink) {
                    return sink.error();
                }
                traceSink = std::move(*sink);
                trace = std::make_unique<TraceWriter>(*traceSink);
            }
            tracedTransport = std::make_unique<TracingTransport>(*t, *trace);
            tracedPacer = std::make_unique<TracingPacer>(sleepingPacer, *trace);
            t = tracedTransport.get();
            pacer = tracedPacer.get();
        }
        connection = std::make_unique<DeviceConnection>(*t, *pacer, observer, options.connection);
        return connection->start();
    }

    Status open() {
        if (options.simulate) {
            if (Status s = useSimulated(); !s) {
                return s;
            }
            if (Status s = connect(); !s) {
                return s;
            }
        } else {
            auto hid = HidapiTransport::create();
            Status s = hid ? Status::success() : Status(hid.error());
            if (s) {
                transport = std::move(*hid);
                s = connect();
            }
            if (!s) {
                // No keyboard (or no access to it): show the program with
                // the simulated one rather than an empty window.
                fallback = QString::fromStdString(s.error().message);
                connection.reset();
                tracedTransport.reset();
                tracedPacer.reset();
                if (Status sim = useSimulated(); !sim) {
                    return sim;
                }
                if (Status c = connect(); !c) {
                    return c;
                }
            } else {
                hotplug = std::make_unique<platform::HotplugMonitor>(
                    platform::HotplugMonitor::Callbacks{[this] { connection->deviceArrived(); },
                                                        [this] { connection->deviceRemoved(); }});
                hotplug->start(); // without udev the program still runs
            }
        }
        link =
            std::make_unique<ui::ConnectionDeviceLink>(*connection, context, keyboard != nullptr);
        return Status::success();
    }

    ~Impl() {
        if (hotplug) {
            hotplug->stop();
        }
        link.reset();
        connection.reset(); // its threads end before the transport goes
    }
};

DeviceSession::DeviceSession(Options options, QObject* context,
                             ui::GuiConnectionObserver::Handlers handlers)
    : impl_(std::make_unique<Impl>(std::move(options), context, std::move(handlers))) {}

DeviceSession::~DeviceSession() = default;

Status DeviceSession::open() {
    return impl_->open();
}
ui::DeviceLink& DeviceSession::link() {
    return *impl_->link;
}
bool DeviceSession::simulated() const {
    return impl_->keyboard != nullptr;
}
QString DeviceSession::fallbackReason() const {
    return impl_->fallback;
}

Status DeviceSession::finish() {
    if (impl_->hotplug) {
        impl_->hotplug->stop();
    }
    impl_->link.reset();
    impl_->connection.reset();
    if (impl_->keyboard && impl_->options.simState) {
        return impl_->keyboard->saveState(*impl_->options.simState);
    }
    return Status::success();
}

} // namespace vantrel::app
