// SPDX-License-Identifier: MIT
#include "core/lighting/chooser_palette.h"
#include "lighting_fakes.h"
#include "support/temp_dir.h"
#include "ui/lighting/colour_spectrum_ctrl.h"
#include "ui/lighting/custom_colour_dialog.h"
#include "ui/skin/skin_painter.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

using lighting::Hsl;
using lighting::SpectrumPart;

// The spectrum between two ordinary focusable widgets.
class SpectrumTest : public ::testing::Test, private testing::WithQtApp {
protected:
    SpectrumTest() {
        before = new QLineEdit(&window);
        before->setGeometry(0, 0, 50, 20);
        spectrum = new CXColorSpectrumCtrl(&window, 9001, Rgb{0xC0, 0xC0, 0xC0}, 0);
        spectrum->setGeometry(0, 30, 160, 140);
        after = new QLineEdit(&window);
        after->setGeometry(0, 180, 50, 20);
        QWidget::setTabOrder(before, spectrum);
        QWidget::setTabOrder(spectrum, after);
        window.resize(200, 210);
        // Let the previous fixture's window finish going away first.
        QCoreApplication::processEvents();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        spectrum->setFocus(Qt::OtherFocusReason);
        EXPECT_TRUE(QTest::qWaitFor([this] { return spectrum->hasFocus(); }));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
    }

    QWidget window;
    QLineEdit* before = nullptr;
    CXColorSpectrumCtrl* spectrum = nullptr;
    QLineEdit* after = nullptr;
};

