// SPDX-License-Identifier: MIT
// The start-up read-back through the kernel's HID stack (hidapi, hidraw,
// uhid) against the simulated keyboard as a kernel HID device, as wall time
// over the sum of the protocol's pauses (goal <= 1.10). It needs /dev/uhid:
// run it in the test machine, scripts/vm-run build/release/bench/kernel_read_back_bench.
// There the CPU is emulated and slow while the pauses keep their length, so
// the ratio shows what the kernel path adds on top of the protocol's pace.
#include "core/device/device_connection.h"
#include "hid/hidapi_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "quiet_observer.h"
#include "summing_pacer.h"
#include "uhid_keyboard.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <future>
#include <thread>

using namespace vantrel;
using Clock = std::chrono::steady_clock;

namespace {

// The keyboard served on a thread of its own for as long as it lives.
class ServedKeyboard {
public:
    Status start() {
        auto kb = uhid::UhidKeyboard::create(keyboard_, {});
        if (!kb) {
            return kb.error();
        }
        uhid_ = std::move(*kb);
        std::promise<void> ready;
        auto readyNow = ready.get_future();
        uhid_->onReady([&ready, once = std::make_shared<std::once_flag>()](const auto&) {
            std::call_once(*once, [&] { ready.set_value(); });
        });
        server_ = std::thread([this] { served_ = uhid_->run(); });
        if (readyNow.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            return makeError(ErrorCode::NoDevice, "the kernel made no hidraw nodes");
        }
        return Status::success();
    }
    ~ServedKeyboard() {
        if (uhid_) {
            uhid_->stop();
            server_.join();
        }
    }

private:
    sim::SimulatedKeyboard keyboard_;
    std::unique_ptr<uhid::UhidKeyboard> uhid_;
    std::thread server_;
    Status served_;
};

void BM_ReadBackThroughTheKernel(benchmark::State& state) {
    if (!std::filesystem::exists("/dev/uhid")) {
        state.SkipWithError("needs /dev/uhid: run it inside scripts/vm-run");
        return;
    }
    ServedKeyboard keyboard;
    if (Status s = keyboard.start(); !s) {
        state.SkipWithError(s.error().message.c_str());
        return;
    }
    auto transport = HidapiTransport::create();
    if (!transport) {
        state.SkipWithError(transport.error().message.c_str());
        return;
    }
    bench::SummingPacer pacer;
    bench::QuietObserver observer;
    DeviceConnection connection(**transport, pacer, observer);
    if (Status s = connection.start(); !s) {
        state.SkipWithError(s.error().message.c_str());
        return;
    }
    connection.waitIdle();
    double ratioSum = 0;
    for (auto _ : state) {
        pacer.reset();
        std::promise<Result<DeviceSnapshot>> done;
        auto snapshot = done.get_future();
        const auto start = Clock::now();
        connection.readBack([&done](Result<DeviceSnapshot> r) { done.set_value(std::move(r)); });
        const bool ok = snapshot.get().ok();
        const auto wall = Clock::now() - start;
        if (!ok) {
            state.SkipWithError("the read-back failed");
            return;
        }
        ratioSum += std::chrono::duration<double, std::milli>(wall).count() /
                    static_cast<double>(pacer.asked().count());
        state.SetIterationTime(std::chrono::duration<double>(wall).count());
    }
    state.counters["pauses_ms"] = static_cast<double>(pacer.asked().count());
    state.counters["wall_over_pauses"] =
        ratioSum / static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
}
BENCHMARK(BM_ReadBackThroughTheKernel)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
