// SPDX-License-Identifier: MIT
// The view every skinned dialog shares: size, one composed face, clicks
// versus drags, and the keys that never end a dialog.
#include "ui/skin/skinned_dialog.h"

#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

struct ProbeController : DialogController {
    int composes = 0;
    std::vector<QPoint> releases;
    bool ownEscape = false;
    int escapes = 0;
    QSize size() override { return {200, 120}; }
    void compose(QPainter& p) override {
        ++composes;
        p.fillRect(0, 0, 200, 120, QColor(10, 20, 30));
        p.fillRect(50, 50, 20, 20, Qt::red); // a button
    }
    bool dragsFrom(int x, int y) const override { return !QRect(50, 50, 20, 20).contains(x, y); }
    void release(int x, int y) override { releases.emplace_back(x, y); }
    bool escape() override {
        ++escapes;
        return ownEscape;
    }
};

class SkinnedDialogTest : public ::testing::Test {
protected:
    SkinnedDialogTest() {
        dialog.setController(&controller);
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    ProbeController controller;
    SkinnedDialog dialog;
};

TEST_F(SkinnedDialogTest, SizedToTheFaceFramelessAndModal) {
    EXPECT_EQ(dialog.size(), QSize(200, 120));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(dialog.isModal());
    const QImage shown = dialog.grab().toImage();
    EXPECT_EQ(shown.pixelColor(60, 60), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(10, 20, 30));
}

TEST_F(SkinnedDialogTest, AClickReachesTheControllerADragMovesTheWindowInstead) {
    QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
    QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    ASSERT_EQ(controller.releases.size(), 2u);
    EXPECT_EQ(controller.releases[0], QPoint(60, 60));

    const QPoint before = dialog.pos();
    QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QMouseEvent drag(QEvent::MouseMove, QPointF(30, 25), dialog.mapToGlobal(QPointF(30, 25)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &drag);
    QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(30, 25));
    EXPECT_EQ(controller.releases.size(), 2u) << "the release after a drag is no click";
    EXPECT_EQ(dialog.pos(), before + QPoint(20, 15));

    // A press on the button that moves a little is still a click.
    QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
    QMouseEvent wobble(QEvent::MouseMove, QPointF(61, 60), dialog.mapToGlobal(QPointF(61, 60)),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &wobble);
    QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(61, 60));
    EXPECT_EQ(controller.releases.size(), 3u);
}

TEST_F(SkinnedDialogTest, EnterNeverEndsItEscapeCancelsUnlessTheControllerEndsItItself) {
    auto* field = new QLineEdit(&dialog);
    field->setGeometry(0, 0, 40, 20);
    field->show();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    controller.ownEscape = true;
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "the controller ended nothing";
    controller.ownEscape = false;
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(controller.escapes, 2);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(SkinnedDialogTest, FinishEndsTheModalRunWithItsResult) {
    QTimer::singleShot(0, &dialog, [this] { dialog.finish(true); });
    EXPECT_TRUE(dialog.runModal());
    QTimer::singleShot(0, &dialog, [this] { dialog.finish(false); });
    EXPECT_FALSE(dialog.runModal());
}

} // namespace
} // namespace vantrel::ui
