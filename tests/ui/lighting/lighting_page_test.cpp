// SPDX-License-Identifier: MIT
#include "../in_language.h"
#include "core/model/key_positions.h"
#include "lighting_fakes.h"
#include "ui/lighting/lighting_page.h"
#include "ui/main_view_state.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

using testing::FakeColourChooser;
using testing::FakeKeyFaces;
using testing::FakePanelHost;
using testing::Outline;

constexpr QRgb kBackground = 0xFF101010;

class LightingPageTest : public ::testing::Test {
protected:
    LightingPageTest() { testing::lightingTestApp(); }

    QImage render(bool overlay) {
        QImage canvas(1000, 640, QImage::Format_ARGB32);
        canvas.fill(kBackground);
        QPainter p(&canvas);
        if (overlay) {
            page.paintPerKeyOverlay(p);
        } else {
            page.paint(p);
        }
        return canvas;
    }
    bool has(const std::vector<QString>& v, const QString& s) const {
        return std::find(v.begin(), v.end(), s) != v.end();
    }
    bool hasOutline(const Outline& o) const {
        return std::find(host.outlines.begin(), host.outlines.end(), o) != host.outlines.end();
    }

    ConfiguratorModel model;
    MainViewState view;
    FakePanelHost host{model.image()};
    FakeColourChooser chooser{model};
    FakeKeyFaces keys;
    LightingPage page{model, view, host, chooser, keys, UiLanguage{9}};
};

TEST_F(LightingPageTest, WaveGreysThePaletteShowsDirectionsAndOutlinesMultiColour) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    model.image().setLightEffect(3);
    model.image().setLightColourIndex(2);
    model.image().setLightDirection(2);
    model.image().setKeyColour(0, Rgb{255, 0, 0});
    const QImage img = render(false);
    EXPECT_EQ(model.image().lightColourIndex(), 8);
    EXPECT_EQ(img.pixel(30, 180), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(hasOutline({26 + 25 * 7, 176, 23, 23}));
    EXPECT_TRUE(has(host.images, QStringLiteral("Direction-R-Enable.png")));
    EXPECT_TRUE(has(host.labels, QStringLiteral("волновой режим")));
    EXPECT_TRUE(has(host.labels, QStringLiteral("Направление")));
    EXPECT_TRUE(host.visibleSliders.at(kSliderSpeed));
}

TEST_F(LightingPageTest, SteadyHidesTheSpeedAndTheMultiColourSwatch) {
    model.image().setLightEffect(1);
    model.image().setLightColourIndex(0);
    model.image().setKeyColour(1, Rgb{0, 255, 0});
    const QImage img = render(false);
    EXPECT_FALSE(host.visibleSliders.at(kSliderSpeed));
    EXPECT_EQ(std::count(host.images.begin(), host.images.end(), QStringLiteral("8.png")), 1)
        << "only the wrist multi-colour swatch";
    EXPECT_EQ(model.image().lightColourIndex(), 1);
    EXPECT_EQ(img.pixel(28 + 25 + 5, 185), qRgb(0, 255, 0));
}

TEST_F(LightingPageTest, AnEffectSetFromOutsideShowsItsSpeedSliderOnTheFirstPaint) {
    model.image().setLightEffect(1);
    render(false);
    // The keyboard's keys or vantrelctl change the effect; one repaint follows.
    model.image().setLightEffect(2);
    host.shownSliders.clear();
    render(false);
    EXPECT_NE(std::find(host.shownSliders.begin(), host.shownSliders.end(), kSliderSpeed),
              host.shownSliders.end());
}

TEST_F(LightingPageTest, WristSpeedSliderStoresFourMinusItsPosition) {
    host.positions[kSliderWristSpeed] = 0;
    render(false);
    EXPECT_EQ(model.image().wristLighting()[image::kWristSpeed], 4);
    host.positions[kSliderWristSpeed] = 3;
    render(false);
    EXPECT_EQ(model.image().wristLighting()[image::kWristSpeed], 1);
}

TEST_F(LightingPageTest, WristWaveDisablesBrightnessAndForcesMultiColour) {
    auto wrist = model.image().wristLighting();
    wrist[image::kWristEffect] = 3;
    wrist[image::kWristColourChoice] = 1;
    render(false);
    EXPECT_FALSE(host.sliderEnabled(kSliderWristBrightness));
    EXPECT_EQ(wrist[image::kWristColourChoice], 7);
    EXPECT_TRUE(hasOutline({26 + 25 * 7, 353, 23, 23}));
}

