// SPDX-License-Identifier: MIT
#include "core/model/key_positions.h"
#include "lighting_fakes.h"
#include "ui/lighting/lighting_controller.h"
#include "ui/main_view_state.h"

#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

using testing::FakeColourChooser;
using testing::FakePanelHost;

constexpr Rgb kStart{0x0C, 0x0C, 0x0C};

class LightingControllerTest : public ::testing::Test {
protected:
    ConfiguratorModel model;
    MainViewState view;
    FakePanelHost host{model.image()};
    FakeColourChooser chooser{model};
    LightingController controller{model, view, host, chooser};

    ConfigImage& image() { return model.image(); }
    Rgb keyColour(std::size_t map, int key) const {
        return model.image().colourMapEntry(map,
                                            KeyPositionMatrixCode(static_cast<std::size_t>(key)));
    }
};

TEST_F(LightingControllerTest, ClickOnTheChosenSwatchEditsItOtherSwatchesOnlyMoveTheChoice) {
    image().setLightEffect(2);
    image().setLightColourIndex(3);
    controller.command(8 + 2); // swatch 3
    EXPECT_EQ(chooser.runs, 1);
    EXPECT_EQ(chooser.startColours.at(0), kStart);
    EXPECT_EQ(image().keyColour(2), chooser.answer);
    EXPECT_EQ(image().lightColourIndex(), 3);

    controller.command(8 + 4); // swatch 5
    EXPECT_EQ(chooser.runs, 1);
    EXPECT_EQ(image().lightColourIndex(), 5);
    EXPECT_EQ(image().keyColour(4), (Rgb{}));
}

TEST_F(LightingControllerTest, CancelKeepsTheColourButStillChoosesTheSwatch) {
    image().setLightEffect(2);
    image().setLightColourIndex(1);
    image().setKeyColour(0, Rgb{1, 2, 3});
    chooser.ok = false;
    controller.command(8);
    EXPECT_EQ(chooser.runs, 1);
    EXPECT_EQ(image().keyColour(0), (Rgb{1, 2, 3}));
    EXPECT_EQ(image().lightColourIndex(), 1);
}

TEST_F(LightingControllerTest, WristSwatchesAndMultiColour) {
    auto wrist = image().wristLighting();
    wrist[image::kWristEffect] = 0;
    wrist[image::kWristColourChoice] = 2;
    controller.command(26 + 2);
    EXPECT_EQ(chooser.runs, 1);
    EXPECT_EQ(image().wristColour(2), chooser.answer);
    controller.command(26 + 6);
    EXPECT_EQ(wrist[image::kWristColourChoice], 6);
    controller.command(33);
    EXPECT_EQ(wrist[image::kWristColourChoice], 7);
    wrist[image::kWristEffect] = 4; // off: swatches frozen
    controller.command(26);
    EXPECT_EQ(wrist[image::kWristColourChoice], 7);
    EXPECT_EQ(chooser.runs, 1);
}

TEST_F(LightingControllerTest, EffectListChoicesForceTheColourIndex) {
    image().setLightEffect(2);
    image().setLightColourIndex(4);
    controller.command(3);
    EXPECT_TRUE(view.effectListOpen);
    EXPECT_FALSE(host.visibleSliders.at(kSliderBrightness));

    controller.keyboardListClick(100, 148 + 20 * 2 + 5); // wave
    EXPECT_FALSE(view.effectListOpen);
    EXPECT_EQ(image().lightEffect(), 3);
    EXPECT_EQ(image().lightColourIndex(), 8);
    EXPECT_FALSE(view.perKeyColourView);

    controller.command(3);
    controller.keyboardListClick(30, 148); // steady
    EXPECT_EQ(image().lightEffect(), 1);
    EXPECT_EQ(image().lightColourIndex(), 1);

    controller.command(3);
    controller.keyboardListClick(248, 148 + 20 * 11); // DIY1
    EXPECT_EQ(image().lightEffect(), 51);
    EXPECT_TRUE(view.perKeyColourView);

    controller.command(3);
    controller.keyboardListClick(249, 150); // outside: closes, keeps the effect
    EXPECT_FALSE(view.effectListOpen);
    EXPECT_EQ(image().lightEffect(), 51);
    controller.command(34);
    EXPECT_FALSE(view.perKeyColourView);
}

