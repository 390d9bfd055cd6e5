// SPDX-License-Identifier: MIT
// Windows moved between a screen at 100 % and one at 200 %: each is drawn
// again at the scale of the screen it is on. Runs where the offscreen
// platform has those two screens (tests/ui/two_screens.json, the test
// "ui_on_two_screens"); elsewhere it is skipped.
#include "main_window_rig.h"
#include "picture_measures.h"
#include "support/temp_dir.h"
#include "ui/lighting/colour_spectrum_ctrl.h"
#include "ui/lighting/custom_colour_dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace vantrel::ui::testing {
namespace {

class TwoScreens : public ::testing::Test {
protected:
    void SetUp() override {
        const auto screens = QGuiApplication::screens();
        if (screens.size() < 2) {
            GTEST_SKIP() << "needs the offscreen platform's two-screen configuration";
        }
        for (QScreen* s : screens) {
            (s->devicePixelRatio() > 1 ? fine : plain) = s;
        }
        ASSERT_TRUE(plain && fine);
        ASSERT_EQ(fine->devicePixelRatio(), 2.0);
    }
    // Moves a shown window onto `screen`; true once `drawn` holds (the
    // window repainted itself there, as nothing else asks it to).
    template <class Drawn> static bool moveTo(QWidget& w, QScreen* screen, Drawn drawn) {
        w.move(screen->geometry().topLeft() + QPoint(50, 50));
        for (int i = 0; i < 200 && !(w.windowHandle()->screen() == screen && drawn()); ++i) {
            QTest::qWait(10);
        }
        return w.windowHandle()->screen() == screen && drawn();
    }

    QScreen* plain = nullptr;
    QScreen* fine = nullptr;
    vantrel::testing::TempDir dir;
    ConfiguratorModel model;
    SkinStore skins;
    SkinPainter painter{skins};
};

TEST_F(TwoScreens, TheMainWindowIsComposedAtTheScaleOfItsScreen) {
    MainWindowRig rig(model, dir.path(), painter);
    CQuendalDlg& window = rig.window;
    window.move(plain->geometry().topLeft() + QPoint(50, 50));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The window paints its pictures at the scale of the screen it is on.
    const auto paintedAt = [&](qreal scale) {
        return [this, scale] { return skins.scale() == scale; };
    };
    ASSERT_TRUE(moveTo(window, plain, paintedAt(1.0)));
    const QImage before = window.grab().toImage();
    EXPECT_EQ(before.size(), QSize(1000, 640));

    ASSERT_TRUE(moveTo(window, fine, paintedAt(2.0)));
    EXPECT_EQ(window.size(), QSize(1000, 640));
    const QImage fineShot = window.grab().toImage();
    EXPECT_EQ(fineShot.devicePixelRatio(), 2.0);
    EXPECT_EQ(fineShot.size(), QSize(2000, 1280));
    EXPECT_LT(shareEqualToDoubled(before, fineShot), 0.8);
    // Clicks stay in logical pixels: the game-mode switch at (100, 588).
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 588));
    EXPECT_EQ(model.image().gameMode(), 1);

    ASSERT_TRUE(moveTo(window, plain, paintedAt(1.0)));
    EXPECT_EQ(window.grab().toImage().size(), QSize(1000, 640));
    window.hide();
}

TEST_F(TwoScreens, TheColourChoosersSpectrumHasAColourPerDevicePixel) {
    CCustomColorDialog dialog(model, painter, SkinFolder::of(UiLanguage{}, {}), UiLanguage{});
    dialog.move(fine->geometry().topLeft() + QPoint(50, 50));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_TRUE(moveTo(dialog, fine, [] { return true; }));
    const QImage face = dialog.grab().toImage();
    ASSERT_EQ(face.devicePixelRatio(), 2.0);
    ASSERT_EQ(face.size(), dialog.size() * 2);
    // Along a row of the spectrum, neighbouring device pixels differ as
    // often as not: the hue changes on the finer grid.
    const QPoint at = dialog.spectrum()->pos() * 2;
    int differ = 0;
    const int y = at.y() + 60 * 2;
    for (int x = at.x(); x < at.x() + 120 * 2; x += 2) {
        differ += face.pixel(x, y) != face.pixel(x + 1, y);
    }
    EXPECT_GT(differ, 40);
    dialog.hide();
}

} // namespace
} // namespace vantrel::ui::testing