TEST_F(LightingPageTest, OpenEffectListDrawsSixteenRowsWithTheHoveredOneRed) {
    model.image().setLightEffect(2);
    view.effectListOpen = true;
    view.hoveredEffectItem = 3;
    const QImage img = render(false);
    EXPECT_EQ(img.pixel(240, 148 + 20 * 3 + 10), qRgb(80, 0, 0));
    EXPECT_EQ(img.pixel(240, 148 + 20 * 15 + 10), qRgb(0x3B, 0x3B, 0x3B));
    EXPECT_EQ(img.pixel(240, 148 + 20 * 16 + 2), kBackground);
    EXPECT_TRUE(has(host.labels, QStringLiteral("DIY5")));
    EXPECT_FALSE(host.visibleSliders.at(kSliderBrightness));
}

TEST_F(LightingPageTest, PerKeyOverlayFillsColouredKeysAndLeavesBlackOnesUntouched) {
    model.image().setLightEffect(52);
    view.perKeyColourView = true;
    model.image().setColourMapEntry(1, KeyPositionMatrixCode(0), Rgb{0, 0, 200});
    view.keySelected[1] = true;
    view.hoveredKey = 2;
    const QImage img = render(true);

    const KeyFace coloured = keys.face(0);
    EXPECT_EQ(img.pixel(coloured.left + 301 + 1, coloured.top + 95 + 1), qRgb(0, 0, 200));
    // The label is written in the inverse colour.
    bool inverseLabel = false;
    for (int y = coloured.top + 95; y < coloured.bottom + 95; ++y) {
        for (int x = coloured.left + 301; x < coloured.right + 301; ++x) {
            const QColor c = img.pixelColor(x, y);
            inverseLabel |= c.red() > 128 && c.green() > 128 && c.blue() < 128;
        }
    }
    EXPECT_TRUE(inverseLabel);

    // The inverse of a saturated green is as bright as the key: the label
    // turns black instead.
    model.image().setColourMapEntry(1, KeyPositionMatrixCode(0), Rgb{0, 255, 0});
    const QImage green = render(true);
    bool darkLabel = false;
    bool magentaLabel = false;
    for (int y = coloured.top + 95; y < coloured.bottom + 95; ++y) {
        for (int x = coloured.left + 301; x < coloured.right + 301; ++x) {
            const QColor c = green.pixelColor(x, y);
            darkLabel |= c.green() < 100 && c.red() < 100 && c.blue() < 100;
            magentaLabel |= c.red() > 128 && c.blue() > 128 && c.green() < 100;
        }
    }
    EXPECT_TRUE(darkLabel);
    EXPECT_FALSE(magentaLabel);

    // A black entry: picture unchanged inside the key, no label.
    const KeyFace black = keys.face(10);
    for (int y = black.top + 95; y < black.bottom + 95; ++y) {
        for (int x = black.left + 301; x < black.right + 301; ++x) {
            ASSERT_EQ(img.pixel(x, y), kBackground) << x << "," << y;
        }
    }
    const KeyFace sel = keys.face(1);
    EXPECT_TRUE(hasOutline(
        {sel.left + 299, sel.top + 93, sel.right - sel.left + 3, sel.bottom - sel.top + 3}));
    const KeyFace hov = keys.face(2);
    EXPECT_TRUE(hasOutline({hov.left + 299, hov.top + 93, 27, 27}));
}

TEST_F(LightingPageTest, OverlayOnlyInThePerKeyViewOfAPerKeyEffect) {
    model.image().setLightEffect(51);
    model.image().setColourMapEntry(0, KeyPositionMatrixCode(0), Rgb{200, 0, 0});
    view.perKeyColourView = false;
    const QImage img = render(true);
    const KeyFace f = keys.face(0);
    EXPECT_EQ(img.pixel(f.left + 302, f.top + 96), kBackground);
}

TEST_F(LightingPageTest, RubberBandIsOutlinedWhileTheButtonIsHeld) {
    model.image().setLightEffect(51);
    view.perKeyColourView = true;
    view.buttonHeld = true;
    view.bandAnchorX = 320;
    view.bandAnchorY = 200;
    view.bandX = 420;
    view.bandY = 260;
    render(true);
    EXPECT_EQ(std::count(host.outlines.begin(), host.outlines.end(), Outline{320, 200, 100, 60}),
              1);
}

} // namespace
} // namespace vantrel::ui
