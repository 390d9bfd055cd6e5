// SPDX-License-Identifier: MIT
// Peak memory of the desktop program with its window shown, at 100 % and
// at 200 % (QT_SCALE_FACTOR), beside a minimal Qt window's measured in the
// same run. Goals: at 100 % no more than 1.3 times the minimal window; at
// 200 % below 66 MB.
#include "spawn.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

#ifdef VANTREL_PATH
// Runs `args` until its window is up (and, for ours, the keyboard read),
// ends it as a logout would, and returns its peak resident size in MB (-1
// when it could not be run).
double peakMegabytes(const std::string& scale, const std::vector<std::string>& args) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("QT_SCALE_FACTOR", scale.c_str(), 1);
    const pid_t pid = vantrel::bench::spawnProgram(args, true);
    ::unsetenv("QT_SCALE_FACTOR");
    if (pid < 0) {
        return -1;
    }
    std::this_thread::sleep_for(std::chrono::seconds(3)); // start-up, read-back, paints
    ::kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid) {
        return -1;
    }
    return usage.ru_maxrss / 1024.0; // kB on Linux
}

// Ours and the minimal window, one after the other in the same run, so
// that both see the same libraries, fonts and page cache.
void BM_DesktopProgramPeakMemory(benchmark::State& state) {
    const std::string scale = state.range(0) == 100 ? "1" : "2";
    std::random_device rd;
    const fs::path data = fs::temp_directory_path() / ("vantrel-memory-" + std::to_string(rd()));
    double peak = 0;
    double minimal = 0;
    for (auto _ : state) {
        peak = peakMegabytes(scale, {VANTREL_PATH, "--simulate", "--data-dir", data.string()});
        minimal = peakMegabytes(scale, {MINIMAL_WINDOW_PATH});
        if (peak < 0 || minimal < 0) {
            state.SkipWithError("cannot run the programs");
            break;
        }
        state.SetIterationTime(1);
    }
    state.counters["peak_MB"] = peak;
    state.counters["minimal_window_MB"] = minimal;
    state.counters["ratio"] = minimal > 0 ? peak / minimal : 0;
    std::error_code ec;
    fs::remove_all(data, ec);
}
BENCHMARK(BM_DesktopProgramPeakMemory)
    ->ArgName("scale_percent")
    ->Arg(100)
    ->Arg(200)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
#endif

} // namespace

BENCHMARK_MAIN();
