// SPDX-License-Identifier: MIT
#include "core/device/device_connection.h"

#include "core/device/acknowledgement_flag.h"
#include "core/device/command_codes.h"
#include "core/device/device_commands.h"
#include "core/device/device_sequences.h"
#include "core/device/discovery.h"
#include "core/device/guarded_control.h"
#include "core/device/notification_listener.h"
#include "core/device/write_all.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

namespace vantrel {

namespace {

// How long a step waits for the listener to hand over what the keyboard
// already sent; the listener is woken for it, so this is only a bound.
constexpr std::chrono::milliseconds kDrainLimit{100};

Error noKeyboard() {
    return makeError(ErrorCode::NoDevice, "No keyboard is connected; plug it in and retry.");
}

Error disconnected() {
    return makeError(ErrorCode::Disconnected,
                     "The keyboard was disconnected; plug it in again and retry.");
}

} // namespace

struct DeviceConnection::Impl {
    Impl(HidTransport& t, Pacer& p, ConnectionObserver& o, ConnectionOptions opts)
        : transport(t), pacer(p), observer(o), options(opts), link(t),
          acks(opts.ackTimeout, ending, linkGeneration, [this] { takeInQueued(); }) {}

    HidTransport& transport;
    Pacer& pacer;
    ConnectionObserver& observer;
    const ConnectionOptions options;

    // --- the link: opened and closed under `lifecycle` only ---------------
    std::mutex lifecycle;
    DeviceLink link;
    std::atomic<bool> isConnected{false};
    // Bumped whenever the link opens or drops; sequences remember the value
    // they started with.
    std::atomic<std::uint64_t> linkGeneration{0};
    std::atomic<bool> ending{false};
    // Set by the listener when its interface failed (the keyboard is gone
    // even if no removal was reported yet).
    std::atomic<bool> inputBroken{false};
    mutable std::mutex infoMutex;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::string controlMatch;
    std::string notificationMatch;
    std::string controlPath; // under `lifecycle`
    // Under `lifecycle`; shared so that a step taking in queued reports
    // keeps it alive while the link drops it.
    std::shared_ptr<NotificationListener> listener;

    // --- the worker ---------------------------------------------------
    std::mutex queueMutex;
    std::condition_variable queueChanged;
    std::deque<std::function<void()>> queue;
    bool busy = false;
    bool stopWorker = false;
    std::thread worker;

    AcknowledgementFlag acks;

    // Worker only.
    FirmwareVersion lastVersion;
    FirmwareVersionReply lastReply{};

    // Before a step clears the acknowledgement flag: every report the
    // keyboard already sent is handled first.
    void takeInQueued() {
        std::shared_ptr<NotificationListener> current;
        {
            std::lock_guard lock(lifecycle);
            current = listener;
        }
        if (current) {
            current->drain(kDrainLimit);
        }
    }

    // ---- link -------------------------------------------------------
    // Opens the control interface (and, with `withInput`, the notification
    // collection and its listener). Caller holds `lifecycle`.
    Status openControlLocked() {
        if (Status s = link.openFeature(); !s) {
            return s;
        }
        std::lock_guard info(infoMutex);
        controlPath = link.DevicePath();
        vendor = link.DeviceVendorId();
        product = link.DeviceProductId();
        controlMatch = link.controlMatchName();
        return Status::success();
    }
    Status openInputLocked() {
        if (Status s = link.openInput(); !s) {
            return s;
        }
        {
            std::lock_guard info(infoMutex);
            notificationMatch = link.notificationMatchName();
        }
        inputBroken = false;
        startListenerLocked(link.InputHandle());
        return Status::success();
    }
    void markConnectedLocked() {
        ++linkGeneration;
        isConnected = true;
    }
    // Drops the link: sequences in progress end with Disconnected, the
    // listener stops, both interfaces close. False when nothing was open.
    bool closeLocked() {
        const bool wasOpen = isConnected.load() || link.featureOpen() || link.inputOpen();
        isConnected = false;
        ++linkGeneration;
        acks.wakeWaiters();
        stopListenerLocked();
        link.close();
        return wasOpen;
    }
    bool keyboardStillListed() {
        auto found = FindKeyboardInterface(transport, kControlInterfaceMatch);
        if (!found) {
            return true; // cannot tell: leave the link alone
        }
        return found->has_value() && (*found)->path == controlPath;
    }

