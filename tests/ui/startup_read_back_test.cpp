// SPDX-License-Identifier: MIT
// The window while the start-up read-back is still running: nothing the
// user does may act on the image before the keyboard's values are in it.
#include "controller_fixture.h"
#include "core/device/device_connection.h"
#include "core/device/pacer.h"
#include "event_wait.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "ui/connection_keyboard_port.h"
#include "ui/gui_connection_observer.h"

#include <QObject>
#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace vantrel::ui::testing {
namespace {

// Holds every device sequence at its first pause until opened.
class GatePacer final : public Pacer {
public:
    void pause(std::chrono::milliseconds) override { passGate(); }
    void yield() override { passGate(); }
    void open() {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        changed_.notify_all();
    }

private:
    void passGate() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return open_; });
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false;
};

class StartUpReadBackTest : public ControllerTest {
protected:
    ~StartUpReadBackTest() override {
        pacer.open();
        link.reset();
        connection.reset();
    }

    void startHeld() {
        GuiConnectionObserver::Handlers h;
        h.readBackDone = [this](const Result<DeviceSnapshot>& r) {
            controller.deviceReadBack(r);
            ++readBacks;
        };
        h.connectionChanged = [this](bool c) { controller.connectionChanged(c); };
        h.deviceLighting = [](std::uint8_t, std::uint8_t) {};
        h.keyAction = [](std::uint8_t) {};
        observer = std::make_unique<GuiConnectionObserver>(&context, std::move(h));
        connection = std::make_unique<DeviceConnection>(transport, pacer, *observer);
        link = std::make_unique<ConnectionKeyboardPort>(*connection, &context, true);
        controller.setKeyboardPort(link.get());
        ASSERT_TRUE(connection->start().ok());
        // The connection is there; its read-back waits at the gate.
        ASSERT_TRUE(waitFor([&] { return controller.busy(); }));
    }

    void pressSlider(int id, int position) {
        const Slider* s = controller.sliders().find(id);
        ASSERT_NE(s, nullptr);
        const int x = s->x + position * (Slider::kWidth - Slider::kThumbWidth) / s->range;
        controller.mousePress(x, s->y + Slider::kHeight / 2);
        controller.mouseRelease(x, s->y + Slider::kHeight / 2);
    }

    sim::SimulatedKeyboard keyboard;
    sim::SimTransport transport{keyboard};
    GatePacer pacer;
    QObject context;
    std::unique_ptr<GuiConnectionObserver> observer;
    std::unique_ptr<DeviceConnection> connection;
    std::unique_ptr<ConnectionKeyboardPort> link;
    int readBacks = 0;
};

// A first start: no keymap.bin, so the image is all zero until the keyboard
// has been read. An apply then would disable almost every key and send
// brightness, report rate and response time of the empty image.
TEST_F(StartUpReadBackTest, CommandsAndSlidersWaitForTheKeyboardsValues) {
    const ConfigImage before = keyboard.state();
    startHeld();
    ASSERT_FALSE(shell.busy.empty());
    EXPECT_TRUE(shell.busy.back()); // the busy cursor

    clickRegion(kCmdApply);
    clickRegion(kCmdGameMode);
    clickRegion(kCmdWinLock);
    pressSlider(kSliderBrightness, 10);
    pressSlider(kSliderReportRate, 1);
    EXPECT_EQ(model.image(), ConfigImage{}) << "nothing may change the unread image";

    pacer.open();
    ASSERT_TRUE(waitFor([&] { return readBacks == 1 && !controller.busy(); }));
    EXPECT_FALSE(shell.busy.back());
    connection->waitIdle();
    QCoreApplication::processEvents();
    const auto unchanged = [&](const ConfigImage& kb) {
        EXPECT_EQ(kb.lightBrightness(), before.lightBrightness());
        EXPECT_EQ(kb.reportRate(), before.reportRate());
        EXPECT_EQ(kb.keyResponseTime(), before.keyResponseTime());
        EXPECT_EQ(kb.lightEffect(), before.lightEffect());
        EXPECT_TRUE(std::equal(kb.keyEnableMap().begin(), kb.keyEnableMap().end(),
                               before.keyEnableMap().begin()));
        EXPECT_TRUE(
            std::equal(kb.keyTable().begin(), kb.keyTable().end(), before.keyTable().begin()));
    };
    unchanged(keyboard.state()); // nothing reached the keyboard
    EXPECT_EQ(model.image().lightBrightness(), before.lightBrightness());
    EXPECT_EQ(model.image().reportRate(), before.reportRate());
    EXPECT_EQ(model.image().keyResponseTime(), before.keyResponseTime());
    EXPECT_TRUE(prompts.informs.empty());

    // Now the same commands act on what was read.
    const std::uint8_t readMode = model.image().gameMode();
    clickRegion(kCmdGameMode);
    clickRegion(kCmdApply);
    ASSERT_TRUE(controller.busy());
    ASSERT_TRUE(waitFor([&] { return !controller.busy(); }));
    EXPECT_EQ(keyboard.state().gameMode(), 1 - readMode);
    unchanged(keyboard.state());
}

// A read-back that fails ends the wait too: the window never stays frozen.
TEST_F(StartUpReadBackTest, AFailedReadBackEndsTheWait) {
    keyboard.unplugAfter(3);
    startHeld();
    pacer.open();
    ASSERT_TRUE(waitFor([&] { return readBacks == 1; }));
    EXPECT_FALSE(controller.busy());
}

} // namespace
} // namespace vantrel::ui::testing
