// SPDX-License-Identifier: MIT
#pragma once
// The main window against the real device layer: the connection, its
// worker and listener threads, the simulated keyboard underneath, and every
// transfer in a trace.
#include "controller_fixture.h"
#include "core/device/command_codes.h"
#include "core/device/device_connection.h"
#include "core/device/recording_pacer.h"
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "core/util/hex.h"
#include "event_wait.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "lighting/lighting_fakes.h"
#include "ui/connection_keyboard_port.h"
#include "ui/gui_connection_observer.h"
#include "ui/key_action_launcher.h"
#include "ui/lighting/lighting_page.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <algorithm>
#include <memory>
#include <optional>

namespace vantrel::ui::testing {

// Records what the window asked to launch; never starts anything.
struct FakeKeyLauncher : KeyActionLauncher {
    std::vector<std::uint8_t> keys;
    const AssignmentTable* table = nullptr;
    std::optional<Error> failure;
    Status launch(const AssignmentTable& t, std::uint8_t key) override {
        table = &t;
        keys.push_back(key);
        if (failure) {
            return *failure;
        }
        return Status::success();
    }
};

// The real lighting page, with a record of the keyboard's changes it was
// told about.
struct SpyPanel : LightingPanel {
    explicit SpyPanel(LightingPanel& inner) : inner(inner) {}
    void paint(QPainter& p) override { inner.paint(p); }
    void command(int c) override { inner.command(c); }
    void keyboardListClick(const QPoint& at) override { inner.keyboardListClick(at); }
    void wristListClick(const QPoint& at) override { inner.wristListClick(at); }
    void perKeyColourClick(int key) override { inner.perKeyColourClick(key); }
    void deviceLightingChanged(int type) override {
        deviceChanges.push_back(type);
        inner.deviceLightingChanged(type);
    }
    void paintPerKeyOverlay(QPainter& p) override { inner.paintPerKeyOverlay(p); }
    LightingPanel& inner;
    std::vector<int> deviceChanges;
};

class DeviceStackTest : public ::testing::Test {
protected:
    DeviceStackTest()
        : folder(dir.path()), skins(dir.path()), transport(keyboard), traced(transport, trace),
          pacer(recording, trace),
          controller(model, folder, painter,
                     MainWindowController::Ports{&shell, &prompts, &dialogs, nullptr, nullptr,
                                                 &updater, &launcher}),
          page(model, controller.state(), controller, chooser, faces, UiLanguage{}), spy(page) {
        controller.setLightingPanel(&spy);
    }

    ~DeviceStackTest() override {
        link.reset();
        connection.reset(); // its threads end before anything they use goes
    }

    // Opens the keyboard and waits for the start-up read-back to reach the
    // window.
    void start(ConnectionOptions options = {}) {
        GuiConnectionObserver::Handlers h;
        h.readBackDone = [this](const Result<DeviceSnapshot>& r) {
            controller.deviceReadBack(r);
            readBacks.push_back(r.ok());
        };
        h.deviceLighting = [this](std::uint8_t type, std::uint8_t value) {
            controller.deviceLighting(type, value);
        };
        h.keyAction = [this](std::uint8_t key) { controller.keyAction(key); };
        h.connectionChanged = [this](bool c) { controller.connectionChanged(c); };
        observer = std::make_unique<GuiConnectionObserver>(&context, std::move(h));
        connection = std::make_unique<DeviceConnection>(traced, pacer, *observer, options);
        link = std::make_unique<ConnectionKeyboardPort>(*connection, &context, true);
        controller.setKeyboardPort(link.get());
        ASSERT_TRUE(connection->start().ok());
        ASSERT_TRUE(waitFor([&] { return !readBacks.empty(); }));
        ASSERT_TRUE(readBacks.front());
        controller.compose(); // the sliders store their positions as the window shows
        sink.clear();
    }

    void clickRegion(int c) {
        const auto& r = ButtonRegionTable()[static_cast<std::size_t>(c)];
        const int x = (r.left + r.right) / 2;
        const int y = (r.top + r.bottom) / 2;
        controller.mousePress(x, y);
        controller.mouseRelease(x, y);
    }
    void applyAndWait() {
        clickRegion(kCmdApply);
        ASSERT_TRUE(controller.busy());
        ASSERT_TRUE(waitFor([&] { return !controller.busy(); }));
    }

    std::vector<std::string> sent(std::string_view command) const {
        std::vector<std::string> out;
        const std::string prefix = "> set-feature 00 " + std::string(command);
        for (const auto& line : sink.lines()) {
            if (line.rfind(prefix, 0) == 0) {
                out.push_back(line);
            }
        }
        return out;
    }
    std::ptrdiff_t lineIndex(std::string_view prefix) const {
        const auto lines = sink.lines();
        const auto it = std::find_if(lines.begin(), lines.end(),
                                     [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
        return it == lines.end() ? -1 : it - lines.begin();
    }

    vantrel::testing::TempDir dir;
    DataFolder folder;
    SkinStore skins;
    SkinPainter painter{skins};
    ConfiguratorModel model;
    sim::SimulatedKeyboard keyboard;
    sim::SimTransport transport;
    MemoryTraceSink sink;
    TraceWriter trace{sink};
    TracingTransport traced;
    RecordingPacer recording;
    TracingPacer pacer;
    QObject context;
    FakeShell shell;
    FakePrompts prompts;
    FakeDialogs dialogs;
    FakeUpdater updater;
    FakeKeyLauncher launcher;
    FakeColourChooser chooser{model};
    FakeKeyFaces faces;
    MainWindowController controller;
    LightingPage page;
    SpyPanel spy;
    std::unique_ptr<GuiConnectionObserver> observer;
    std::unique_ptr<DeviceConnection> connection;
    std::unique_ptr<ConnectionKeyboardPort> link;
    std::vector<bool> readBacks;
};

} // namespace vantrel::ui::testing
