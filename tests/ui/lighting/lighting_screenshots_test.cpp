// SPDX-License-Identifier: MIT
// The lighting page inside the real main window controller. With
// VANTREL_SHOT_DIR set, the pictures are also written there as PNG files.
#include "core/model/key_picture_table.h"
#include "core/model/key_positions.h"
#include "lighting_fakes.h"
#include "support/temp_dir.h"
#include "ui/lighting/custom_colour_dialog.h"
#include "ui/lighting/key_picture_faces.h"
#include "ui/lighting/lighting_page.h"
#include "ui/main_window_controller.h"
#include "ui/skin/skin_painter.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

class LightingInWindowTest : public ::testing::Test, private testing::WithQtApp {
protected:
    LightingInWindowTest() {
        controller.setLightingPanel(&page);
        model.image().setLightEffect(2);
        model.image().setLightBrightness(30);
        model.image().setLightSpeed(4);
        const Rgb palette[7] = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                                {0, 128, 255}, {0, 0, 255},   {128, 0, 255}};
        for (std::size_t i = 0; i < 7; ++i) {
            model.image().setKeyColour(i, palette[i]);
            model.image().setWristColour(i, palette[6 - i]);
        }
        model.image().setLightColourIndex(3);
    }
    void click(int x, int y) {
        controller.mousePress(x, y);
        controller.mouseRelease(x, y);
    }
    void save(const QImage& img, const char* name) {
        const QByteArray dir = qgetenv("VANTREL_SHOT_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(dir));
            EXPECT_TRUE(img.save(QDir(QString::fromLocal8Bit(dir)).filePath(QLatin1String(name))));
        }
    }

    ::vantrel::testing::TempDir temp;
    ConfiguratorModel model;
    SkinStore skins;
    SkinPainter painter{skins};
    MainWindowController controller{model, DataFolder(temp.path()), painter, {}};
    testing::FakeColourChooser chooser{model};
    KeyPictureFaces faces;
    LightingPage page{model, controller.state(), controller, chooser, faces, UiLanguage{}};
};

TEST_F(LightingInWindowTest, EffectListOpensAndChoosesDiyThroughTheWindow) {
    click(100, 140); // effect box
    ASSERT_TRUE(controller.state().effectListOpen);
    controller.mouseMove(100, 148 + 20 * 4 + 5, false);
    EXPECT_EQ(controller.state().hoveredEffectItem, 4);
    save(controller.compose(), "lighting-effect-list.png");

    click(100, 148 + 20 * 11 + 5); // DIY1
    EXPECT_EQ(model.image().lightEffect(), 51);
    EXPECT_TRUE(controller.state().perKeyColourView);
    EXPECT_FALSE(controller.state().effectListOpen);
}

TEST_F(LightingInWindowTest, DiyKeysColouredThroughTheWindow) {
    model.image().setLightEffect(51);
    controller.state().perKeyColourView = true;
    const std::pair<int, Rgb> coloured[] = {
        {0, {255, 0, 0}},    {1, {255, 128, 0}}, {2, {255, 255, 0}},   {17, {0, 200, 255}},
        {42, {0, 255, 0}},   {43, {0, 255, 0}},  {44, {0, 255, 0}},    {98, {128, 0, 255}},
        {62, {255, 0, 128}}, {61, {0, 90, 255}}, {94, {255, 255, 255}}};
    for (const auto& [key, c] : coloured) {
        model.image().setColourMapEntry(0, KeyPositionMatrixCode(static_cast<std::size_t>(key)), c);
    }
    // A click on a key in the per-key view opens the chooser for that key.
    const KeyFace w = faces.face(64);
    click(w.left + kKeyboardPictureX + 5, w.top + kKeyboardPictureY + 5);
    EXPECT_EQ(chooser.runs, 1);
    EXPECT_EQ(model.image().colourMapEntry(0, KeyPositionMatrixCode(64)), chooser.answer);

    controller.state().keySelected[21] = controller.state().keySelected[22] = true;
    controller.state().selection = SelectionState::Waiting;
    const KeyFace hovered = faces.face(70);
    controller.mouseMove(hovered.left + kKeyboardPictureX + 5, hovered.top + kKeyboardPictureY + 5,
                         false);
    save(controller.compose(), "lighting-diy.png");
}

TEST_F(LightingInWindowTest, CtrlClicksThenReleaseThenClickColourTheGatheredKeys) {
    model.image().setLightEffect(52);
    controller.state().perKeyColourView = true;
    auto clickKey = [this](int key) {
        const KeyFace f = faces.face(key);
        click(f.left + kKeyboardPictureX + 5, f.top + kKeyboardPictureY + 5);
    };
    controller.ctrlPressed();
    for (int k : {42, 43, 44}) {
        clickKey(k);
    }
    controller.ctrlReleased();
    EXPECT_EQ(controller.state().selection, SelectionState::Waiting);
    EXPECT_EQ(chooser.runs, 0);
    clickKey(70);
    EXPECT_EQ(chooser.runs, 1);
    for (int k : {42, 43, 44}) {
        EXPECT_EQ(
            model.image().colourMapEntry(1, KeyPositionMatrixCode(static_cast<std::size_t>(k))),
            chooser.answer);
    }
    EXPECT_EQ(model.image().colourMapEntry(1, KeyPositionMatrixCode(70)), (Rgb{}));
    EXPECT_FALSE(controller.state().anyKeySelected());
}

TEST_F(LightingInWindowTest, ChooserDialogFromTheBuiltInSkin) {
    const QSize skin = skins.size(QStringLiteral("Color_BK.png"));
    ASSERT_TRUE(skin.isValid());
    CCustomColorDialog dialog(model, painter, SkinFolder::of(UiLanguage{}, {}), UiLanguage{});
    model.setExchangeColour(Rgb{255, 0, 0});
    dialog.startFromExchangeColour();
    EXPECT_EQ(dialog.size(), skin);
    save(dialog.grab().toImage(), "colour-chooser.png");
}

} // namespace
} // namespace vantrel::ui
