// SPDX-License-Identifier: MIT
// The skinned list box's in-place editor in both modes, driven by real
// mouse and key events on the offscreen platform.
#include "ui/widgets/edit_helper.h"
#include "ui/widgets/transparent_list_box.h"

#include <QApplication>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

class ListBoxTest : public ::testing::Test {
protected:
    ListBoxTest() {
        window.resize(260, 300);
        list = new CTransparentListBox(&window);
        list->setGeometry(10, 10, 200, 280);
        other = new QWidget(&window);
        other->setGeometry(220, 10, 30, 30);
        other->setFocusPolicy(Qt::StrongFocus);
        QCoreApplication::processEvents();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QPoint centreOf(int line) const { return list->visualItemRect(list->item(line)).center(); }
    void doubleClick(int line) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(line));
    }
    void type(const QString& text) { QTest::keyClicks(list->editor(), text); }
    void enter() {
        // Commit on the release: the press alone does nothing.
        QTest::keyPress(list->editor(), Qt::Key_Return);
        EXPECT_TRUE(list->editing());
        QTest::keyRelease(list->editor(), Qt::Key_Return);
    }

    QWidget window;
    CTransparentListBox* list = nullptr;
    QWidget* other = nullptr;
};

class DelayListTest : public ListBoxTest {
protected:
    DelayListTest() {
        list->setEditMode(CTransparentListBox::kEditDelay);
        list->setLines({QStringLiteral("A dn"), QStringLiteral("250 ms"), QStringLiteral("A up"),
                        QStringLiteral("1000 ms"), QStringLiteral("PgUp dn")},
                       -1);
    }
};

TEST_F(DelayListTest, OnlyTheSelectedDelayLineOpensTheEditor) {
    QSignalSpy started(list, &CTransparentListBox::editStarted);
    doubleClick(1); // not selected yet: a double click there selects, nothing opens
    list->setCurrentRow(3);
    doubleClick(1);
    EXPECT_FALSE(list->editing());
    list->setCurrentRow(0);
    doubleClick(0); // an event line
    EXPECT_FALSE(list->editing());
    list->setCurrentRow(4);
    doubleClick(4); // "PgUp dn": an event line even with "Up" in its name
    EXPECT_FALSE(list->editing());
    EXPECT_EQ(started.count(), 0);

    list->setCurrentRow(1);
    doubleClick(1);
    ASSERT_TRUE(list->editing());
    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started.front().front().toInt(), 1);
    EXPECT_EQ(list->editor()->text(), QStringLiteral("250"));
    EXPECT_EQ(list->editor()->selectedText(), QStringLiteral("250"));
}

TEST_F(DelayListTest, DigitsOnlyAndClampedOnCommit) {
    QSignalSpy committed(list, &CTransparentListBox::editCommitted);
    list->setCurrentRow(1);
    ASSERT_TRUE(list->beginEdit(1));
    type(QStringLiteral("4x2-"));
    EXPECT_EQ(list->editor()->text(), QStringLiteral("42"));
    enter();
    EXPECT_FALSE(list->editing());
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed[0][0].toInt(), 1);
    EXPECT_EQ(committed[0][1].toInt(), 42);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("42 ms"));
    EXPECT_EQ(list->currentRow(), 1);

    for (const auto& [typed, stored] :
         {std::pair{"0", 2}, std::pair{"99999", 60000}, std::pair{"", 2},
          std::pair{"99999999999999999999", 60000}}) {
        ASSERT_TRUE(list->beginEdit(1));
        list->editor()->clear();
        type(QString::fromLatin1(typed));
        enter();
        EXPECT_EQ(committed.back()[1].toInt(), stored) << typed;
        EXPECT_EQ(list->item(1)->text(), QString::number(stored) + QStringLiteral(" ms"));
    }
}

