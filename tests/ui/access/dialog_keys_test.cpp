// SPDX-License-Identifier: MIT
// The macro manager, the colour chooser and the profile manager by the
// keyboard alone, on the offscreen platform: Tab through regions and
// widgets, the arrows in the palette, Space to act, Esc as each dialog's
// cancel, and a recording that Esc twice stops.
#include "core/layout/profile_dialog_layout.h"
#include "core/lighting/chooser_palette.h"
#include "core/model/configurator_model.h"
#include "core/model/profile_store.h"
#include "support/temp_dir.h"
#include "ui/dialog_fakes.h"
#include "ui/lighting/custom_colour_dialog.h"
#include "ui/macros/macro_fakes.h"
#include "ui/macros/macro_record_dialog.h"
#include "ui/profiles/configure_dialog.h"
#include "ui/skin/skin_painter.h"
#include "ui/widgets/transparent_list_box.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace vantrel::ui::testing {
namespace {

namespace md = vantrel::layout::macro_dialog;
constexpr std::uint8_t kVkA = 0x41, kVkB = 0x42, kVkEsc = 0x1B;

void showActive(QWidget& w) {
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QCoreApplication::processEvents();
}

void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), k, m);
}

// Tab until the dialog's keyboard is on `stop`; false after a whole round.
bool tabTo(SkinnedDialog& d, const QString& stop) {
    for (int i = 0; i < 40; ++i) {
        if (d.keyboardFocus() == stop) {
            return true;
        }
        key(Qt::Key_Tab);
    }
    return false;
}

QString area(int a) {
    return QStringLiteral("area:%1").arg(a);
}

class MacroKeys : public ::testing::Test {
protected:
    MacroKeys() : dialog(names, clock.clock(), painter, UiLanguage{}, hook) {
        dialog.start(MacroTable{});
        showActive(dialog);
    }
    QStringList events() const { return dialog.eventList()->lines(); }
    // The regions Tab stopped at in one round, widgets left out.
    QStringList regionRound() {
        EXPECT_TRUE(tabTo(dialog, area(md::kCloseBox)));
        QStringList seen{dialog.keyboardFocus()};
        for (int i = 0; i < 20; ++i) {
            key(Qt::Key_Tab);
            const QString at = dialog.keyboardFocus();
            if (seen.contains(at)) {
                break;
            }
            seen << at;
        }
        return seen.filter(QStringLiteral("area:"));
    }

    vantrel::testing::TempDir dir;
    SkinStore skins{dir.path()};
    SkinPainter painter{skins};
    KeyNameTable names = BuildKeyNameTable();
    FakeClock clock;
    FakeKeyHook hook;
    CMacroRecordDlg dialog;
};

TEST_F(MacroKeys, TabReadsTheButtonsTopToBottomAndLeftToRight) {
    EXPECT_EQ(regionRound(), (QStringList{area(md::kCloseBox), area(md::kRecord),
                                          area(md::kRecordDelays), area(md::kLoop), area(md::kNew),
                                          area(md::kDelete), area(md::kOk), area(md::kCancel)}));
}

TEST_F(MacroKeys, RecordedByKeysAloneAndEscTwiceStopsWithoutItself) {
    ASSERT_TRUE(tabTo(dialog, area(md::kNew)));
    key(Qt::Key_Space);
    EXPECT_EQ(dialog.macroList()->lines(), QStringList{QStringLiteral("Macro_001")});
    ASSERT_TRUE(tabTo(dialog, area(md::kRecord)));
    key(Qt::Key_Return);
    ASSERT_TRUE(hook.installed());
    hook.stroke(kVkA);
    hook.stroke(kVkEsc); // one Esc is a key of the macro
    hook.stroke(kVkB);
    hook.stroke(kVkEsc);
    EXPECT_EQ(events().size(), 8);
    hook.key(kVkEsc, false);
    EXPECT_FALSE(hook.installed()) << "the second Esc in a row stops the recording";
    EXPECT_EQ(events(), (QStringList{QStringLiteral("A  dn"), QStringLiteral("A  up"),
                                     QStringLiteral("Esc  dn"), QStringLiteral("Esc  up"),
                                     QStringLiteral("B  dn"), QStringLiteral("B  up")}));
    EXPECT_FALSE(dialog.controller().manager().events().recording());
    hook.key(kVkEsc, true); // its release comes after the hook went: nothing
    EXPECT_EQ(events().size(), 6);

    EXPECT_EQ(dialog.keyboardFocus(), area(md::kRecord)) << "the keyboard is where it was";
    ASSERT_TRUE(tabTo(dialog, area(md::kOk)));
    key(Qt::Key_Space);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.controller().tableKept());
}

