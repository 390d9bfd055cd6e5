// SPDX-License-Identifier: MIT
// From the moment the window system says another program is in front to the
// last frame of its profile reaching the simulated keyboard, through the
// desktop program's own switching, timer and device port: measured against
// the half-second hold plus the pauses the write-all itself must make
// (goal <= 1.10 of that).
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "core/model/profile_store.h"
#include "core/model/program_bindings.h"
#include "core/model/state_files.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "quiet_observer.h"
#include "summing_pacer.h"
#include "ui/connection_keyboard_port.h"
#include "ui/profiles/profile_switching.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cerrno>
#include <fcntl.h>
#include <future>
#include <unistd.h>

using namespace vantrel;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

// Stamps every frame the trace shows sent to the keyboard, so that the last
// one of a write-all is known.
class StampingSink final : public TraceSink {
public:
    void writeLine(std::string_view line) override {
        if (line.starts_with("> ")) {
            last_ = Clock::now().time_since_epoch().count();
        }
    }
    Clock::time_point lastFrame() const { return Clock::time_point(Clock::duration(last_.load())); }

private:
    std::atomic<Clock::duration::rep> last_{0};
};

// The window system as a pipe: a written byte is a change of front window.
class PipeWatcher final : public platform::FrontWindowWatcher {
public:
    PipeWatcher() {
        if (pipe(fds_) != 0) {
            fds_[0] = fds_[1] = -1;
        }
        fcntl(fds_[0], F_SETFL, O_NONBLOCK);
    }
    ~PipeWatcher() override {
        close(fds_[0]);
        close(fds_[1]);
    }
    FrontProgram current() override { return front_; }
    int descriptor() const override { return fds_[0]; }
    Result<std::optional<FrontProgram>> takeChanges() override {
        char c = 0;
        const auto n = read(fds_[0], &c, 1);
        if (n == 0 || (n < 0 && errno != EAGAIN)) {
            return makeError(ErrorCode::Io, "pipe closed");
        }
        return n == 1 ? std::optional<FrontProgram>(front_) : std::nullopt;
    }
    void bringToFront(std::string windowClass) {
        front_ = {"", std::move(windowClass)};
        const char c = 1;
        (void)!write(fds_[1], &c, 1);
    }

private:
    int fds_[2] = {-1, -1};
    FrontProgram front_{"", "desk"};
};

// A game's profile: another effect and brightness, its own key colours and
// two keys moved.
void saveGameProfile(const fs::path& folder, const ConfigImage& from, const AssignmentTable& t) {
    ConfigImage game = from;
    game.setLightEffect(static_cast<std::uint8_t>(from.lightEffect() == 3 ? 4 : 3));
    game.setLightBrightness(static_cast<std::uint8_t>(from.lightBrightness() == 20 ? 30 : 20));
    for (std::size_t i = 0; i < 20; ++i) {
        game.setKeyColour(i, Rgb{static_cast<std::uint8_t>(10 * i), 200, 40});
    }
    AssignmentTable table = t;
    std::swap(table[1], table[2]);
    fs::create_directories(folder);
    (void)SaveKeymapFile(ProfileStore(folder).pathOf("Racing"), game, table);
}

struct Rig {
    sim::SimulatedKeyboard keyboard;
    sim::SimTransport sim{keyboard};
    StampingSink stamps;
    TraceWriter trace{stamps};
    TracingTransport transport{sim, trace};
    bench::SummingPacer pacer;
    bench::QuietObserver observer;
    DeviceConnection connection{transport, pacer, observer};
    QObject context;
    ui::ConnectionKeyboardPort port{connection, &context, true};
    ui::ProfileSwitching::Configuration synced;
    std::optional<Clock::time_point> sent;
};

ui::ProfileSwitching::Ports portsOf(Rig& rig, QEventLoop& loop) {
    ui::ProfileSwitching::Ports ports;
    ports.gate = [] { return ProfileSwitcher::Gate{}; };
    ports.held = [&rig] { return rig.synced; };
    ports.status = [](const QString&) {};
    ports.send = [&rig, &loop](const ui::ProfileSwitching::Configuration& c,
                               std::function<void(Status)> done) {
        rig.pacer.reset();
        rig.port.apply(c.image, rig.synced.image,
                       [&rig, &loop, c, done = std::move(done)](Result<ApplyOutcome> r) {
                           if (r) {
                               rig.synced = {r->image, c.table};
                               rig.sent = rig.stamps.lastFrame();
                           }
                           done(r ? Status::success() : Status(r.error()));
                           loop.quit();
                       });
    };
    return ports;
}

void BM_FrontChangeToLastFrame(benchmark::State& state) {
    QTemporaryDir dir;
    Rig rig;
    rig.keyboard.delayAcks(std::chrono::milliseconds(2));
    if (!dir.isValid() || !rig.connection.start()) {
        state.SkipWithError("no simulated keyboard or folder");
        return;
    }
    rig.connection.waitIdle();
    std::promise<Result<DeviceSnapshot>> first;
    rig.connection.readBack([&](Result<DeviceSnapshot> r) { first.set_value(std::move(r)); });
    auto snap = first.get_future().get();
    if (!snap) {
        state.SkipWithError("read-back failed");
        return;
    }
    rig.synced.image = snap->image;
    const fs::path root = dir.path().toStdString();
    saveGameProfile(root / "Configure", snap->image, rig.synced.table);
    ProgramBindings bindings;
    bindings.bind("class:game", "Racing");
    (void)SaveBindingsFile(root / "bindings.conf", bindings);

    QEventLoop loop;
    ui::ProfileSwitching switching(root / "Configure", root / "bindings.conf", portsOf(rig, loop));
    auto watcher = std::make_unique<PipeWatcher>();
    PipeWatcher& front = *watcher;
    switching.start(std::move(watcher));
    double ratioSum = 0;
    std::chrono::milliseconds pauses{0};
    for (auto _ : state) {
        rig.sent.reset();
        const auto changed = Clock::now();
        front.bringToFront("game");
        loop.exec();
        pauses = rig.pacer.asked();
        if (!rig.sent) {
            state.SkipWithError("the profile was not sent");
            return;
        }
        const double wall = std::chrono::duration<double, std::milli>(*rig.sent - changed).count();
        const auto goal = ProfileSwitcher::kHold + pauses;
        ratioSum += wall / static_cast<double>(goal.count());
        state.SetIterationTime(wall / 1000.0);
        // Back to the desk (not timed): the next round starts from there.
        front.bringToFront("desk");
        loop.exec();
    }
    state.counters["hold_plus_pauses_ms"] =
        static_cast<double>((ProfileSwitcher::kHold + pauses).count());
    state.counters["wall_over_hold_and_pauses"] =
        ratioSum / static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
}
BENCHMARK(BM_FrontChangeToLastFrame)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