TEST_F(SpectrumTest, FocusStartsInTheSpectrumAndTabWalksThroughBothParts) {
    ASSERT_TRUE(spectrum->hasFocus());
    EXPECT_EQ(spectrum->focusedPart(), SpectrumPart::Spectrum);
    key(Qt::Key_Tab);
    EXPECT_TRUE(spectrum->hasFocus());
    EXPECT_EQ(spectrum->focusedPart(), SpectrumPart::Luminosity);
    key(Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(spectrum->focusedPart(), SpectrumPart::None);

    // Coming back with Shift+Tab lands on the luminosity part.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(spectrum->hasFocus());
    EXPECT_EQ(spectrum->focusedPart(), SpectrumPart::Luminosity);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(spectrum->focusedPart(), SpectrumPart::Spectrum);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
}

TEST_F(SpectrumTest, ArrowKeysStepByModifierAndReportEveryChange) {
    QSignalSpy changes(spectrum, &CXColorSpectrumCtrl::selChange);
    spectrum->setColor(Rgb{255, 0, 0}); // hue 0, sat 240, lum 120
    EXPECT_EQ(changes.count(), 0) << "setColor is silent";
    ASSERT_TRUE(spectrum->hasFocus());
    ASSERT_EQ(spectrum->focusedPart(), SpectrumPart::Spectrum);

    key(Qt::Key_Right);
    EXPECT_EQ(spectrum->hsl().hue, 5);
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(spectrum->hsl().hue, 6);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(spectrum->hsl().hue, 16);
    key(Qt::Key_Down);
    EXPECT_EQ(spectrum->hsl().saturation, 235);
    key(Qt::Key_End);
    EXPECT_EQ(spectrum->hsl().hue, 239);
    EXPECT_EQ(changes.count(), 5);
    EXPECT_EQ(spectrum->color(), lighting::hslToRgb(spectrum->hsl()));
    EXPECT_EQ(spectrum->lastReportedColor(), spectrum->color());
    const QColor last = changes.last().at(0).value<QColor>();
    EXPECT_EQ(last, QColor(spectrum->color().red, spectrum->color().green, spectrum->color().blue));
    EXPECT_EQ(changes.last().at(1).toInt(), 9001);
    EXPECT_EQ(spectrum->crosshair(), (lighting::IntPoint{124, 10 + 120 - 235 * 120 / 240}));
}

TEST_F(SpectrumTest, LuminosityPartTakesUpDownAndIgnoresHueKeys) {
    spectrum->setColor(Rgb{255, 0, 0});
    key(Qt::Key_Tab);
    QSignalSpy changes(spectrum, &CXColorSpectrumCtrl::selChange);
    key(Qt::Key_Left);
    key(Qt::Key_Right);
    EXPECT_EQ(spectrum->hsl(), (Hsl{0, 240, 120}));
    key(Qt::Key_Up);
    EXPECT_EQ(spectrum->hsl().luminosity, 125);
    key(Qt::Key_PageUp);
    EXPECT_EQ(spectrum->hsl().luminosity, 240);
    EXPECT_EQ(spectrum->color(), (Rgb{255, 255, 255}));
    EXPECT_EQ(spectrum->arrowPosition(), 0);
    key(Qt::Key_End);
    EXPECT_EQ(spectrum->color(), (Rgb{0, 0, 0}));
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(SpectrumTest, MousePressesPickHueSaturationAndLuminosity) {
    QSignalSpy changes(spectrum, &CXColorSpectrumCtrl::selChange);
    spectrum->setColor(Rgb{0x80, 0x80, 0x80}); // lum 120
    QTest::mouseClick(spectrum, Qt::LeftButton, Qt::NoModifier, QPoint(0, 10));
    EXPECT_EQ(spectrum->color(), (Rgb{255, 0, 0}));
    EXPECT_EQ(spectrum->focusedPart(), SpectrumPart::Spectrum);
    // Top of the luminosity bar: white for any hue.
    QTest::mouseClick(spectrum, Qt::LeftButton, Qt::NoModifier, QPoint(140, 2));
    EXPECT_EQ(spectrum->hsl().luminosity, 240);
    EXPECT_EQ(spectrum->color(), (Rgb{255, 255, 255}));
    EXPECT_EQ(spectrum->focusedPart(), SpectrumPart::Luminosity);
    QTest::mouseClick(spectrum, Qt::LeftButton, Qt::NoModifier, QPoint(140, 137));
    EXPECT_EQ(spectrum->color(), (Rgb{0, 0, 0}));
    // A press outside both parts changes nothing.
    QTest::mouseClick(spectrum, Qt::LeftButton, Qt::NoModifier, QPoint(128, 5));
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(SpectrumTest, DoubleClickReportsTheColourAsChosen) {
    QSignalSpy ends(spectrum, &CXColorSpectrumCtrl::selEndOk);
    QTest::mouseDClick(spectrum, Qt::LeftButton, Qt::NoModifier, QPoint(30, 50));
    EXPECT_EQ(ends.count(), 1);
}

TEST(SpectrumTooltip, FormatsTheColourUnderThePointer) {
    testing::lightingTestApp();
    QWidget parent;
    CXColorSpectrumCtrl none(&parent, 1, Rgb{}, 0);
    EXPECT_TRUE(none.tooltipText(QPoint(0, 129)).isEmpty());
    CXColorSpectrumCtrl rgb(&parent, 1, Rgb{}, 1);
    rgb.resize(160, 140);
    // Top-left of the spectrum is red at full saturation.
    EXPECT_EQ(rgb.tooltipText(QPoint(0, 10)), QStringLiteral("RGB(255,0,0)"));
    EXPECT_TRUE(rgb.tooltipText(QPoint(128, 50)).isEmpty());
    CXColorSpectrumCtrl hash(&parent, 1, Rgb{}, 2);
    hash.resize(160, 140);
    EXPECT_EQ(hash.tooltipText(QPoint(0, 10)), QStringLiteral("#FF0000"));
    CXColorSpectrumCtrl bgr(&parent, 1, Rgb{}, 3);
    bgr.resize(160, 140);
    EXPECT_EQ(bgr.tooltipText(QPoint(0, 10)), QStringLiteral("0000FF"));
    CXColorSpectrumCtrl hsl(&parent, 1, Rgb{}, 4);
    hsl.resize(160, 140);
    EXPECT_EQ(hsl.tooltipText(QPoint(0, 10)), QStringLiteral("HSL(0,240,120)"));
    CXColorSpectrumCtrl other(&parent, 1, Rgb{}, 7);
    other.resize(160, 140);
    EXPECT_EQ(other.tooltipText(QPoint(0, 10)), QStringLiteral("RGB(255,0,0)"));
}

class ColourDialogTest : public ::testing::Test {
protected:
    ColourDialogTest() { testing::lightingTestApp(); }
    // A folder without the dialog's picture.
    const SkinFolder noSkin{QStringLiteral("english"), QStringLiteral("no-such-folder")};
    ConfiguratorModel model;
    SkinStore skins;
    SkinPainter painter{skins};
};

TEST_F(ColourDialogTest, StartingColourFillsTheBoxesAndSelectsItsCell) {
    CCustomColorDialog dialog(model, painter, noSkin, UiLanguage{9});
    model.setExchangeColour(Rgb{255, 0, 0});
    dialog.startFromExchangeColour();
    EXPECT_EQ(dialog.selectedCell(), 8);
    EXPECT_EQ(dialog.boxText(1030), QStringLiteral("255"));
    EXPECT_EQ(dialog.boxText(1025), QStringLiteral("0"));
    EXPECT_EQ(dialog.boxText(1028), QStringLiteral("240"));
    EXPECT_EQ(dialog.boxText(1029), QStringLiteral("120"));

    model.setExchangeColour(Rgb{0x0C, 0x0C, 0x0C});
    dialog.startFromExchangeColour();
    EXPECT_EQ(dialog.selectedCell(), -1);
    EXPECT_EQ(dialog.size(),
              QSize(CCustomColorDialog::kFallbackWidth, CCustomColorDialog::kFallbackHeight));
}

TEST_F(ColourDialogTest, SkinGivesTheSize) {
    ::vantrel::testing::TempDir dir;
    const QString folder = QString::fromStdString((dir.path() / "png" / "Chinese").string());
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage skin(350, 250, QImage::Format_RGB32);
    skin.fill(Qt::darkGray);
    ASSERT_TRUE(skin.save(folder + QStringLiteral("/Color_BK.png")));
    SkinStore users(dir.path());
    SkinPainter usersPainter(users);
    CCustomColorDialog dialog(model, usersPainter, SkinFolder::of(UiLanguage{4}, {}),
                              UiLanguage{4});
    EXPECT_EQ(dialog.size(), QSize(350, 250));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Color"));
}

TEST_F(ColourDialogTest, CellClicksAndSpectrumChangesUpdateTheExchangeColour) {
    CCustomColorDialog dialog(model, painter, noSkin, UiLanguage{9});
    model.setExchangeColour(Rgb{0x0C, 0x0C, 0x0C});
    dialog.startFromExchangeColour();
    dialog.show();
    const auto o = lighting::chooserCellOrigin(28); // 0,0,255
    QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(o.x + 13, o.y + 12));
    EXPECT_EQ(model.exchangeColour(), (Rgb{0, 0, 255}));
    EXPECT_EQ(dialog.selectedCell(), 28);
    EXPECT_EQ(dialog.boxText(1027), QStringLiteral("160"));
    EXPECT_EQ(dialog.spectrum()->color(), (Rgb{0, 0, 255}));

    // A change in the spectrum goes straight to the exchange colour.
    QTest::mouseClick(dialog.spectrum(), Qt::LeftButton, Qt::NoModifier, QPoint(0, 10));
    EXPECT_EQ(model.exchangeColour(), (Rgb{255, 0, 0}));
    EXPECT_EQ(dialog.boxText(1030), QStringLiteral("255"));
    EXPECT_EQ(dialog.boxText(1027), QStringLiteral("0"));
}

TEST_F(ColourDialogTest, CloseSquareAndButtonsEndTheDialog) {
    CCustomColorDialog dialog(model, painter, noSkin, UiLanguage{9});
    dialog.show();
    QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(324, 10));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ColourDialogTest, DoubleClickInTheSpectrumDoesNotEndTheChoice) {
    CCustomColorDialog dialog(model, painter, noSkin, UiLanguage{9});
    dialog.show();
    QTest::mouseDClick(dialog.spectrum(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 50));
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace
} // namespace vantrel::ui
