// SPDX-License-Identifier: MIT
// The key assignment dialog without a screen: what it opens on, the key
// capture and its two fields, the tabs and their record changes, and what
// each way of closing leaves for the commit.
#include "../in_language.h"
#include "core/model/assignment_parser.h"
#include "keymap_fixture.h"

namespace vantrel::ui::testing {
namespace {

using K = AssignmentKind;

TEST_F(KeyMapControllerTest, StoredCombinationOpensOnTheKeyTabAndSavesTheSameKeys) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    auto& r = record(kF1Key);
    r.setKind(K::Combination);
    r.data()[0] = 0xA2; // LCtrl
    r.data()[1] = 0x43; // C
    r.setKeyCount(2);
    openOn(kF1Key);
    EXPECT_EQ(controller->tab(), 0);
    EXPECT_EQ(view.tab, 0);
    EXPECT_EQ(view.fields[KeyMapView::kComboField], QStringLiteral("LCtrl + C "));
    EXPECT_EQ(view.fields[KeyMapView::kSingleField], QString());
    EXPECT_EQ(view.focused, KeyMapView::kComboField);
    EXPECT_EQ(controller->title(), QStringLiteral("выбранная клавиша:F1 "));

    click(km::kSave);
    ASSERT_EQ(host.finished, true);
    EXPECT_EQ(kind(), kindOf(K::Combination));
    EXPECT_EQ(pending.PendingKeyCount, 2);
    ASSERT_TRUE(commit().ok());
    EXPECT_EQ(entry(kF1Key), (std::vector<std::uint8_t>{0x00, 0xE0, 0x06, 0x00}));
    EXPECT_EQ(record(kF1Key).kind(), kindOf(K::Combination));
    EXPECT_EQ(record(kF1Key).data()[0], 0xA2);
    EXPECT_EQ(record(kF1Key).data()[1], 0x43);
    EXPECT_EQ(record(kF1Key).keyCount(), 2);
    EXPECT_TRUE(model.marks().marked(kF1Key));
}

TEST_F(KeyMapControllerTest, StoredSingleKeySurvivesTheOpeningFocus) {
    record(kEscKey).data()[0] = 0x42; // B
    record(kEscKey).setKeyCount(1);
    openOn(kEscKey);
    EXPECT_EQ(view.fields[KeyMapView::kSingleField], QStringLiteral("B "));
    EXPECT_EQ(view.focused, KeyMapView::kSingleField);
    // The window activated again: the same field gets the focus once more.
    controller->fieldFocused(KeyMapView::kSingleField);
    click(km::kSave);
    EXPECT_EQ(kind(), kindOf(K::SingleKey));
    EXPECT_EQ(pending.PendingKeyCount, 1);
    EXPECT_EQ(pending.PendingKeys[0], 0x42);
}

TEST_F(KeyMapControllerTest, SingleFieldKeepsTheLastKeyAndCombinationStartsAgainAtTheFourth) {
    openOn(kEscKey); // a default key: the single field takes the focus
    ASSERT_EQ(view.focused, KeyMapView::kSingleField);
    press(0x41);
    press(0x42);
    EXPECT_EQ(view.fields[KeyMapView::kSingleField], QStringLiteral("B "));
    EXPECT_EQ(controller->capturedCount(), 1);
    EXPECT_EQ(pending.PendingKeys[0], 0x42);
    EXPECT_EQ(pending.PendingKeys[1], 0);

    view.focusField(KeyMapView::kComboField);
    EXPECT_EQ(kind(), kindOf(K::Combination));
    EXPECT_EQ(view.fields[KeyMapView::kSingleField], QString()) << "moving empties the other field";
    EXPECT_EQ(controller->capturedCount(), 0);
    press(0x41);
    press(0x42);
    press(0x43);
    EXPECT_EQ(view.fields[KeyMapView::kComboField], QStringLiteral("A + B + C "));
    EXPECT_EQ(pending.PendingKeyCount, 3);
    press(0x44);
    EXPECT_EQ(view.fields[KeyMapView::kComboField], QStringLiteral("D "));
    EXPECT_EQ(pending.PendingKeyCount, 1);
    EXPECT_EQ(pending.PendingKeys[0], 0x44);
    EXPECT_EQ(pending.PendingKeys[1], 0);

    view.focusField(KeyMapView::kSingleField);
    EXPECT_EQ(kind(), kindOf(K::SingleKey));
    EXPECT_EQ(view.fields[KeyMapView::kComboField], QString());
    EXPECT_EQ(controller->capturedCount(), 0);
    EXPECT_EQ(pending.PendingKeys[0], 0);
}

TEST_F(KeyMapControllerTest, SaveWithNothingCapturedGivesNone) {
    openOn(kEscKey);
    click(km::kSave);
    EXPECT_EQ(host.finished, true);
    EXPECT_EQ(kind(), kindOf(K::None));
    // Nor does an empty combination field name anything.
    openOn(kEscKey);
    view.focusField(KeyMapView::kComboField);
    press(0x41);
    controller->deleteAll();
    EXPECT_EQ(view.fields[KeyMapView::kComboField], QString());
    click(km::kSave);
    EXPECT_EQ(kind(), kindOf(K::None));
    EXPECT_EQ(pending.PendingKeyCount, 0);
}

TEST_F(KeyMapControllerTest, KeysAreTakenOnlyWithTheCaptureAndOnlyWhenAssignable) {
    openOn(kEscKey);
    controller->setHookInstalled(false);
    press(0x41);
    EXPECT_EQ(controller->capturedCount(), 0);
    controller->setHookInstalled(true);
    press(0xB0); // next track: the keyboard has no code for it
    press(0x07); // no key at all
    EXPECT_EQ(controller->capturedCount(), 0);
    EXPECT_EQ(view.fields[KeyMapView::kSingleField], QString());
    // A key's own code stands for "as it was", even without a name.
    openOn(kGmodeKey);
    press(0xE2);
    EXPECT_EQ(controller->capturedCount(), 1);
    view.focusField(KeyMapView::kComboField);
    press(0xE2);
    EXPECT_EQ(controller->capturedCount(), 0) << "but it cannot be part of a combination";
    // Keys pressed while another tab is shown go nowhere.
    click(km::kTabMacro);
    press(0x41);
    EXPECT_EQ(controller->capturedCount(), 0);
}

TEST_F(KeyMapControllerTest, EnteringTheKeyOrAdvancedTabResetsTheRecordAtOnce) {
    auto& r = record(kF1Key);
    r.setKind(K::Macro);
    r.data()[0] = 4;
    r.data()[1] = 1;
    r.data()[2] = 0;
    r.setKeyCount(1);
    ASSERT_TRUE(addMacro(model.macros(), u"Macro_001", 1, false, clickA()).ok());
    openOn(kF1Key);
    EXPECT_EQ(controller->tab(), 1);
    EXPECT_EQ(view.macroLine, 0);
    EXPECT_EQ(view.macroLines, QStringList{QStringLiteral("Macro_001")});

    click(km::kTabKeys);
    EXPECT_EQ(controller->tab(), 0);
    EXPECT_EQ(r.kind(), kindOf(K::SingleKey));
    EXPECT_EQ(r.keyCount(), 0);
    EXPECT_EQ(r.data()[0], 0);
    EXPECT_EQ(r.ownKey(), 0x70);
    EXPECT_EQ(kind(), kindOf(K::SingleKey));
    EXPECT_EQ(view.focused, KeyMapView::kSingleField);

    click(km::kTabAdvanced);
    EXPECT_EQ(r.kind(), kindOf(K::Cleared));
    EXPECT_EQ(kind(), kindOf(K::None)) << "no row chosen yet";
    EXPECT_EQ(controller->advancedChoice(), KeyMapController::kNoChoice);
    // Clicking the tab that is shown changes nothing.
    r.data()[0] = 9;
    click(km::kTabAdvanced);
    EXPECT_EQ(r.data()[0], 9);
}

TEST_F(KeyMapControllerTest, MacroTabSavesTheSelectedLineOrNoneWithTheKeyEnabled) {
    ASSERT_TRUE(addMacro(model.macros(), u"one", 1, false, clickA()).ok());
    ASSERT_TRUE(addMacro(model.macros(), u"two", 1, false, clickA()).ok());
    openOn(kEscKey);
    click(km::kTabMacro);
    click(km::kDisableBox);
    ASSERT_TRUE(controller->disableToggle());
    click(km::kSave);
    EXPECT_EQ(kind(), kindOf(K::None));
    EXPECT_EQ(pending.PendingKeyEnabled, 1);

    openOn(kEscKey);
    click(km::kTabMacro);
    click(km::kDisableBox);
    controller->macroSelected(1);
    click(km::kSave);
    EXPECT_EQ(kind(), kindOf(K::Macro));
    EXPECT_EQ(pending.PendingMacro, 1);
    EXPECT_EQ(pending.PendingKeyEnabled, 0);
    ASSERT_TRUE(commit().ok());
    EXPECT_EQ(entry(kEscKey), (std::vector<std::uint8_t>{4, 1, 1, 0}));
    EXPECT_FALSE(model.image().keyEnabled(KeyPositionEnableBit(kEscKey)));
}

TEST_F(KeyMapControllerTest, GroupHeaderOrNoItemKeepsTheBasicTabOpen) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    openOn(kEscKey);
    click(km::kTabBasic);
    controller->functionSelected(functionRow("мультимедиа"));
    click(km::kSave);
    EXPECT_FALSE(host.finished);
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_EQ(host.informs[0], QStringLiteral("Выберите подпункт"));
    EXPECT_EQ(view.suspends, 1) << "the message needs the keyboard";
    EXPECT_EQ(view.resumes, 1);
    controller->functionSelected(-1);
    click(km::kSave);
    EXPECT_FALSE(host.finished);
    EXPECT_EQ(host.informs.size(), 2u);

