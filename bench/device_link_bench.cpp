// SPDX-License-Identifier: MIT
// How close the device link comes to the protocol's own pace:
//  - the read-back against the simulated keyboard with the real sleeping
//    pacer, as wall time over the sum of the protocol's pauses (goal <= 1.05);
//  - the write-all's reaction to an acknowledgement: from the moment the
//    listener has the report to the next transfer (goal < 1 ms).
#include "core/device/device_connection.h"
#include "core/device/recording_pacer.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "quiet_observer.h"
#include "summing_pacer.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <future>
#include <mutex>
#include <vector>

using namespace vantrel;
using Clock = std::chrono::steady_clock;

namespace {

using bench::QuietObserver;
using bench::SummingPacer;

template <class T, class Start> Result<T> runAndWait(Start&& start) {
    std::promise<Result<T>> p;
    auto f = p.get_future();
    start([&p](Result<T> r) { p.set_value(std::move(r)); });
    return f.get();
}

void BM_ReadBackPacing(benchmark::State& state) {
    sim::SimulatedKeyboard keyboard;
    sim::SimTransport transport(keyboard);
    SummingPacer pacer;
    QuietObserver observer;
    DeviceConnection connection(transport, pacer, observer);
    if (!connection.start()) {
        state.SkipWithError("no simulated keyboard");
        return;
    }
    connection.waitIdle();
    double ratioSum = 0;
    for (auto _ : state) {
        pacer.reset();
        const auto start = Clock::now();
        auto snap = runAndWait<DeviceSnapshot>([&](auto done) { connection.readBack(done); });
        const auto wall = Clock::now() - start;
        if (!snap) {
            state.SkipWithError("read-back failed");
            return;
        }
        const double ratio = std::chrono::duration<double, std::milli>(wall).count() /
                             static_cast<double>(pacer.asked().count());
        ratioSum += ratio;
        state.SetIterationTime(std::chrono::duration<double>(wall).count());
    }
    state.counters["pauses_ms"] = static_cast<double>(pacer.asked().count());
    state.counters["wall_over_pauses"] =
        ratioSum / static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
}
BENCHMARK(BM_ReadBackPacing)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// Timestamps acknowledgements as the listener receives them and the control
// transfers that follow them.
class TimingTransport final : public HidTransport {
public:
    explicit TimingTransport(HidTransport& inner) : inner_(inner) {}

    Result<std::vector<HidInterfaceInfo>> enumerate() override { return inner_.enumerate(); }
    Result<std::unique_ptr<ControlHandle>> openControl(const std::string& path) override {
        auto h = inner_.openControl(path);
        if (!h) {
            return h.error();
        }
        return std::unique_ptr<ControlHandle>(std::make_unique<Control>(*this, std::move(*h)));
    }
    Result<std::unique_ptr<NotificationHandle>> openNotification(const std::string& path) override {
        auto h = inner_.openNotification(path);
        if (!h) {
            return h.error();
        }
        return std::unique_ptr<NotificationHandle>(
            std::make_unique<Notification>(*this, std::move(*h)));
    }

    // The latencies so far; an acknowledgement still pending is dropped, so
    // that the next apply does not count the benchmark's own loop.
    std::vector<double> takeLatenciesMs() {
        std::lock_guard lock(mutex_);
        pendingAck_.reset();
        return std::exchange(latencies_, {});
    }

private:
    void transfer() {
        const auto now = Clock::now();
        std::lock_guard lock(mutex_);
        if (pendingAck_) {
            latencies_.push_back(
                std::chrono::duration<double, std::milli>(now - *pendingAck_).count());
            pendingAck_.reset();
        }
    }
    void acknowledged() {
        const auto now = Clock::now();
        std::lock_guard lock(mutex_);
        pendingAck_ = now;
    }

    class Control final : public ControlHandle {
    public:
        Control(TimingTransport& t, std::unique_ptr<ControlHandle> inner)
            : t_(t), inner_(std::move(inner)) {}
        Status setFeature(const FeatureReport& r) override {
            t_.transfer();
            return inner_->setFeature(r);
        }
        Result<FeatureReport> getFeature() override { return inner_->getFeature(); }
        Status writeBlock(const BlockReport& b) override {
            t_.transfer();
            return inner_->writeBlock(b);
        }
        Result<BlockReport> readBlock() override { return inner_->readBlock(); }

    private:
        TimingTransport& t_;
        std::unique_ptr<ControlHandle> inner_;
    };
    class Notification final : public NotificationHandle {
    public:
        Notification(TimingTransport& t, std::unique_ptr<NotificationHandle> inner)
            : t_(t), inner_(std::move(inner)) {}
        Result<std::optional<NotificationReport>> read(std::chrono::milliseconds timeout) override {
            auto r = inner_->read(timeout);
            if (r && r->has_value() && (**r)[1] == 4) {
                t_.acknowledged();
            }
            return r;
        }
        void wake() override { inner_->wake(); }

    private:
        TimingTransport& t_;
        std::unique_ptr<NotificationHandle> inner_;
    };

    HidTransport& inner_;
    std::mutex mutex_;
    std::optional<Clock::time_point> pendingAck_;
    std::vector<double> latencies_;
};

void BM_AcknowledgementToNextTransfer(benchmark::State& state) {
    sim::SimulatedKeyboard keyboard;
    // Acknowledgements come a little later than the transfer, as from a real
    // keyboard, so that each one finds the write-all waiting.
    keyboard.delayAcks(std::chrono::milliseconds(2));
    sim::SimTransport sim(keyboard);
    TimingTransport transport(sim);
    RecordingPacer pacer; // the pauses are not what is measured here
    QuietObserver observer;
    DeviceConnection connection(transport, pacer, observer);
    if (!connection.start()) {
        state.SkipWithError("no simulated keyboard");
        return;
    }
    connection.waitIdle();
    std::vector<double> all;
    std::uint8_t fill = 1;
    for (auto _ : state) {
        ConfigImage synced;
        ConfigImage image = synced;
        for (std::size_t s = 0; s < image::kMacroSlotCount; ++s) {
            image.macroSlot(s)[0] = fill;
        }
        ++fill;
        transport.takeLatenciesMs();
        auto r = runAndWait<ApplyOutcome>(
            [&](auto done) { connection.apply(image, synced, std::move(done)); });
        if (!r) {
            state.SkipWithError(r.error().message.c_str());
            return;
        }
        auto l = transport.takeLatenciesMs();
        all.insert(all.end(), l.begin(), l.end());
    }
    std::sort(all.begin(), all.end());
    if (!all.empty()) {
        double sum = 0;
        for (double v : all) {
            sum += v;
        }
        state.counters["ack_to_next_mean_ms"] = sum / static_cast<double>(all.size());
        state.counters["ack_to_next_p99_ms"] = all[all.size() * 99 / 100];
        state.counters["ack_to_next_max_ms"] = all.back();
        state.counters["samples"] = static_cast<double>(all.size());
    }
}
BENCHMARK(BM_AcknowledgementToNextTransfer)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
