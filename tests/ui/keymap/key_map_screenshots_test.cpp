// SPDX-License-Identifier: MIT
// The key assignment dialog drawn with its controls in both languages: each
// tab shows only its own controls over the face. With VANTREL_SHOT_DIR set,
// the pictures are also written there as PNG files.
#include "keymap_fixture.h"
#include "ui/capture/fake_key_hook.h"
#include "ui/keymap/key_map_dialog.h"
#include "ui/widgets/transparent_list_box.h"
#include "ui/widgets/vivid_tree.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace vantrel::ui::testing {
namespace {

class KeyMapScreenshotsTest : public KeyMapControllerTest,
                              public ::testing::WithParamInterface<bool> {
protected:
    UiLanguage language() const {
        return GetParam() ? UiLanguage::chineseInterface() : UiLanguage{};
    }
    void save(CKeyMap& d, const QString& name) {
        QCoreApplication::processEvents();
        const QImage img = d.grab().toImage();
        EXPECT_EQ(img.size(), QSize(km::kWidth, km::kHeight));
        const QByteArray dir = qgetenv("VANTREL_SHOT_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(dir));
            const QString file = QStringLiteral("keymap-%1-%2.png")
                                     .arg(GetParam() ? QStringLiteral("zh") : QStringLiteral("ru"))
                                     .arg(name);
            EXPECT_TRUE(img.save(QDir(QString::fromLocal8Bit(dir)).filePath(file)));
        }
    }
    static void clickButton(CKeyMap& d, int b) {
        const auto& r = km::kButtonRegions[static_cast<std::size_t>(b)];
        d.controller().release((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    FakeKeyHook hook;
};

TEST_P(KeyMapScreenshotsTest, EachTabShowsItsOwnControls) {
    for (const char16_t* name : {u"Copy", u"Paste", u"Macro_003"}) {
        ASSERT_TRUE(addMacro(model.macros(), name, 1, false, clickA()).ok());
    }
    auto& r = record(kF1Key);
    r.setKind(AssignmentKind::Combination);
    r.data()[0] = 0xA2;
    r.data()[1] = 0xA0;
    r.data()[2] = 0x53;
    r.setKeyCount(3);
    CKeyMap d(model, pending, painter, language(), files, hook);
    d.prepare(static_cast<int>(kF1Key));
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    EXPECT_TRUE(hook.installed()) << "the key field has the focus and takes keys";
    EXPECT_TRUE(d.comboField()->isVisible());
    EXPECT_EQ(d.comboField()->text(), QStringLiteral("LCtrl + LShift + S "));
    QCoreApplication::processEvents();
    EXPECT_FALSE(d.comboField()->hasSelectedText()) << "the keys are shown, not selected";
    EXPECT_FALSE(d.tree()->isVisible());
    EXPECT_FALSE(d.macroList()->isVisible());
    save(d, QStringLiteral("0-keys"));

    clickButton(d, km::kTabMacro);
    d.macroList()->setCurrentRow(1);
    EXPECT_TRUE(d.macroList()->isVisible());
    EXPECT_FALSE(d.comboField()->isVisible());
    EXPECT_EQ(d.macroList()->count(), 3);
    save(d, QStringLiteral("1-macro"));

    clickButton(d, km::kTabBasic);
    d.tree()->selectItem(d.treeItem(8)); // in the multimedia group
    EXPECT_TRUE(d.tree()->isVisible());
    EXPECT_TRUE(d.treeItem(2)->isExpanded());
    EXPECT_EQ(d.tree()->topLevelItemCount(), 9);
    EXPECT_EQ(d.treeItem(2)->childCount(), 8);
    save(d, QStringLiteral("2-basic"));

    clickButton(d, km::kTabAdvanced);
    EXPECT_FALSE(d.tree()->isVisible());
    EXPECT_FALSE(d.singleField()->isVisible());
    files.opens.push_back("/home/user/Music/Evening playlist.mp3");
    const auto& browse = km::kAdvancedRegions[km::kRowBrowse];
    d.controller().release(browse.left + 5, browse.top + 5);
    d.controller().hover(km::kAdvancedRegions[7].left + 5, km::kAdvancedRegions[7].top + 5);
    clickButton(d, km::kDisableBox);
    save(d, QStringLiteral("3-advanced"));
    d.reject();
    EXPECT_FALSE(hook.installed());
}

INSTANTIATE_TEST_SUITE_P(Languages, KeyMapScreenshotsTest, ::testing::Bool());

} // namespace
} // namespace vantrel::ui::testing