    controller->functionSelected(functionRow("Vol+"));
    click(km::kSave);
    EXPECT_EQ(host.finished, true);
    EXPECT_EQ(kind(), kindOf(K::BasicFunction));
    EXPECT_EQ(pending.PendingFunctionName, "Vol+");
    ASSERT_TRUE(commit().ok());
    EXPECT_EQ(entry(kEscKey), (std::vector<std::uint8_t>{3, 0, 0xE9, 0}));
}

TEST_F(KeyMapControllerTest, ChineseInterfaceNamesItsGroupsAndMessage) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::chineseInterface());
    useLanguage(UiLanguage::chineseInterface());
    openOn(kEscKey);
    EXPECT_EQ(controller->title(), QStringLiteral("当前按键:Esc "));
    click(km::kTabBasic);
    controller->functionSelected(2); // 多媒体
    click(km::kSave);
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_EQ(host.informs[0], QStringLiteral("請選擇子項"));
    controller->functionSelected(10); // 静音
    click(km::kSave);
    EXPECT_EQ(pending.PendingFunctionName, "静音");
    ASSERT_TRUE(commit().ok());
    EXPECT_EQ(entry(kEscKey), (std::vector<std::uint8_t>{3, 0, 0xE2, 0}));
}

TEST_F(KeyMapControllerTest, StoredBasicFunctionOpensItsRow) {
    auto& r = record(kEscKey);
    r.setKind(K::BasicFunction);
    const std::uint8_t volUp[] = {3, 0, 0xE9, 0};
    std::copy(std::begin(volUp), std::end(volUp), r.data().begin());
    openOn(kEscKey);
    EXPECT_EQ(controller->tab(), 2);
    EXPECT_EQ(view.function, functionRow("Vol+"));
    EXPECT_EQ(pending.PendingFunctionName, "Vol+");
    // A row that matches nothing opens with no selection and no name.
    r.data()[2] = 0x77;
    openOn(kEscKey);
    EXPECT_EQ(view.function, -1);
    EXPECT_EQ(pending.PendingFunctionName, "");
}

