// SPDX-License-Identifier: MIT
// A macro recorded in the macro manager through the key capture, kept with
// OK, bound to a key and applied: the keyboard gets the slot and the key.
#include "../device_stack_fixture.h"
#include "core/layout/macro_dialog_layout.h"
#include "core/model/assignment_commit.h"
#include "core/model/key_positions.h"
#include "core/model/macro_followers.h"
#include "macro_fakes.h"
#include "ui/macros/macro_record_dialog.h"

#include <QTest>
#include <fstream>
#include <iterator>

namespace vantrel::ui::testing {
namespace {

namespace md = vantrel::layout::macro_dialog;
constexpr std::size_t kPosF1 = 1;

class MacroApplyTest : public DeviceStackTest {
protected:
    FakeKeyHook hook;
    FakeClock clock;
};

TEST_F(MacroApplyTest, ARecordedMacroBoundToAKeyReachesTheKeyboard) {
    start();
    {
        CMacroRecordDlg dialog(model.keyNames(), clock.clock(), painter, UiLanguage{}, hook);
        dialog.start(model.macros());
        dialog.show();
        clickArea(dialog, md::kNew);
        clickArea(dialog, md::kRecordDelays);
        clickArea(dialog, md::kRecord);
        hook.key(0x41, false); // A
        clock.after(120);
        hook.key(0x41, true);
        clock.after(100);
        hook.stroke(0x42); // B, at once released
        clickArea(dialog, md::kRecord);
        clickArea(dialog, md::kOk);
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

    applyAndWait();
    EXPECT_TRUE(prompts.informs.empty());
    const auto slotCommand = lineIndex("> set-feature 00 11 00");
    const auto keyTableCommand = lineIndex("> set-feature 00 0D");
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
