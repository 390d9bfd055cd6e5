// SPDX-License-Identifier: MIT
// The skinned list box in edit mode 1, as the macro manager's event list
// uses it: only delay lines open the editor, digits only, clamped values.
#include "ui/widgets/edit_helper.h"
#include "ui/widgets/transparent_list_box.h"

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

class DelayListTest : public ::testing::Test {
protected:
    DelayListTest() {
        list.setEditMode(CTransparentListBox::kEditDelay);
        list.resize(107, 297);
        list.setLines({QStringLiteral("A  dn"), QStringLiteral("250 ms"), QStringLiteral("A  up"),
                       QStringLiteral("MsLB dn")},
                      -1);
        list.show();
    }
    QPoint centreOf(int line) { return list.visualItemRect(list.item(line)).center(); }
    void doubleClick(int line) {
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(line));
    }
    // The value committed for `typed`.
    int commit(const QString& typed) {
        list.setCurrentRow(1);
        EXPECT_TRUE(list.beginEdit(1));
        list.editor()->setText(typed);
        QSignalSpy committed(&list, &CTransparentListBox::editCommitted);
        list.commitEdit();
        EXPECT_EQ(committed.count(), 1);
        return committed.isEmpty() ? -1 : committed[0][1].toInt();
    }

    CTransparentListBox list;
};

TEST_F(DelayListTest, OnlyTheSelectedDelayLineOpensTheEditor) {
    QSignalSpy started(&list, &CTransparentListBox::editStarted);
    doubleClick(1); // not selected yet
    EXPECT_FALSE(list.editing());
    list.setCurrentRow(0);
    doubleClick(0); // "dn"
    EXPECT_FALSE(list.editing());
    list.setCurrentRow(2);
    doubleClick(2); // "up"
    EXPECT_FALSE(list.editing());
    EXPECT_EQ(started.count(), 0);
    list.setCurrentRow(1);
    doubleClick(1);
    ASSERT_TRUE(list.editing());
    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started[0][0].toInt(), 1);
    EXPECT_EQ(list.editor()->text(), QStringLiteral("250")) << "the number without \" ms\"";
}

TEST_F(DelayListTest, TheEditorTakesDigitsOnlyAndCommitsOnEnterRelease) {
    list.setCurrentRow(1);
    ASSERT_TRUE(list.beginEdit(1));
    CEditHelper* e = list.editor();
    e->selectAll();
    QTest::keyClicks(e, QStringLiteral("7a-5"));
    EXPECT_EQ(e->text(), QStringLiteral("75"));
    QSignalSpy committed(&list, &CTransparentListBox::editCommitted);
    QTest::keyPress(e, Qt::Key_Return);
    EXPECT_EQ(committed.count(), 0) << "not on the press";
    QTest::keyRelease(e, Qt::Key_Return);
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed[0][0].toInt(), 1);
    EXPECT_EQ(committed[0][1].toInt(), 75);
    EXPECT_FALSE(list.editing());
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("75 ms"));
    EXPECT_EQ(list.currentRow(), 1);
}

TEST_F(DelayListTest, ValuesAreClampedToTwoAndSixtyThousand) {
    EXPECT_EQ(commit(QStringLiteral("0")), 2);
    EXPECT_EQ(commit(QStringLiteral("1")), 2);
    EXPECT_EQ(commit(QString()), 2);
    EXPECT_EQ(commit(QStringLiteral("60000")), 60000);
    EXPECT_EQ(commit(QStringLiteral("99999")), 60000);
    EXPECT_EQ(commit(QStringLiteral("99999999999999999999")), 60000);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("60000 ms"));
}

TEST_F(DelayListTest, EscapeCancelsAndTheWheelCommits) {
    list.setCurrentRow(1);
    ASSERT_TRUE(list.beginEdit(1));
    QSignalSpy committed(&list, &CTransparentListBox::editCommitted);
    list.editor()->setText(QStringLiteral("9"));
    QTest::keyClick(list.editor(), Qt::Key_Escape);
    EXPECT_FALSE(list.editing());
    EXPECT_EQ(committed.count(), 0);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("250 ms"));

    ASSERT_TRUE(list.beginEdit(1));
    list.editor()->setText(QStringLiteral("40"));
    const QPointF at = centreOf(2);
    QWheelEvent wheel(at, list.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list.viewport(), &wheel);
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed[0][1].toInt(), 40);
}

TEST_F(DelayListTest, TheWordsAreDrawnAsPicturesButKeptInTheText) {
    QImage dn(8, 8, QImage::Format_ARGB32), up(8, 8, QImage::Format_ARGB32),
        ms(8, 8, QImage::Format_ARGB32);
    dn.fill(Qt::red);
    up.fill(Qt::green);
    ms.fill(Qt::blue);
    list.setWordPictures(dn, up, ms);
    QString shown;
    EXPECT_EQ(list.wordPicture(QStringLiteral("A  dn"), &shown)->pixelColor(0, 0), Qt::red);
    EXPECT_EQ(shown, QStringLiteral("A"));
    EXPECT_EQ(list.wordPicture(QStringLiteral("MsLB up"), &shown)->pixelColor(0, 0), Qt::green);
    EXPECT_EQ(shown, QStringLiteral("MsLB"));
    EXPECT_EQ(list.wordPicture(QStringLiteral("250 ms"), &shown)->pixelColor(0, 0), Qt::blue);
    EXPECT_EQ(shown, QStringLiteral("250"));
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("A  dn"));
}

} // namespace
} // namespace vantrel::ui