    bool notificationListed() {
        auto found = FindKeyboardInterface(transport, kNotificationInterfaceMatch);
        return found.ok() && found->has_value();
    }

    // ---- listener -----------------------------------------------------
    void startListenerLocked(std::shared_ptr<NotificationHandle> handle) {
        stopListenerLocked();
        NotificationListener::Events events;
        events.report = [this](const NotificationReport& r) { dispatch(r); };
        events.broken = [this] {
            // The interface is gone: tell a waiting write-all at once.
            inputBroken = true;
            acks.interfaceFailed();
        };
        listener = std::make_shared<NotificationListener>(std::move(handle), std::move(events));
    }
    void stopListenerLocked() {
        if (listener) {
            listener->stop();
            listener.reset();
        }
    }
    void dispatch(const NotificationReport& r) {
        const std::uint8_t type = r[1];
        const std::uint8_t value = r[2];
        switch (type) {
        case note::kAcknowledge:
            acks.acknowledged();
            break;
        case note::kEffect:
            if (value != note::kIgnoredEffectValue) {
                observer.deviceLighting(type, value);
            }
            break;
        case note::kSpeed:
        case note::kBrightness:
        case note::kDirection:
        case note::kWristEffect:
            observer.deviceLighting(type, value);
            break;
        case note::kKeyAction:
            observer.keyAction(value);
            break;
        default:
            break;
        }
    }

