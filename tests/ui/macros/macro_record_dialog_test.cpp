// SPDX-License-Identifier: MIT
// The macro manager's window on the offscreen platform: its lists, the
// loop field, the menu and the in-place delay editor, fed by a fake hook.
#include "../event_wait.h"
#include "../in_language.h"
#include "core/layout/macro_dialog_layout.h"
#include "core/macro/macro_list.h"
#include "macro_fakes.h"
#include "support/temp_dir.h"
#include "ui/macros/macro_menu.h"
#include "ui/macros/macro_record_dialog.h"
#include "ui/skin/skin_painter.h"
#include "ui/widgets/edit_helper.h"
#include "ui/widgets/transparent_list_box.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace vantrel::ui::testing {
namespace {

namespace md = vantrel::layout::macro_dialog;
constexpr std::uint8_t kA = 0x41;

class MacroDialogTest : public ::testing::Test {
protected:
    MacroDialogTest() : dialog(names, clock.clock(), painter, UiLanguage{}, hook) {}

    void click(int area) { clickArea(dialog, area); }
    QStringList events() const { return dialog.eventList()->lines(); }

    vantrel::testing::TempDir dir;
    SkinStore skins{dir.path()};
    SkinPainter painter{skins};
    KeyNameTable names = BuildKeyNameTable();
    FakeClock clock;
    FakeKeyHook hook;
    CMacroRecordDlg dialog;
};

TEST_F(MacroDialogTest, RecordingThroughTheHookFillsTheEventList) {
    dialog.start(MacroTable{});
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(md::kWidth, md::kHeight));
    click(md::kNew);
    EXPECT_EQ(dialog.macroList()->lines(), QStringList{QStringLiteral("Macro_001")});
    EXPECT_EQ(dialog.macroList()->currentRow(), 0);
    click(md::kRecordDelays);
    click(md::kRecord);
    ASSERT_TRUE(hook.installed());
    EXPECT_EQ(hook.window, &dialog);
    hook.key(kA, false);
    clock.after(130);
    hook.key(kA, true);
    EXPECT_EQ(events(), (QStringList{QStringLiteral("A  dn"), QStringLiteral("130 ms"),
                                     QStringLiteral("A  up")}));
    EXPECT_EQ(dialog.eventList()->currentRow(), 2);
    click(md::kOk);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(hook.installed());
    EXPECT_TRUE(dialog.controller().tableKept());
}

TEST_F(MacroDialogTest, EnterDoesNotEndTheDialogEscapeAndTheWindowSystemCancel) {
    dialog.start(MacroTable{});
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.controller().tableKept());
    dialog.show();
    dialog.close(); // the window system's close goes the way of Cancel
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(MacroDialogTest, ClosingTheWindowAnyWayRemovesTheHook) {
    dialog.start(MacroTable{});
    dialog.show();
    click(md::kNew);
    click(md::kRecord);
    ASSERT_TRUE(hook.installed());
    dialog.reject();
    EXPECT_FALSE(hook.installed());
}

TEST_F(MacroDialogTest, TheDelayEditorStopsTheRecordingAndItsValueIsStored) {
    dialog.start(MacroTable{});
    dialog.show();
    click(md::kNew);
    click(md::kRecordDelays);
    click(md::kRecord);
    hook.key(kA, false);
    clock.after(300);
    hook.key(kA, true);
    CTransparentListBox* list = dialog.eventList();
    list->setCurrentRow(1);
    ASSERT_TRUE(list->beginEdit(1));
    EXPECT_FALSE(hook.installed()) << "typing into the editor is no recording";
    list->editor()->setText(QStringLiteral("0"));
    QTest::keyClick(list->editor(), Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return events().value(1) == QStringLiteral("2 ms"); }));
    EXPECT_EQ(dialog.controller().manager().working()[0].deviceEvents()[2], 0x82);

    list->setCurrentRow(1);
    ASSERT_TRUE(list->beginEdit(1));
    list->editor()->setText(QStringLiteral("99999"));
    list->commitEdit();
    ASSERT_TRUE(waitFor([&] { return events().value(1) == QStringLiteral("60000 ms"); }));
    const auto& dev = dialog.controller().manager().working()[0].deviceEvents();
    EXPECT_EQ(std::vector<std::uint8_t>(dev.begin() + 2, dev.begin() + 6),
              (std::vector<std::uint8_t>{0xFF, 0x04, 0xEA, 0x60}));
}

TEST_F(MacroDialogTest, TheMenuHasItsTextsAndItsCommandsWork) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    MacroTable t;
    const MacroEvent ev[] = {{false, 0x04, kA, 1}, {true, 0x04, kA, 1}};
    ASSERT_TRUE(addMacro(t, u"a", 1, false, *MacroStreams::fromEvents(ev)).ok());
    dialog.start(t);
    dialog.show();
    ASSERT_EQ(events().size(), 2);
    std::unique_ptr<QMenu> menu(dialog.buildEventMenu());
    const auto actions = menu->actions();
    ASSERT_EQ(actions.size(), 5);
    QStringList texts;
    for (QAction* a : actions) {
        texts << a->text();
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Запись до"), QStringLiteral("Запись после"),
                                  QStringLiteral("Insert Mouse Key"),
                                  QStringLiteral("Вставить задержку"), QStringLiteral("Удалить")}));
    QMenu* mouse = actions[2]->menu();
    ASSERT_NE(mouse, nullptr);
    ASSERT_EQ(mouse->actions().size(), 3);
    QMenu* right = mouse->actions()[1]->menu();
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(mouse->actions()[1]->text(), QStringLiteral("Щелчок правой"));
    dialog.eventList()->setCurrentRow(1);
    right->actions()[2]->trigger(); // Click
    EXPECT_EQ(events(), (QStringList{QStringLiteral("A  dn"), QStringLiteral("A  up"),
                                     QStringLiteral("MsRB dn"), QStringLiteral("MsRB up")}));
}

TEST_F(MacroDialogTest, RenamesReachTheTableThroughTheTimer) {
    MacroTable t;
    ASSERT_TRUE(addMacro(t, u"a", 1, false, MacroStreams{}).ok());
    dialog.start(t);
    dialog.show();
    CTransparentListBox* list = dialog.macroList();
    ASSERT_TRUE(list->beginEdit(0));
    list->editor()->setText(QStringLiteral("Combo"));
    list->commitEdit();
    EXPECT_EQ(list->lines(), QStringList{QStringLiteral("Combo")});
    ASSERT_TRUE(
        waitFor([&] { return dialog.controller().manager().working()[0].name() == u"Combo"; }));
}

TEST_F(MacroDialogTest, TheLoopFieldTakesThreeDigitsAndFollowsTheOption) {
    MacroTable t;
    ASSERT_TRUE(addMacro(t, u"a", 1, false, MacroStreams{}).ok());
    dialog.start(t);
    dialog.show();
    QLineEdit* loop = dialog.loopEdit();
    EXPECT_FALSE(loop->isEnabled());
    click(md::kLoop);
    EXPECT_TRUE(loop->isEnabled());
    loop->setFocus();
    loop->selectAll();
    QTest::keyClicks(loop, QStringLiteral("12x345"));
    EXPECT_EQ(loop->text(), QStringLiteral("123"));
    EXPECT_EQ(dialog.controller().manager().working()[0].loopCount(), 123);
    loop->selectAll();
    QTest::keyClick(loop, Qt::Key_Backspace);
    EXPECT_EQ(loop->text(), QStringLiteral("1")) << "an empty field reads 1";
}

} // namespace
} // namespace vantrel::ui::testing
