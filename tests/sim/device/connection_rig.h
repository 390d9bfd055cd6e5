// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_connection.h"
#include "core/device/recording_pacer.h"
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantrel::test {

// Records what the connection reports, and lets a test wait for it.
class RecordingObserver : public ConnectionObserver {
public:
    void readBackDone(const Result<DeviceSnapshot>& snapshot) override {
        std::lock_guard lock(mutex_);
        readBacks_.push_back(snapshot);
        changed_.notify_all();
    }
    void deviceLighting(std::uint8_t type, std::uint8_t value) override {
        std::lock_guard lock(mutex_);
        lighting_.emplace_back(type, value);
        changed_.notify_all();
    }
    void keyAction(std::uint8_t key) override {
        std::lock_guard lock(mutex_);
        keys_.push_back(key);
        changed_.notify_all();
    }
    void connectionChanged(bool connected) override {
        std::lock_guard lock(mutex_);
        connections_.push_back(connected);
        changed_.notify_all();
    }

    // Waits (at most a few seconds) until `ready` holds.
    template <class Pred> bool waitFor(Pred ready) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return ready(*this); });
    }

    std::vector<Result<DeviceSnapshot>> readBacks_;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> lighting_;
    std::vector<std::uint8_t> keys_;
    std::vector<bool> connections_;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
};

// Runs a write-all on `connection` and waits for its outcome.
inline Result<ApplyOutcome> applyAndWait(DeviceConnection& connection, const ConfigImage& image,
                                         const ConfigImage& synced) {
    std::promise<Result<ApplyOutcome>> p;
    auto f = p.get_future();
    connection.apply(image, synced, [&p](Result<ApplyOutcome> r) { p.set_value(std::move(r)); });
    return f.get();
}

// The simulated keyboard behind a traced transport and a recording pacer,
// and a connection to it.
struct ConnectionRig {
    explicit ConnectionRig(ConnectionOptions options = shortOptions())
        : connection(tracedTransport, tracedPacer, observer, options) {}

    static ConnectionOptions shortOptions() {
        ConnectionOptions o;
        o.ackTimeout = std::chrono::milliseconds(400);
        o.arrivalSettle = std::chrono::milliseconds(300);
        o.arrivalRetryInterval = std::chrono::milliseconds(20);
        o.reopenInterval = std::chrono::milliseconds(10);
        o.reopenWindow = std::chrono::milliseconds(100);
        return o;
    }

    // Starts and waits for the start-up read-back.
    Result<DeviceSnapshot> startAndRead() {
        if (Status s = connection.start(); !s) {
            return s.error();
        }
        connection.waitIdle();
        return observer.readBacks_.at(0);
    }

    Result<ApplyOutcome> apply(const ConfigImage& image, const ConfigImage& synced) {
        return applyAndWait(connection, image, synced);
    }
    Result<DeviceSnapshot> readBack() {
        std::promise<Result<DeviceSnapshot>> p;
        auto f = p.get_future();
        connection.readBack([&p](Result<DeviceSnapshot> r) { p.set_value(std::move(r)); });
        return f.get();
    }

    // Trace lines that are transfers to the control interface (no
    // notifications), from `from` on.
    std::vector<std::string> controlLines(std::size_t from = 0) const {
        std::vector<std::string> out;
        auto lines = sink.lines();
        for (std::size_t i = from; i < lines.size(); ++i) {
            if (lines[i].rfind("< notify", 0) != 0) {
                out.push_back(lines[i]);
            }
        }
        return out;
    }
    // Only the set-feature lines, as "CC PP" (code and first parameter).
    std::vector<std::string> sets(std::size_t from = 0) const {
        std::vector<std::string> out;
        for (const auto& l : controlLines(from)) {
            if (l.rfind("> set-feature ", 0) == 0) {
                out.push_back(l.substr(17, 5));
            }
        }
        return out;
    }

    sim::SimulatedKeyboard keyboard;
    sim::SimTransport transport{keyboard};
    MemoryTraceSink sink;
    TraceWriter trace{sink};
    TracingTransport tracedTransport{transport, trace};
    RecordingPacer pacer;
    TracingPacer tracedPacer{pacer, trace};
    RecordingObserver observer;
    DeviceConnection connection;
};

} // namespace vantrel::test