    // ---- worker -----------------------------------------------------
    void post(std::function<void()> job) {
        {
            std::lock_guard lock(queueMutex);
            queue.push_back(std::move(job));
        }
        queueChanged.notify_all();
    }
    void work() {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(queueMutex);
                queueChanged.wait(lock, [&] { return stopWorker || !queue.empty(); });
                if (stopWorker) {
                    queue.clear();
                    busy = false;
                    queueChanged.notify_all();
                    return;
                }
                job = std::move(queue.front());
                queue.pop_front();
                busy = true;
            }
            job();
            {
                std::lock_guard lock(queueMutex);
                busy = false;
            }
            queueChanged.notify_all();
        }
    }
    // Sleeps on the worker, waking early when the connection ends.
    bool sleepOnWorker(std::chrono::milliseconds d) {
        std::unique_lock lock(queueMutex);
        return !queueChanged.wait_for(lock, d, [&] { return stopWorker; });
    }

    // Runs `body` on the control interface of the current link. A failure
    // that leaves the keyboard unlisted is reported as Disconnected and
    // drops the link.
    template <class T, class Body> Result<T> withControl(Body&& body) {
        std::shared_ptr<ControlHandle> control;
        std::uint64_t generation = 0;
        {
            std::lock_guard lock(lifecycle);
            if (!isConnected.load()) {
                return noKeyboard();
            }
            control = link.FeatureHandle();
            generation = linkGeneration.load();
        }
        GuardedControl guarded(std::move(control), linkGeneration, generation, ending);
        DeviceCommands commands(guarded, pacer);
        Result<T> result = body(commands);
        if (result.ok() || ending.load()) {
            return result;
        }
        const ErrorCode code = result.error().code;
        if (code == ErrorCode::NoAcknowledge || code == ErrorCode::InvalidArgument) {
            return result;
        }
        bool dropped = false;
        {
            std::lock_guard lock(lifecycle);
            if (linkGeneration.load() == generation && !keyboardStillListed()) {
                dropped = closeLocked();
            }
        }
        if (dropped) {
            observer.connectionChanged(false);
        }
        if (code == ErrorCode::Disconnected || linkGeneration.load() != generation) {
            return disconnected();
        }
        return result;
    }

    Result<DeviceSnapshot> readBackNow() {
        return withControl<DeviceSnapshot>([&](DeviceCommands& c) -> Result<DeviceSnapshot> {
            DeviceSnapshot snap;
            if (Status s = ReadBackDevice(c, snap.image, snap.versionReply, snap.firmware); !s) {
                return s.error();
            }
            lastVersion = snap.firmware;
            lastReply = snap.versionReply;
            return snap;
        });
    }
    Result<DeviceSnapshot> reReadNow(bool reset) {
        return withControl<DeviceSnapshot>([&](DeviceCommands& c) -> Result<DeviceSnapshot> {
            if (reset) {
                if (Status s = c.resetSequence(); !s) {
                    return s.error();
                }
            }
            DeviceSnapshot snap;
            if (Status s = ReReadDevice(c, snap.image); !s) {
                return s.error();
            }
            snap.firmware = lastVersion;
            snap.versionReply = lastReply;
            return snap;
        });
    }

    // What an arrival reads: the re-read, the colour maps once more and the
    // version.
    Result<DeviceSnapshot> reReadArrived() {
        return withControl<DeviceSnapshot>([&](DeviceCommands& c) -> Result<DeviceSnapshot> {
            DeviceSnapshot s;
            if (Status st = ReReadDevice(c, s.image); !st) {
                return st.error();
            }
            // The re-read leaves the colour maps to the end of a long
            // run; they are read once more after a reconnection.
            for (std::size_t m = 0; m < image::kColourMapCount; ++m) {
                if (Status st = c.readColourMap(s.image, m); !st) {
                    return st.error();
                }
            }
            if (Status st = c.getVersion(s.versionReply, s.firmware); !st) {
                return st.error();
            }
            lastVersion = s.firmware;
            lastReply = s.versionReply;
            return s;
        });
    }

    // The keyboard (or some device) arrived: reconnect if ours is not
    // connected, then read it again and restart the listener.
    void arrive() {
        bool wasDropped = false;
        {
            std::lock_guard lock(lifecycle);
            if (isConnected.load()) {
                if (!inputBroken.load() && keyboardStillListed()) {
                    return; // another device: the keyboard's link is fine
                }
                wasDropped = closeLocked();
            }
        }
        if (wasDropped) {
            observer.connectionChanged(false);
        }
        const auto arrived = std::chrono::steady_clock::now();
        const auto deadline = arrived + options.reopenWindow;
        for (;;) {
            Status opened;
            {
                std::lock_guard lock(lifecycle);
                opened = openControlLocked();
                // The keyboard's nodes appear one by one: go on only when
                // the notification collection is there too.
                if (opened && !notificationListed()) {
                    link.closeFeature();
                    opened = makeError(ErrorCode::NoDevice, "not all interfaces present yet");
                }
                if (opened) {
                    markConnectedLocked();
                }
            }
            if (opened) {
                break;
            }
            if (std::chrono::steady_clock::now() + options.reopenInterval > deadline ||
                !sleepOnWorker(options.reopenInterval)) {
                return; // not ours, or not ready: the next arrival tries again
            }
        }
        observer.connectionChanged(true);
        // A keyboard that has just appeared may not answer properly yet: a
        // failed re-read is tried again until it had time to settle.
        const auto settled = arrived + options.arrivalSettle;
        Result<DeviceSnapshot> snap = reReadArrived();
        while (!snap.ok() && snap.error().code != ErrorCode::Cancelled && isConnected.load() &&
               std::chrono::steady_clock::now() + options.arrivalRetryInterval <= settled &&
               sleepOnWorker(options.arrivalRetryInterval)) {
            snap = reReadArrived();
        }
        if (snap.ok()) {
            std::lock_guard lock(lifecycle);
            if (isConnected.load() && !link.inputOpen()) {
                if (Status s = openInputLocked(); !s) {
                    snap = s.error();
                }
            }
        }
        observer.readBackDone(snap);
    }
};

DeviceConnection::DeviceConnection(HidTransport& transport, Pacer& pacer,
                                   ConnectionObserver& observer, ConnectionOptions options)
    : impl_(std::make_unique<Impl>(transport, pacer, observer, options)) {
    impl_->worker = std::thread([this] { impl_->work(); });
}