TEST_F(LightingControllerTest, WristListAndDirections) {
    controller.command(23);
    EXPECT_TRUE(view.wristListOpen);
    controller.wristListClick(28, 332 + 20 * 4 + 19);
    EXPECT_FALSE(view.wristListOpen);
    EXPECT_EQ(image().wristLighting()[image::kWristEffect], 4);
    controller.command(23);
    controller.wristListClick(28, 432);
    EXPECT_EQ(image().wristLighting()[image::kWristEffect], 4);

    const std::array<std::pair<int, int>, 4> arrows{{{4, 3}, {5, 4}, {6, 2}, {7, 1}}};
    for (auto [c, dir] : arrows) {
        controller.command(c);
        EXPECT_EQ(image().lightDirection(), dir);
    }
    EXPECT_EQ(LightingController::keyboardListItemAt(28, 467), 15);
    EXPECT_EQ(LightingController::keyboardListItemAt(28, 468), kNoItem);
    EXPECT_EQ(LightingController::wristListItemAt(27, 340), kNoItem);
}

TEST_F(LightingControllerTest, CtrlGatheredKeysAreColouredByTheNextClickButNotTheClickedKey) {
    image().setLightEffect(53);
    view.perKeyColourView = true;
    view.ctrlHeld = true;
    for (int k : {21, 22, 23}) {
        controller.perKeyColourClick(k);
    }
    EXPECT_EQ(chooser.runs, 0);
    // The window's message filter on Ctrl release:
    view.ctrlHeld = false;
    view.selection = SelectionState::Waiting;

    controller.perKeyColourClick(40);
    EXPECT_EQ(chooser.runs, 1);
    EXPECT_EQ(chooser.startColours.at(0), kStart);
    for (int k : {21, 22, 23}) {
        EXPECT_EQ(keyColour(2, k), chooser.answer) << k;
    }
    EXPECT_EQ(keyColour(2, 40), (Rgb{}));
    EXPECT_EQ(keyColour(0, 21), (Rgb{})); // other maps untouched
    EXPECT_FALSE(view.anyKeySelected());
    EXPECT_EQ(view.selection, SelectionState::Idle);
}

TEST_F(LightingControllerTest, BandThenCancelLeavesColoursAndEmptiesTheSelection) {
    image().setLightEffect(51);
    view.perKeyColourView = true;
    image().setColourMapEntry(0, KeyPositionMatrixCode(5), Rgb{9, 9, 9});
    view.keySelected[5] = view.keySelected[6] = true;
    view.selection = SelectionState::Banding;
    controller.perKeyColourClick(5); // release after the band
    EXPECT_EQ(view.selection, SelectionState::Waiting);
    EXPECT_EQ(chooser.runs, 0);

    chooser.ok = false;
    controller.perKeyColourClick(5);
    EXPECT_EQ(chooser.runs, 1);
    EXPECT_EQ(keyColour(0, 5), (Rgb{9, 9, 9}));
    EXPECT_EQ(keyColour(0, 6), (Rgb{}));
    EXPECT_FALSE(view.anyKeySelected());
    EXPECT_EQ(view.selection, SelectionState::Idle);
}

TEST_F(LightingControllerTest, SingleClickColoursThatKeyOnly) {
    image().setLightEffect(55);
    controller.perKeyColourClick(107);
    EXPECT_EQ(keyColour(4, 107), chooser.answer);
    EXPECT_FALSE(view.anyKeySelected());
    // Outside the per-key effects a key click colours nothing.
    image().setLightEffect(2);
    controller.perKeyColourClick(3);
    EXPECT_EQ(chooser.runs, 1);
}

TEST_F(LightingControllerTest, KeyboardLightingChangesMoveTheSliders) {
    image().setLightSpeed(7);
    image().setLightBrightness(33);
    controller.deviceLightingChanged(6);
    EXPECT_EQ(host.positions.at(kSliderSpeed), 7);
    controller.deviceLightingChanged(7);
    EXPECT_EQ(host.positions.at(kSliderBrightness), 33);
    controller.deviceLightingChanged(11);
    EXPECT_EQ(host.repaints, 3);
}

} // namespace
} // namespace vantrel::ui
