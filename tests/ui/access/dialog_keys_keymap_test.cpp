// SPDX-License-Identifier: MIT
// The key assignment dialog by the keyboard alone, on the offscreen
// platform: the capture runs only while a key field takes keys, Tab or Esc
// pressed twice leaves it without losing what the field held, and the
// rest of the dialog is reached and used with Tab, the arrows and Space.
#include "ui/capture/fake_key_hook.h"
#include "ui/keymap/key_map_dialog.h"
#include "ui/keymap/keymap_fixture.h"
#include "ui/widgets/transparent_list_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace vantrel::ui::testing {
namespace {

constexpr std::uint8_t kVkA = 0x41, kVkTab = 0x09, kVkEsc = 0x1B, kVkB = 0x42, kVkCtrl = 0xA2;

QString buttonStop(int b) {
    return QStringLiteral("button:%1").arg(b);
}

class KeyMapKeys : public KeyMapControllerTest {
protected:
    void open(std::size_t key) {
        // Stored: the key gives A.
        record(key).setKind(AssignmentKind::SingleKey);
        record(key).data()[0] = kVkA;
        record(key).setKeyCount(1);
        dialog = std::make_unique<CKeyMap>(model, pending, painter, UiLanguage{}, files, hook);
        dialog->prepare(static_cast<int>(key));
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        QCoreApplication::processEvents();
    }
    // A key as the window system delivers it: to the capture while it
    // runs, else to the focused widget.
    void type(Qt::Key k, std::uint8_t vk, Qt::KeyboardModifiers m = Qt::NoModifier) {
        if (hook.installed()) {
            hook.key(vk, false);
            return;
        }
        QTest::keyClick(QApplication::focusWidget(), k, m);
    }
    void tab() { type(Qt::Key_Tab, kVkTab); }
    // Tab until the stop is reached; false after a whole round.
    bool tabTo(const QString& stop) {
        for (int i = 0; i < 30; ++i) {
            if (dialog->keyboardFocus() == stop) {
                return true;
            }
            tab();
        }
        return false;
    }
    QString single() const { return dialog->singleField()->text(); }

