// SPDX-License-Identifier: MIT
#include "controller_fixture.h"

namespace vantrel::ui::testing {
namespace {

class CompositionTest : public ControllerTest {
protected:
    // True when key `key`'s rectangle on the canvas equals the same
    // rectangle of the given keyboard picture.
    bool keyShows(int key, const QString& picture) {
        const QImage& canvas = controller.canvas();
        const QImage& source = skins.image(picture);
        const auto& k = KeyPictureTable()[static_cast<std::size_t>(key)];
        for (int y = k.top; y <= k.bottom; ++y) {
            for (int x = k.left; x <= k.right; ++x) {
                if (canvas.pixel(x + kKeyboardPictureX, y + kKeyboardPictureY) !=
                    source.pixel(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }
};

TEST_F(CompositionTest, CanvasHasTheBackgroundsSize) {
    const QImage& canvas = controller.compose();
    EXPECT_EQ(canvas.size(), skins.size(QStringLiteral("main.png")));
    EXPECT_GE(canvas.width(), 1000);
    EXPECT_GE(canvas.height(), 640);
    EXPECT_EQ(controller.windowSize(), canvas.size());
}

TEST_F(CompositionTest, HoveredAndMarkedKeysAreLitButNeverTheWinKey) {
    const QPoint q = keyCentre(42);
    controller.mouseMove(q.x(), q.y(), false);
    model.marks().set(60, true);
    model.marks().set(96, true);
    controller.compose();
    EXPECT_TRUE(keyShows(42, QStringLiteral("kb_hl.png")));
    EXPECT_TRUE(keyShows(60, QStringLiteral("kb_hl.png")));
    EXPECT_TRUE(keyShows(96, QStringLiteral("kb_BK.png")));
    EXPECT_TRUE(keyShows(43, QStringLiteral("kb_BK.png")));
    // The lit picture really differs from the idle one on every key.
    for (int i = 0; i < 108; ++i) {
        EXPECT_FALSE(keyShows(i, QStringLiteral("kb_hl.png")) &&
                     keyShows(i, QStringLiteral("kb_BK.png")))
            << i;
    }
}

TEST_F(CompositionTest, PerKeyViewHandsTheOverlayToTheLightingPage) {
    model.image().setLightEffect(54);
    controller.state().perKeyColourView = true;
    model.marks().set(60, true);
    controller.compose();
    EXPECT_EQ(lighting.overlays, 1);
    EXPECT_TRUE(keyShows(60, QStringLiteral("kb_BK.png")));
    model.image().setLightEffect(20); // per-key view with another effect: nothing
    controller.compose();
    EXPECT_EQ(lighting.overlays, 1);
}

TEST_F(CompositionTest, HelpMenuIsDrawnWhenOpen) {
    controller.compose();
    const QRgb closed = controller.canvas().pixel(840, 60);
    controller.state().helpMenuOpen = true;
    controller.compose();
    EXPECT_NE(controller.canvas().pixel(840, 60), closed);
}

} // namespace
} // namespace vantrel::ui::testing

namespace vantrel::ui::testing {
namespace {

TEST_F(CompositionTest, AMissingKeyboardIsSaidOnTheWindow) {
    controller.compose();
    const QImage before = controller.canvas().copy(300, 605, 400, 25);
    controller.connectionChanged(false);
    controller.compose();
    const QImage missing = controller.canvas().copy(300, 605, 400, 25);
    EXPECT_NE(missing, before);
    controller.connectionChanged(true);
    controller.compose();
    EXPECT_EQ(controller.canvas().copy(300, 605, 400, 25), before);
}

} // namespace
} // namespace vantrel::ui::testing