TEST_F(KeyMapControllerTest, DefaultGivesCount255OnEveryTab) {
    for (int button : {km::kTabKeys, km::kTabMacro, km::kTabBasic, km::kTabAdvanced}) {
        host.finished.reset();
        openOn(kEscKey);
        click(button);
        click(km::kDefault);
        EXPECT_EQ(pending.PendingKeyCount, kRestoreDefaultKeyCount) << "tab button " << button;
        EXPECT_EQ(host.finished, true);
    }
    // The default enables a key that was disabled and the box ticked.
    model.image().setKeyEnabled(KeyPositionEnableBit(kEscKey), false);
    openOn(kEscKey);
    EXPECT_TRUE(controller->disableToggle());
    EXPECT_EQ(pending.PendingKeyEnabled, 0);
    click(km::kDefault);
    ASSERT_TRUE(commit().ok());
    EXPECT_TRUE(model.image().keyEnabled(KeyPositionEnableBit(kEscKey)));
    EXPECT_FALSE(model.marks().marked(kEscKey));
}

TEST_F(KeyMapControllerTest, DisableBoxAnswersFivePixelsAround) {
    openOn(kEscKey);
    const auto& box = km::kButtonRegions[km::kDisableBox];
    click(QPoint(box.left - 5, box.top - 5));
    EXPECT_TRUE(controller->disableToggle());
    click(QPoint(box.right + 5, box.bottom + 5));
    EXPECT_FALSE(controller->disableToggle());
    click(QPoint(box.left - 6, box.top));
    EXPECT_FALSE(controller->disableToggle());
    // Ticked, a key assignment disables the key and marks it.
    click(km::kDisableBox);
    press(0x41);
    click(km::kSave);
    EXPECT_EQ(pending.PendingKeyEnabled, 0);
    ASSERT_TRUE(commit().ok());
    EXPECT_FALSE(model.image().keyEnabled(KeyPositionEnableBit(kEscKey)));
    EXPECT_TRUE(model.marks().marked(kEscKey));
    EXPECT_EQ(entry(kEscKey), (std::vector<std::uint8_t>{0, 0, 0x04, 0}));
}

