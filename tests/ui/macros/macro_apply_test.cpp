// SPDX-License-Identifier: MIT
// A macro recorded in the macro manager through the key capture, kept with
// OK, bound to a key and applied: the keyboard gets the slot and the key.
#include "../event_wait.h"
#include "../fakes.h"
#include "core/device/command_codes.h"
#include "core/device/device_connection.h"
#include "core/device/recording_pacer.h"
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "core/layout/macro_dialog_layout.h"
#include "core/layout/main_window_layout.h"
#include "core/model/assignment_commit.h"
#include "core/model/key_positions.h"
#include "core/model/macro_followers.h"
#include "hid/sim/sim_transport.h"
#include "hid/sim/simulated_keyboard.h"
#include "macro_fakes.h"
#include "support/temp_dir.h"
#include "ui/connection_keyboard_port.h"
#include "ui/gui_connection_observer.h"
#include "ui/macros/macro_record_dialog.h"
#include "ui/main_window_controller.h"
#include "ui/skin/skin_painter.h"

#include <QTest>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace vantrel::ui::testing {
namespace {

namespace md = vantrel::layout::macro_dialog;
constexpr std::size_t kPosF1 = 1;

class MacroApplyTest : public ::testing::Test {
protected:
    MacroApplyTest()
        : folder(dir.path()), skins(dir.path()), transport(keyboard), traced(transport, trace),
          pacer(recording, trace),
          controller(model, folder, painter,
                     MainWindowController::Ports{&shell, &prompts, &dialogs, &lighting, nullptr,
                                                 &updater, nullptr}) {}
    ~MacroApplyTest() override {
        link.reset();
        connection.reset();
    }

    void start() {
        GuiConnectionObserver::Handlers h;
        h.readBackDone = [this](const Result<DeviceSnapshot>& r) {
            controller.deviceReadBack(r);
            readBacks.push_back(r.ok());
        };
        h.connectionChanged = [this](bool c) { controller.connectionChanged(c); };
        observer = std::make_unique<GuiConnectionObserver>(&context, std::move(h));
        connection = std::make_unique<DeviceConnection>(traced, pacer, *observer);
        link = std::make_unique<ConnectionKeyboardPort>(*connection, &context, true);
        controller.setKeyboardPort(link.get());
        ASSERT_TRUE(connection->start().ok());
        ASSERT_TRUE(waitFor([&] { return !readBacks.empty(); }));
        controller.compose();
        sink.clear();
    }
    void clickDialog(CMacroRecordDlg& dialog, int area) {
        const auto& r = md::kRegions[static_cast<std::size_t>(area)];
        QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }
    void apply() {
        const auto& r = layout::ButtonRegionTable()[layout::kCmdApply];
        controller.mousePress((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        controller.mouseRelease((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ASSERT_TRUE(controller.busy());
        ASSERT_TRUE(waitFor([&] { return !controller.busy(); }));
    }
    std::ptrdiff_t lineOf(std::string_view prefix) const {
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
    FakeLighting lighting;
    FakeUpdater updater;
    MainWindowController controller;
    std::unique_ptr<GuiConnectionObserver> observer;
    std::unique_ptr<DeviceConnection> connection;
    std::unique_ptr<ConnectionKeyboardPort> link;
    std::vector<bool> readBacks;
    FakeKeyHook hook;
    FakeClock clock;
};

TEST_F(MacroApplyTest, ARecordedMacroBoundToAKeyReachesTheKeyboard) {
    start();
    {
        CMacroRecordDlg dialog(model.keyNames(), clock.clock(), painter, UiLanguage{}, hook);
        dialog.start(model.macros());
        dialog.show();
        clickDialog(dialog, md::kNew);
        clickDialog(dialog, md::kRecordDelays);
        clickDialog(dialog, md::kRecord);
        hook.key(0x41, false); // A
        clock.after(120);
        hook.key(0x41, true);
        clock.after(100);
        hook.stroke(0x42); // B, at once released
        clickDialog(dialog, md::kRecord);
        clickDialog(dialog, md::kOk);
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        auto kept = keepMacroTable(model, folder, &dialog.controller().manager().working(),
                                   dialog.controller().manager().deletions());
        ASSERT_TRUE(kept.ok()) << kept.error().message;
    }
    // MacroDefine.bin holds the events as recorded.
    std::ifstream in(folder.macros(), std::ios::binary);
    const std::vector<std::uint8_t> file(std::istreambuf_iterator<char>(in), {});
    ASSERT_EQ(file.size(), kMacroFileSize);
    const std::vector<std::uint8_t> events{0x01, 0x04, 0x80 | 120, 0x04, 100,
                                           0x05, 0x81, 0x05,       0x00};
    EXPECT_TRUE(std::equal(events.begin(), events.end(), file.begin() + macro::kDeviceEvents));

    // The key assignment's commit binds F1 to macro 0.
    PendingAssignment p;
    p.CurrentKeyIndex = kPosF1;
    p.PendingKind = static_cast<std::uint8_t>(AssignmentKind::Macro);
    p.PendingMacro = 0;
    ASSERT_TRUE(assignKey(model, p, folder.keymap()).ok());

    apply();
    EXPECT_TRUE(prompts.informs.empty());
    const auto slotCommand = lineOf("> set-feature 00 11 00");
    const auto keyTableCommand = lineOf("> set-feature 00 0D");
    ASSERT_GE(slotCommand, 0) << "slot 0 is written";
    ASSERT_GE(keyTableCommand, 0) << "the key table is written";
    const auto lines = sink.lines();
    EXPECT_TRUE(std::any_of(lines.begin() + slotCommand, lines.end(), [](const std::string& l) {
        return l.rfind("> write 00 00 01 01 04 F8 04 64 05 81 05 00", 0) == 0;
    })) << "the slot's first block: loop count 1, then the events";
    const ConfigImage& board = keyboard.state();
    const auto slot = board.macroSlot(0);
    EXPECT_EQ(
        std::vector<std::uint8_t>(slot.begin(), slot.begin() + 10),
        (std::vector<std::uint8_t>{0x00, 0x01, 0x01, 0x04, 0xF8, 0x04, 0x64, 0x05, 0x81, 0x05}));
    const auto key = board.keyTableEntry(KeyPositionMatrixCode(kPosF1));
    EXPECT_EQ(std::vector<std::uint8_t>(key.begin(), key.end()),
              (std::vector<std::uint8_t>{4, 1, 0, 0}));
}

} // namespace
} // namespace vantrel::ui::testing