    FakeKeyHook hook;
    std::unique_ptr<CKeyMap> dialog;
};

TEST_F(KeyMapKeys, OpensCapturingAndTabTwicePassesOnWithTheStoredKeyKept) {
    open(kF1Key);
    ASSERT_TRUE(dialog->singleField()->hasFocus());
    ASSERT_TRUE(hook.installed()) << "a key pressed at once is taken, as before";
    EXPECT_TRUE(dialog->capturing());
    const QString stored = single();
    ASSERT_FALSE(stored.isEmpty());

    type(Qt::Key_Tab, kVkTab);
    EXPECT_NE(single(), stored) << "the first Tab is a key for the field";
    type(Qt::Key_Tab, kVkTab);
    EXPECT_EQ(single(), stored) << "the second takes it back";
    EXPECT_FALSE(hook.installed());
    EXPECT_TRUE(dialog->comboField()->hasFocus());
    EXPECT_FALSE(dialog->capturing());

    // Passing through by Tab leaves the assignment alone.
    EXPECT_EQ(pending.PendingKind, kindOf(AssignmentKind::SingleKey));
    tab();
    EXPECT_FALSE(dialog->comboField()->hasFocus());
    EXPECT_EQ(single(), stored);
    ASSERT_TRUE(tabTo(buttonStop(km::kSave)));
    QTest::keyClick(dialog.get(), Qt::Key_Space);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(pending.PendingKind, kindOf(AssignmentKind::SingleKey));
    EXPECT_EQ(pending.PendingKeys[0], kVkA);
    EXPECT_EQ(pending.PendingKeyCount, 1);
}

TEST_F(KeyMapKeys, TabAndEscCanThemselvesBeAssignedAndLeftByTheOtherPair) {
    open(kF1Key);
    hook.key(kVkTab, false);
    hook.key(kVkEsc, false);
    hook.key(kVkEsc, false);
    EXPECT_FALSE(hook.installed()) << "Esc twice stops the capture";
    EXPECT_TRUE(dialog->singleField()->hasFocus()) << "and stays on the field";
    EXPECT_EQ(dialog->keyboardFocus().isEmpty(), false) << "the ring shows where the keys go";
    ASSERT_TRUE(tabTo(buttonStop(km::kSave)));
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(pending.PendingKeys[0], kVkTab);

    open(kF1Key);
    hook.key(kVkEsc, false);
    hook.key(kVkTab, false);
    hook.key(kVkTab, false);
    EXPECT_FALSE(dialog->singleField()->hasFocus());
    EXPECT_EQ(pending.PendingKeys[0], kVkEsc);
    EXPECT_EQ(pending.PendingKeyCount, 1);
}

TEST_F(KeyMapKeys, ACombinationTakesTabAsAKeyAndTheSecondTabOnlyUndoesItsOwn) {
    open(kF1Key);
    tab();
    tab(); // on to the combination field, which does not take keys yet
    ASSERT_TRUE(dialog->comboField()->hasFocus());
    EXPECT_FALSE(hook.installed());
    QTest::keyClick(dialog->comboField(), Qt::Key_Space);
    ASSERT_TRUE(hook.installed()) << "Space starts the capture";
    EXPECT_TRUE(single().isEmpty()) << "as a click on the field does";
    hook.key(kVkCtrl, false);
    hook.key(kVkB, false);
    hook.key(kVkCtrl, false);
    const QString three = dialog->comboField()->text();
    EXPECT_EQ(three.count(QLatin1Char('+')), 2);
    // A fourth key starts a new combination; taking it back brings the
    // whole old one back.
    hook.key(kVkTab, false);
    EXPECT_EQ(dialog->comboField()->text().count(QLatin1Char('+')), 0);
    hook.key(kVkTab, false);
    EXPECT_EQ(dialog->comboField()->text(), three);
    EXPECT_FALSE(hook.installed());
    EXPECT_EQ(pending.PendingKind, kindOf(AssignmentKind::Combination));
    EXPECT_EQ(pending.PendingKeyCount, 3);
    EXPECT_EQ(pending.PendingKeys[2], kVkCtrl);
}

TEST_F(KeyMapKeys, EscapeCancelsOnceTheCaptureIsLeftAndTheTabsGoByArrows) {
    open(kF1Key);
    hook.key(kVkB, false);
    hook.key(kVkEsc, false);
    hook.key(kVkEsc, false);
    EXPECT_EQ(pending.PendingKeys[0], kVkB);

    ASSERT_TRUE(tabTo(buttonStop(km::kTabKeys))) << "the tab titles are one stop, at the open tab";
    QTest::keyClick(dialog.get(), Qt::Key_Right);
    EXPECT_EQ(dialog->keyboardFocus(), buttonStop(km::kTabMacro));
    EXPECT_EQ(dialog->controller().tab(), 0) << "arrows only move";
    QTest::keyClick(dialog.get(), Qt::Key_Space);
    EXPECT_EQ(dialog->controller().tab(), 1);
    EXPECT_TRUE(dialog->macroList()->isVisible());
    EXPECT_FALSE(hook.installed()) << "no key field, no capture";
    QTest::keyClick(dialog.get(), Qt::Key_Left);
    QTest::keyClick(dialog.get(), Qt::Key_Left);
    EXPECT_EQ(dialog->keyboardFocus(), buttonStop(km::kTabKeys)) << "the first title is the end";
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_EQ(dialog->controller().tab(), 0);
    EXPECT_TRUE(dialog->singleField()->hasFocus());
    EXPECT_TRUE(hook.installed()) << "the key tab puts the focus into its capture";
    hook.key(kVkEsc, false);
    hook.key(kVkEsc, false);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(pending.PendingKeyCount, 0) << "as Cancel leaves it";
}

TEST_F(KeyMapKeys, TabGoesRoundTheStopsInReadingOrderAndBack) {
    open(kF1Key);
    hook.key(kVkEsc, false);
    hook.key(kVkEsc, false);
    const QString start = dialog->keyboardFocus();
    QStringList round;
    for (int i = 0; i < 12 && (round.isEmpty() || dialog->keyboardFocus() != start); ++i) {
        tab();
        round << dialog->keyboardFocus();
    }
    // From the single key field: the combination field, the check box and
    // the buttons of the bottom row, then round to the top.
    ASSERT_EQ(round.size(), 8) << round.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(round.mid(1, 6), (QStringList{buttonStop(km::kDisableBox), buttonStop(km::kDefault),
                                            buttonStop(km::kCancel), buttonStop(km::kSave),
                                            buttonStop(km::kCloseBox), buttonStop(km::kTabKeys)}));
    EXPECT_EQ(round.last(), start);
    EXPECT_FALSE(hook.installed()) << "Tab arriving at a field does not start its capture";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(dialog->keyboardFocus(), buttonStop(km::kTabKeys));
}

TEST_F(KeyMapKeys, AClickOnTheFocusedFieldStartsItsCaptureAgain) {
    open(kF1Key);
    hook.key(kVkEsc, false);
    hook.key(kVkEsc, false);
    ASSERT_FALSE(hook.installed());
    ASSERT_TRUE(dialog->singleField()->hasFocus());
    QTest::mouseClick(dialog->singleField(), Qt::LeftButton);
    EXPECT_TRUE(hook.installed()) << "a click means keys follow";
    hook.key(kVkB, false);
    EXPECT_EQ(pending.PendingKeys[0], kVkB);
}

} // namespace
} // namespace vantrel::ui::testing