TEST_F(KeyMapControllerTest, CancelAndCloseBoxEndWithoutAChoice) {
    openOn(kEscKey);
    press(0x41);
    click(km::kCancel);
    EXPECT_EQ(host.finished, false);
    EXPECT_EQ(pending.PendingKeys[0], 0);
    EXPECT_EQ(pending.PendingKeyCount, 0);
    host.finished.reset();
    openOn(kEscKey);
    click(km::kCloseBox);
    EXPECT_EQ(host.finished, false);
    // Escape is the Cancel button.
    host.finished.reset();
    openOn(kEscKey);
    press(0x41);
    EXPECT_TRUE(controller->escape());
    EXPECT_EQ(host.finished, false);
    EXPECT_EQ(pending.PendingKeyCount, 0);
}

TEST_F(KeyMapControllerTest, TheWindowAndTheCommandLineWriteTheSameBytes) {
    struct Case {
        std::vector<std::string> words;
        std::function<void()> choose;
    };
    const std::vector<Case> cases = {
        {{"key", "B"}, [&] { press(0x42); }},
        {{"combo", "LCtrl+C"},
         [&] {
             view.focusField(KeyMapView::kComboField);
             press(0xA2);
             press(0x43);
         }},
        {{"function", "mute"},
         [&] {
             click(km::kTabBasic);
             controller->functionSelected(functionRow("Без звука"));
         }},
        {{"default"}, [&] { click(km::kDefault); }},
    };
    for (const Case& c : cases) {
        ConfiguratorModel cli = model;
        openOn(kF1Key);
        c.choose();
        if (pending.PendingKeyCount != kRestoreDefaultKeyCount) {
            click(km::kSave);
        }
        ASSERT_TRUE(commit().ok());
        auto parsed = parseAssignmentTarget(c.words, cli.keyNames(), cli.macros(), kF1Key, {});
        ASSERT_TRUE(parsed.ok()) << c.words[0];
        ASSERT_TRUE(assignKey(cli, *parsed, dir / "cli.bin").ok());
        EXPECT_TRUE(cli.image() == model.image()) << c.words[0];
        EXPECT_TRUE(cli.assignments()[kF1Key] == model.assignments()[kF1Key]) << c.words[0];
        EXPECT_EQ(cli.marks().bytes(), model.marks().bytes()) << c.words[0];
    }
}

} // namespace
} // namespace vantrel::ui::testing
