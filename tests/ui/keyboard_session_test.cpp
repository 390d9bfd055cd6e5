// SPDX-License-Identifier: MIT
// The window started on the simulated keyboard because none was plugged in;
// a keyboard plugged in later takes over.
#include "controller_fixture.h"
#include "core/device/recording_pacer.h"
#include "event_wait.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "ui/keyboard_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <memory>

namespace vantrel::ui::testing {
namespace {

class KeyboardSessionTest : public ControllerTest {
protected:
    KeyboardSessionTest() {
        plugged.unplug();
        KeyboardSession::Options o;
        o.pacer = &pacer;
        o.watchHotplug = false;
        o.realTransport = [this]() -> Result<std::unique_ptr<HidTransport>> {
            ++realOpens;
            return std::unique_ptr<HidTransport>(std::make_unique<sim::SimTransport>(plugged));
        };
        o.simulatedTransport = [this]() -> Result<std::unique_ptr<HidTransport>> {
            return std::unique_ptr<HidTransport>(std::make_unique<sim::SimTransport>(standIn));
        };
        KeyboardSession::Events e;
        e.device.readBackDone = [this](const Result<DeviceSnapshot>& r) {
            controller.deviceReadBack(r);
            readBacks.push_back(r.ok());
        };
        e.device.connectionChanged = [this](bool c) { controller.connectionChanged(c); };
        e.switchedToKeyboard = [this](KeyboardPort& link) {
            controller.setKeyboardPort(&link);
            ++switches;
        };
        e.keyboardUnusable = [this](const QString& reason) {
            prompts.inform(reason, QStringLiteral("VANTREL"));
        };
        session = std::make_unique<KeyboardSession>(std::move(o), &context, std::move(e));
    }
    ~KeyboardSessionTest() override { session.reset(); }

    void startInFallback() {
        ASSERT_TRUE(session->open().ok());
        ASSERT_TRUE(session->simulated());
        ASSERT_FALSE(session->fallbackReason().isEmpty());
        controller.setKeyboardPort(&session->link());
        ASSERT_TRUE(waitFor([&] { return readBacks.size() == 1; }));
        ASSERT_TRUE(readBacks.front());
    }

    // The red mark before the text about the keyboard.
    bool noticeShown() {
        return controller.compose().pixelColor(303, 615) == QColor(0xE0, 0x24, 0x3A);
    }

    void toggleGameModeAndApply() {
        clickRegion(kCmdGameMode);
        clickRegion(kCmdApply);
        ASSERT_TRUE(controller.busy());
        ASSERT_TRUE(waitFor([&] { return !controller.busy(); }));
    }

    sim::SimulatedKeyboard standIn;
    sim::SimulatedKeyboard plugged;
    RecordingPacer pacer;
    QObject context;
    std::unique_ptr<KeyboardSession> session;
    std::vector<bool> readBacks;
    int switches = 0;
    int realOpens = 0;
};

TEST_F(KeyboardSessionTest, PluggedInKeyboardTakesOverFromTheSimulatedOne) {
    startInFallback();
    EXPECT_TRUE(noticeShown());
    EXPECT_FALSE(session->keyboardInaccessible()); // not there at all

    plugged.replug();
    session->keyboardArrived();
    EXPECT_EQ(switches, 1);
    EXPECT_FALSE(session->simulated());
    EXPECT_TRUE(session->fallbackReason().isEmpty());
    // The new keyboard's start-up read-back reaches the window.
    ASSERT_TRUE(waitFor([&] { return readBacks.size() == 2; }));
    EXPECT_TRUE(readBacks.back());
    EXPECT_FALSE(noticeShown());

    const std::uint8_t standInGameMode = standIn.state().gameMode();
    const std::uint8_t gameMode = plugged.state().gameMode();
    toggleGameModeAndApply();
    EXPECT_TRUE(prompts.informs.empty());
    EXPECT_EQ(plugged.state().gameMode(), 1 - gameMode);
    EXPECT_EQ(standIn.state().gameMode(), standInGameMode);

    // Later nodes of the same plug-in change nothing.
    session->keyboardArrived();
    EXPECT_EQ(switches, 1);
    EXPECT_EQ(realOpens, 2);
    EXPECT_TRUE(prompts.informs.empty());
}

TEST_F(KeyboardSessionTest, KeyboardThatCannotBeOpenedKeepsTheSimulatorAndIsToldOnce) {
    startInFallback();
    plugged.replug();
    plugged.denyPermission(true);
    // The keyboard shows several nodes; each reports an arrival.
    session->keyboardArrived();
    session->keyboardArrived();
    session->keyboardArrived();
    EXPECT_EQ(switches, 0);
    EXPECT_TRUE(session->simulated());
    EXPECT_EQ(prompts.informs.size(), 1u);
    EXPECT_TRUE(noticeShown());
    EXPECT_TRUE(session->keyboardInaccessible());

    // The simulator still takes the window's changes.
    const std::uint8_t gameMode = standIn.state().gameMode();
    toggleGameModeAndApply();
    EXPECT_EQ(standIn.state().gameMode(), 1 - gameMode);

    // Once access is granted the next plug-in works.
    plugged.denyPermission(false);
    session->keyboardArrived();
    EXPECT_EQ(switches, 1);
    EXPECT_FALSE(session->simulated());
    EXPECT_FALSE(session->keyboardInaccessible());
    ASSERT_TRUE(waitFor([&] { return readBacks.size() == 2; }));
    EXPECT_FALSE(noticeShown());
}

TEST_F(KeyboardSessionTest, KeyboardWithClosedNodesAtStartIsToldApartFromNoKeyboard) {
    plugged.replug();
    plugged.denyPermission(true);
    startInFallback();
    EXPECT_TRUE(session->keyboardInaccessible());
    EXPECT_FALSE(session->fallbackReason().isEmpty());
}

TEST_F(KeyboardSessionTest, AskedForSimulatorIsNeverReplaced) {
    session.reset();
    KeyboardSession::Options o;
    o.simulate = true;
    o.pacer = &pacer;
    o.watchHotplug = false;
    o.realTransport = [this]() -> Result<std::unique_ptr<HidTransport>> {
        ++realOpens;
        return std::unique_ptr<HidTransport>(std::make_unique<sim::SimTransport>(plugged));
    };
    o.simulatedTransport = [this]() -> Result<std::unique_ptr<HidTransport>> {
        return std::unique_ptr<HidTransport>(std::make_unique<sim::SimTransport>(standIn));
    };
    session = std::make_unique<KeyboardSession>(std::move(o), &context, KeyboardSession::Events{});
    ASSERT_TRUE(session->open().ok());
    EXPECT_TRUE(session->fallbackReason().isEmpty());
    plugged.replug();
    session->keyboardArrived();
    EXPECT_TRUE(session->simulated());
    EXPECT_EQ(realOpens, 0);
}

} // namespace
} // namespace vantrel::ui::testing