DeviceConnection::~DeviceConnection() {
    Impl& d = *impl_;
    d.ending = true;
    d.acks.wakeWaiters();
    {
        std::lock_guard lock(d.queueMutex);
        d.stopWorker = true;
    }
    d.queueChanged.notify_all();
    if (d.worker.joinable()) {
        d.worker.join();
    }
    std::lock_guard lock(d.lifecycle);
    d.isConnected = false;
    d.stopListenerLocked();
    d.link.close();
}

Status DeviceConnection::start() {
    Impl& d = *impl_;
    {
        std::lock_guard lock(d.lifecycle);
        if (d.isConnected.load()) {
            return Status::success();
        }
        if (Status s = d.openControlLocked(); !s) {
            return s;
        }
        d.markConnectedLocked();
    }
    {
        // The listener runs before the first command so that no
        // acknowledgement of the read-back is lost.
        std::lock_guard lock(d.lifecycle);
        if (Status s = d.openInputLocked(); !s) {
            d.closeLocked();
            return s;
        }
    }
    d.observer.connectionChanged(true);
    d.post([&d] { d.observer.readBackDone(d.readBackNow()); });
    return Status::success();
}

bool DeviceConnection::connected() const {
    return impl_->isConnected.load();
}

std::uint16_t DeviceConnection::vendorId() const {
    std::lock_guard lock(impl_->infoMutex);
    return impl_->vendor;
}

std::uint16_t DeviceConnection::productId() const {
    std::lock_guard lock(impl_->infoMutex);
    return impl_->product;
}

std::string DeviceConnection::controlMatchName() const {
    std::lock_guard lock(impl_->infoMutex);
    return impl_->controlMatch;
}

std::string DeviceConnection::notificationMatchName() const {
    std::lock_guard lock(impl_->infoMutex);
    return impl_->notificationMatch;
}

void DeviceConnection::apply(const ConfigImage& image, const ConfigImage& synced,
                             std::function<void(Result<ApplyOutcome>)> done) {
    Impl& d = *impl_;
    d.post([&d, image, synced, done = std::move(done)] {
        done(d.withControl<ApplyOutcome>([&](DeviceCommands& c) -> Result<ApplyOutcome> {
            auto r = WriteAll(c, d.acks, image, synced);
            if (!r) {
                return r.error();
            }
            return ApplyOutcome{r->image, r->changes.anything()};
        }));
    });
}

void DeviceConnection::factoryReset(std::function<void(Result<DeviceSnapshot>)> done) {
    Impl& d = *impl_;
    d.post([&d, done = std::move(done)] { done(d.reReadNow(true)); });
}

void DeviceConnection::readBack(std::function<void(Result<DeviceSnapshot>)> done) {
    Impl& d = *impl_;
    d.post([&d, done = std::move(done)] { done(d.readBackNow()); });
}

void DeviceConnection::reRead(std::function<void(Result<DeviceSnapshot>)> done) {
    Impl& d = *impl_;
    d.post([&d, done = std::move(done)] { done(d.reReadNow(false)); });
}

void DeviceConnection::deviceArrived() {
    Impl& d = *impl_;
    d.post([&d] { d.arrive(); });
}

void DeviceConnection::deviceRemoved() {
    Impl& d = *impl_;
    bool dropped = false;
    {
        std::lock_guard lock(d.lifecycle);
        if (!d.isConnected.load()) {
            return;
        }
        // Another device went away: the keyboard's handles stay open.
        if (!d.inputBroken.load() && d.keyboardStillListed()) {
            return;
        }
        dropped = d.closeLocked();
    }
    if (dropped) {
        d.observer.connectionChanged(false);
    }
}

void DeviceConnection::waitIdle() {
    Impl& d = *impl_;
    if (d.worker.get_id() == std::this_thread::get_id()) {
        return;
    }
    std::unique_lock lock(d.queueMutex);
    d.queueChanged.wait(lock, [&] { return (d.queue.empty() && !d.busy) || d.stopWorker; });
}

} // namespace vantrel