TEST_F(MacroKeys, EscapeIsCancelAndTheListTakesItsArrows) {
    dialog.controller().newMacro();
    dialog.controller().newMacro();
    ASSERT_TRUE(tabTo(dialog, area(md::kCloseBox)));
    key(Qt::Key_Tab);
    ASSERT_TRUE(dialog.macroList()->hasFocus()) << "the macro list follows the close box";
    const int row = dialog.macroList()->currentRow();
    key(row == 0 ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_NE(dialog.macroList()->currentRow(), row);
    EXPECT_EQ(dialog.controller().manager().selected(), dialog.macroList()->currentRow());
    key(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.controller().tableKept());
}

class ColourKeys : public ::testing::Test {
protected:
    ColourKeys() {
        model.setExchangeColour(Rgb{255, 0, 0});
        dialog.startFromExchangeColour();
        showActive(dialog);
    }
    static QString cell(int c) { return QStringLiteral("cell:%1").arg(c); }

    const SkinFolder noSkin{QStringLiteral("english"), QStringLiteral("no-such-folder")};
    ConfiguratorModel model;
    SkinStore skins;
    SkinPainter painter{skins};
    CCustomColorDialog dialog{model, painter, noSkin, UiLanguage{9}};
};

TEST_F(ColourKeys, ThePaletteIsOneStopAtItsChosenCellAndTheArrowsWalkItsGrid) {
    ASSERT_EQ(dialog.selectedCell(), 8);
    ASSERT_TRUE(tabTo(dialog, cell(8))) << "the palette is entered at the chosen colour";
    key(Qt::Key_Right);
    EXPECT_EQ(dialog.keyboardFocus(), cell(9));
    key(Qt::Key_Down);
    EXPECT_EQ(dialog.keyboardFocus(), cell(9 + lighting::kPaletteColumns));
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    EXPECT_EQ(dialog.keyboardFocus(), cell(lighting::kPaletteColumns * 2)) << "the edge holds";
    EXPECT_EQ(model.exchangeColour(), (Rgb{255, 0, 0})) << "moving chooses nothing";
    key(Qt::Key_Space);
    EXPECT_EQ(dialog.selectedCell(), lighting::kPaletteColumns * 2);
    EXPECT_EQ(model.exchangeColour(),
              lighting::chooserPaletteColours()[lighting::kPaletteColumns * 2]);
    for (int i = 0; i < 2 * lighting::kPaletteColumns; ++i) {
        key(Qt::Key_Up);
    }
    EXPECT_EQ(dialog.keyboardFocus(), cell(0));
    key(Qt::Key_Tab);
    EXPECT_FALSE(dialog.keyboardFocus().startsWith(QStringLiteral("cell:")))
        << "Tab leaves the palette in one step";
}

TEST_F(ColourKeys, EscapeAndTheCloseSquareByKeysCancel) {
    key(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    showActive(dialog);
    ASSERT_TRUE(tabTo(dialog, QStringLiteral("close")));
    key(Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(ColourKeys, TheRingIsDrawnAroundTheFocusedCellOnlyOnceTheKeyboardIsUsed) {
    const auto o = lighting::chooserCellOrigin(8);
    const QPoint beside(o.x - 1, o.y + lighting::kCellHeight / 2);
    const QColor before = dialog.grab().toImage().pixelColor(beside);
    ASSERT_TRUE(tabTo(dialog, cell(8)));
    const QColor ring = dialog.grab().toImage().pixelColor(beside);
    EXPECT_NE(ring, before);
    EXPECT_GT(ring.red(), 2 * ring.green()) << "the skin's red accent";
}

class ProfileKeys : public ::testing::Test {
protected:
    ProfileKeys() : store(dir / "Configure") {
        dialog.controller().open();
        showActive(dialog);
    }
    vantrel::testing::TempDir dir;
    ConfiguratorModel model;
    ProfileStore store;
    SkinStore skins;
    SkinPainter painter{skins};
    FakeFilePicker files;
    CConfigureDlg dialog{model, store, painter, UiLanguage{}, files};
};

TEST_F(ProfileKeys, TabReachesTheListAndEveryButtonAndEscapeCloses) {
    namespace pd = vantrel::layout::profile_dialog;
    ASSERT_TRUE(tabTo(dialog, area(pd::kCloseBox)));
    QStringList round{dialog.keyboardFocus()};
    for (int i = 0; i < 10; ++i) {
        key(Qt::Key_Tab);
        if (round.contains(dialog.keyboardFocus())) {
            break;
        }
        round << dialog.keyboardFocus();
        if (dialog.list()->hasFocus()) {
            round.last() = QStringLiteral("list");
        }
    }
    EXPECT_EQ(round, (QStringList{area(pd::kCloseBox), QStringLiteral("list"), area(pd::kImport),
                                  area(pd::kExport), area(pd::kCloseButton)}));
    ASSERT_TRUE(tabTo(dialog, area(pd::kExport)));
    key(Qt::Key_Space);
    EXPECT_EQ(files.filters.size(), 1u) << "Space opens the export picker";
    key(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace vantrel::ui::testing