TEST_F(DelayListTest, FocusLossAndTheWheelCommitEscapeCancels) {
    QSignalSpy committed(list, &CTransparentListBox::editCommitted);
    ASSERT_TRUE(list->beginEdit(3));
    type(QStringLiteral("77"));
    other->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    EXPECT_FALSE(list->editing());
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed[0][1].toInt(), 77);

    ASSERT_TRUE(list->beginEdit(3));
    type(QStringLiteral("88"));
    QWheelEvent wheel(QPointF(20, 20), list->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &wheel);
    EXPECT_FALSE(list->editing());
    ASSERT_EQ(committed.count(), 2);
    EXPECT_EQ(committed[1][1].toInt(), 88);

    ASSERT_TRUE(list->beginEdit(3));
    type(QStringLiteral("5"));
    QTest::keyClick(list->editor(), Qt::Key_Escape);
    EXPECT_FALSE(list->editing());
    EXPECT_EQ(committed.count(), 2);
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("88 ms"));
}

TEST_F(DelayListTest, WordsAreDrawnAsPicturesButKeptInTheText) {
    const auto picture = [] {
        QPixmap p(8, 8);
        p.fill(Qt::red);
        return QIcon(p);
    };
    const QIcon dn = picture(), up = picture(), ms = picture();
    list->setWordPictures(dn, up, ms, QSize(8, 8));
    QString shown;
    EXPECT_EQ(list->wordPicture(QStringLiteral("LCtrl dn"), &shown)->cacheKey(), dn.cacheKey());
    EXPECT_EQ(shown, QStringLiteral("LCtrl"));
    EXPECT_EQ(list->wordPicture(QStringLiteral("A up"), &shown)->cacheKey(), up.cacheKey());
    EXPECT_EQ(list->wordPicture(QStringLiteral("250 ms"), &shown)->cacheKey(), ms.cacheKey());
    EXPECT_EQ(shown, QStringLiteral("250"));
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("A dn"));
    list->setEditMode(CTransparentListBox::kEditRename);
    EXPECT_EQ(list->wordPicture(QStringLiteral("A dn"), &shown), nullptr);
}

class RenameListTest : public ListBoxTest {
protected:
    RenameListTest() {
        list->setEditMode(CTransparentListBox::kEditRename);
        list->setSortedLines(true);
        for (const char* l : {"delta", "Alpha", "charlie"}) {
            list->addLine(QString::fromLatin1(l));
        }
    }
};

TEST_F(RenameListTest, ARenamedLineTakesItsSortedPlaceAndIsReported) {
    EXPECT_EQ(list->lines(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("charlie"),
                                          QStringLiteral("delta")}));
    QSignalSpy started(list, &CTransparentListBox::editStarted);
    QSignalSpy committed(list, &CTransparentListBox::editCommitted);
    doubleClick(2); // any line opens in this mode
    ASSERT_TRUE(list->editing());
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(list->editor()->text(), QStringLiteral("delta"));
    list->editor()->clear();
    type(QStringLiteral("bravo"));
    enter();
    EXPECT_EQ(list->lines(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("bravo"),
                                          QStringLiteral("charlie")}));
    EXPECT_EQ(list->currentRow(), 1);
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed[0][0].toInt(), 2); // old index
    EXPECT_EQ(committed[0][1].toInt(), 1); // new index
}

TEST_F(RenameListTest, RefusedEmptyOrUnchangedNamesKeepTheLine) {
    QSignalSpy committed(list, &CTransparentListBox::editCommitted);
    list->setRenameCheck([](const QString& name) { return name.size() <= 5; });
    ASSERT_TRUE(list->beginEdit(0));
    list->editor()->setText(QStringLiteral("much-too-long"));
    enter();
    ASSERT_TRUE(list->beginEdit(0));
    list->editor()->clear();
    enter();
    ASSERT_TRUE(list->beginEdit(0));
    enter(); // unchanged
    EXPECT_EQ(committed.count(), 0);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Alpha"));
}

TEST_F(RenameListTest, TheEditorsKeysNeverReachTheWindow) {
    struct KeySpy : QObject {
        int keys = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyPress) {
                ++keys;
            }
            return false;
        }
    } spy;
    window.installEventFilter(&spy);
    ASSERT_TRUE(list->beginEdit(1));
    QTest::keyClick(list->editor(), Qt::Key_Return);
    ASSERT_TRUE(list->beginEdit(1));
    QTest::keyClick(list->editor(), Qt::Key_Escape);
    EXPECT_EQ(spy.keys, 0);
    window.removeEventFilter(&spy);
}

} // namespace
} // namespace vantrel::ui
