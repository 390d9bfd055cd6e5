// SPDX-License-Identifier: MIT
// How quiet the program is when nothing happens:
//  - wake-ups of the idle desktop program (all its threads' context
//    switches, from /proc) over a fixed time, with the simulated keyboard
//    and with the stand-in that also watches for a keyboard to be plugged
//    in (goal 0: a plain Qt window has 0);
//  - how long ending the device connection takes, listener and worker
//    threads included (goal < 5 ms).
#include "core/device/device_connection.h"
#include "core/device/recording_pacer.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "quiet_observer.h"
#include "spawn.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace vantrel;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

using bench::QuietObserver;

// Context switches of every thread of `pid` so far: each time a thread
// sleeps again after it woke up counts one.
long contextSwitches(pid_t pid) {
    long total = 0;
    std::error_code ec;
    for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);) {
            const auto colon = line.find(':');
            if (colon != std::string::npos && line.find("ctxt_switches") != std::string::npos) {
                total += std::stol(line.substr(colon + 1));
            }
        }
    }
    return total;
}

#ifdef VANTREL_PATH
void BM_IdleDesktopProgramWakeUps(benchmark::State& state) {
    constexpr auto kSettle = std::chrono::seconds(3);
    constexpr auto kIdle = std::chrono::seconds(10);
    const bool simulate = state.range(0) != 0;
    std::random_device rd;
    const fs::path data = fs::temp_directory_path() / ("vantrel-idle-" + std::to_string(rd()));
    for (auto _ : state) {
        std::vector<std::string> args{VANTREL_PATH, "--data-dir", data.string()};
        if (simulate) {
            args.emplace_back("--simulate");
        }
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const pid_t pid = bench::spawnProgram(args);
        if (pid < 0) {
            state.SkipWithError("cannot start vantrel");
            return;
        }
        std::this_thread::sleep_for(kSettle); // start-up and read-back
        const long before = contextSwitches(pid);
        std::this_thread::sleep_for(kIdle);
        const long after = contextSwitches(pid);
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
        state.counters["wakeups"] = static_cast<double>(after - before);
        state.counters["idle_s"] = static_cast<double>(kIdle.count());
        state.SetIterationTime(std::chrono::duration<double>(kIdle).count());
    }
    std::error_code ec;
    fs::remove_all(data, ec);
}
BENCHMARK(BM_IdleDesktopProgramWakeUps)
    ->ArgName("simulate")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
#endif

void BM_ConnectionStop(benchmark::State& state) {
    sim::SimulatedKeyboard keyboard;
    sim::SimTransport transport(keyboard);
    RecordingPacer pacer;
    QuietObserver observer;
    double worst = 0;
    for (auto _ : state) {
        auto connection = std::make_unique<DeviceConnection>(transport, pacer, observer);
        if (!connection->start()) {
            state.SkipWithError("no simulated keyboard");
            return;
        }
        connection->waitIdle();
        // The listener is asleep in its read by now.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const auto start = Clock::now();
        connection.reset();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["stop_max_ms"] = worst;
}
BENCHMARK(BM_ConnectionStop)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
