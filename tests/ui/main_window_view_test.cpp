// SPDX-License-Identifier: MIT
#include "core/model/key_picture_table.h"
#include "main_window_rig.h"
#include "support/temp_dir.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vantrel::ui::testing {
namespace {

// The window routes the pointer and Ctrl to its controller and shows the
// composed picture at the background's size.
TEST(MainWindowView, RoutesInputToTheController) {
    vantrel::testing::TempDir dir;
    ConfiguratorModel model;
    SkinStore skins;
    SkinPainter painter(skins);
    MainWindowRig rig(model, dir.path(), painter);
    CQuendalDlg& window = rig.window;
    MainWindowController& controller = rig.controller;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.size(), skins.size(QStringLiteral("main.png")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("VANTREL"));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));

    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 588));
    EXPECT_EQ(model.image().gameMode(), 1);

    const auto& k = KeyPictureTable()[45];
    const QPoint r((k.left + k.right) / 2 + kKeyboardPictureX,
                   (k.top + k.bottom) / 2 + kKeyboardPictureY);
    QTest::mouseMove(&window, r);
    for (int waited = 0; waited < 2000 && controller.state().hoveredKey != 45; waited += 10) {
        QTest::qWait(10);
    }
    EXPECT_EQ(controller.state().hoveredKey, 45);
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, r);
    EXPECT_EQ(rig.dialogs.assigned, std::vector<int>{45});

    QTest::keyPress(&window, Qt::Key_Control);
    EXPECT_TRUE(controller.state().ctrlHeld);
    QTest::keyRelease(&window, Qt::Key_Control);
    EXPECT_FALSE(controller.state().ctrlHeld);

    // Without a tray the minimise button never hides the window for good.
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(960, 10));
    EXPECT_FALSE(window.isHidden());
    window.hide();
}

} // namespace
} // namespace vantrel::ui::testing
