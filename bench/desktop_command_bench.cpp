// SPDX-License-Identifier: MIT
// How long `vantrelctl set brightness=N` takes on the simulated keyboard:
// handed to the running desktop program, which knows the keyboard and only
// sends the change, against a run of its own, which opens the keyboard and
// reads it back first. Both run the real programs, process start included.
#include "spawn.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

#if defined(VANTREL_PATH) && defined(VANTRELCTL_PATH)

fs::path scratch() {
    std::random_device rd;
    auto p = fs::temp_directory_path() / ("vantrel-bench-" + std::to_string(rd()));
    fs::create_directories(p / "runtime");
    fs::permissions(p / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    return p;
}

int runToEnd(const std::vector<std::string>& args) {
    int status = -1;
    const pid_t pid = vantrel::bench::spawnProgram(args, true);
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void runSets(benchmark::State& state, const fs::path& data) {
    int brightness = 10;
    for (auto _ : state) {
        brightness = brightness == 10 ? 11 : 10; // always a change to send
        if (runToEnd({VANTRELCTL_PATH, "--simulate", "--data-dir", data.string(), "set",
                      "brightness=" + std::to_string(brightness)}) != 0) {
            state.SkipWithError("vantrelctl set failed");
            return;
        }
    }
}

void BM_SetThroughTheDesktopProgram(benchmark::State& state) {
    const fs::path dir = scratch();
    ::setenv("XDG_RUNTIME_DIR", (dir / "runtime").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const pid_t desktop = vantrel::bench::spawnProgram(
        {VANTREL_PATH, "--simulate", "--data-dir", (dir / "data").string()}, true);
    // Ready once it answers (after its start-up read-back).
    bool ready = false;
    for (int i = 0; i < 100 && !ready; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ready = runToEnd({VANTRELCTL_PATH, "--simulate", "--data-dir", (dir / "data").string(),
                          "info"}) == 0;
    }
    if (!ready) {
        state.SkipWithError("the desktop program did not answer");
    } else {
        runSets(state, dir / "data");
    }
    ::kill(desktop, SIGTERM);
    ::waitpid(desktop, nullptr, 0);
    fs::remove_all(dir);
}

void BM_SetRunByItself(benchmark::State& state) {
    const fs::path dir = scratch();
    ::setenv("XDG_RUNTIME_DIR", (dir / "runtime").c_str(), 1);
    runSets(state, dir / "data");
    fs::remove_all(dir);
}

BENCHMARK(BM_SetThroughTheDesktopProgram)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SetRunByItself)->Unit(benchmark::kMillisecond)->Iterations(20);

#endif

} // namespace

BENCHMARK_MAIN();
