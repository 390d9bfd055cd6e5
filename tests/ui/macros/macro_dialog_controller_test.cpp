// SPDX-License-Identifier: MIT
#include "../in_language.h"
#include "core/layout/macro_dialog_layout.h"
#include "core/macro/macro_list.h"
#include "macro_fakes.h"
#include "support/temp_dir.h"
#include "ui/macros/macro_dialog_controller.h"
#include "ui/macros/macro_menu.h"
#include "ui/skin/skin_painter.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace vantrel::ui::testing {
namespace {

namespace md = vantrel::layout::macro_dialog;
constexpr std::uint8_t kA = 0x41, kB = 0x42;

class MacroControllerTest : public ::testing::Test {
protected:
    explicit MacroControllerTest(UiLanguage language = UiLanguage{})
        : controller(names, clock.clock(), painter, language, hook, host) {
        controller.setWidgets(&widgets);
    }
    void click(int area) {
        const QPoint at = centreOfArea(area);
        controller.release(at.x(), at.y());
    }
    // A new macro with A pressed and, 250 ms later, released.
    void recordA(bool delays) {
        click(md::kNew);
        if (delays) {
            click(md::kRecordDelays);
        }
        click(md::kRecord);
        hook.key(kA, false);
        clock.after(250);
        hook.key(kA, true);
        click(md::kRecord);
    }

    vantrel::testing::TempDir dir;
    SkinStore skins{dir.path()};
    SkinPainter painter{skins};
    KeyNameTable names = BuildKeyNameTable();
    FakeClock clock;
    FakeKeyHook hook;
    FakeMacroHost host;
    FakeMacroWidgets widgets;
    MacroDialogController controller;
};

class ChineseMacroControllerTest : public MacroControllerTest {
protected:
    ChineseMacroControllerTest() : MacroControllerTest(UiLanguage::chineseInterface()) {}
};

TEST_F(MacroControllerTest, RecordInstallsTheHookInRecordingModeAndStopRemovesIt) {
    controller.open(MacroTable{});
    click(md::kNew);
    EXPECT_EQ(widgets.macros, QStringList{QStringLiteral("Macro_001")});
    click(md::kRecord);
    ASSERT_TRUE(hook.installed());
    EXPECT_EQ(hook.mode, KeyHook::kPressesAndReleases);
    hook.key(kA, false);
    clock.after(250);
    hook.key(kA, true);
    EXPECT_EQ(widgets.events, (QStringList{QStringLiteral("A  dn"), QStringLiteral("A  up")}))
        << "delays off: no delay lines";
    click(md::kRecord);
    EXPECT_FALSE(hook.installed());
    EXPECT_EQ(hook.removes, 1);
    const auto& dev = controller.manager().working()[0].deviceEvents();
    EXPECT_EQ(std::vector<std::uint8_t>(dev.begin(), dev.begin() + 5),
              (std::vector<std::uint8_t>{0x01, 0x04, 0x81, 0x04, 0}));
}

TEST_F(MacroControllerTest, DelaysOnShowTheMeasuredDelay) {
    controller.open(MacroTable{});
    recordA(true);
    EXPECT_EQ(widgets.events, (QStringList{QStringLiteral("A  dn"), QStringLiteral("250 ms"),
                                           QStringLiteral("A  up")}));
    const auto& dev = controller.manager().working()[0].deviceEvents();
    EXPECT_EQ(std::vector<std::uint8_t>(dev.begin(), dev.begin() + 6),
              (std::vector<std::uint8_t>{0x01, 0x04, 0xFF, 0x04, 0x00, 0xFA}));
    EXPECT_TRUE(controller.manager().working()[0].recordDelays());
}

TEST_F(MacroControllerTest, RecordWithoutAMacroSaysSo) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    controller.open(MacroTable{});
    click(md::kRecord);
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_EQ(host.informs[0], QStringLiteral("Выбрать файл макроса для записи\n"));
    EXPECT_EQ(host.captions[0], QStringLiteral("Управление макросами"));
    EXPECT_EQ(hook.installs, 0);
}

TEST_F(ChineseMacroControllerTest, MessagesInChinese) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::chineseInterface());
    controller.open(MacroTable{});
    click(md::kRecord);
    click(md::kDelete);
    ASSERT_EQ(host.informs.size(), 2u);
    EXPECT_EQ(host.informs[0], QString::fromUtf8("請選擇一個宏指令文件錄製"));
    EXPECT_EQ(host.captions[0], QString::fromUtf8("宏管理器"));
    EXPECT_EQ(host.informs[1], QString::fromUtf8("請選擇一個宏指令文件刪除"));
    EXPECT_EQ(host.captions[1], QString::fromUtf8("宏管理"));
    EXPECT_EQ(macroEventMenu(UiLanguage::chineseInterface())[0].text,
              QString::fromUtf8("在之前開始錄入"));
}

TEST_F(MacroControllerTest, AHookThatCannotBeInstalledIsToldAndNothingRecords) {
    hook.fail = true;
    controller.open(MacroTable{});
    click(md::kNew);
    click(md::kRecord);
    EXPECT_FALSE(controller.manager().events().recording());
    EXPECT_FALSE(controller.hookInstalled());
    ASSERT_EQ(host.informs.size(), 1u);
    hook.fail = false;
    click(md::kRecord); // a second try installs it
    EXPECT_TRUE(hook.installed());
}

TEST_F(MacroControllerTest, DeleteAsksFirstAndEndsTheRecording) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    MacroTable t;
    ASSERT_TRUE(addMacro(t, u"a", 1, false, MacroStreams{}).ok());
    controller.open(t);
    click(md::kRecord);
    host.answer = false;
    bool hookedWhileAsking = true;
    host.whileOpen = [&] { hookedWhileAsking = hook.installed(); };
    click(md::kDelete);
    EXPECT_FALSE(hookedWhileAsking) << "the answer's keys are not recorded";
    EXPECT_EQ(host.confirms, std::vector<QString>{QStringLiteral("Удалить выбранный макрос?")});
    EXPECT_EQ(widgets.macros.size(), 1);
    EXPECT_TRUE(hook.installed()) << "nothing changed";
    host.answer = true;
    click(md::kDelete);
    EXPECT_TRUE(widgets.macros.isEmpty());
    EXPECT_EQ(widgets.macroSelected, -1);
    EXPECT_FALSE(hook.installed());
}

TEST_F(MacroControllerTest, NewRemovesTheHook) {
    controller.open(MacroTable{});
    click(md::kNew);
    click(md::kRecord);
    click(md::kNew);
    EXPECT_FALSE(hook.installed());
    EXPECT_TRUE(widgets.events.isEmpty());
}

TEST_F(MacroControllerTest, OkCancelAndTheCloseBox) {
    controller.open(MacroTable{});
    click(md::kNew);
    click(md::kRecord);
    click(md::kCloseBox);
    EXPECT_EQ(host.finished, std::vector<bool>{true});
    EXPECT_FALSE(controller.tableKept()) << "the close box keeps the master table";
    EXPECT_FALSE(hook.installed());

    controller.open(MacroTable{});
    click(md::kNew);
    click(md::kRecord);
    click(md::kCancel);
    EXPECT_EQ(host.finished.back(), false);
    EXPECT_FALSE(hook.installed());

    controller.open(MacroTable{});
    click(md::kNew);
    click(md::kRecord);
    click(md::kOk);
    EXPECT_EQ(host.finished.back(), true);
    EXPECT_TRUE(controller.tableKept());
    EXPECT_FALSE(hook.installed());
    EXPECT_EQ(usedMacroCount(controller.manager().working()), 1u);
}

TEST_F(MacroControllerTest, TheLoopOptionSetsOneWhenUnticked) {
    MacroTable t;
    ASSERT_TRUE(addMacro(t, u"a", 7, false, MacroStreams{}).ok());
    controller.open(t);
    EXPECT_TRUE(widgets.loopEnabled);
    EXPECT_EQ(widgets.loopText, QStringLiteral("7"));
    click(md::kLoop);
    EXPECT_FALSE(widgets.loopEnabled);
    EXPECT_EQ(widgets.loopText, QStringLiteral("1"));
    EXPECT_EQ(controller.manager().working()[0].loopCount(), 1);
    click(md::kLoop);
    controller.loopTextChanged(QStringLiteral("0"));
    EXPECT_EQ(widgets.loopText, QStringLiteral("1")) << "0 reads as 1";
    controller.loopTextChanged(QStringLiteral("42"));
    EXPECT_EQ(controller.manager().working()[0].loopCount(), 42);
}

TEST_F(MacroControllerTest, NamesOverTheLimitAreRefusedWithAMessage) {
    controller.open(MacroTable{});
    click(md::kNew);
    EXPECT_FALSE(controller.acceptName(QString(255, QLatin1Char('n'))));
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_TRUE(host.informs[0].contains(QStringLiteral("255")));
    EXPECT_TRUE(controller.acceptName(QString(254, QLatin1Char('n'))));
    controller.renamed(0, QString(254, QLatin1Char('n')));
    controller.tick();
    EXPECT_EQ(controller.manager().working()[0].name().size(), 254u);
}

TEST_F(MacroControllerTest, MenuCommandsOnTheSelectedLine) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    controller.open(MacroTable{});
    recordA(true);
    controller.selectEventLine(1);
    controller.command(macro_menu::kInsertDelay);
    EXPECT_EQ(host.informs,
              std::vector<QString>{QStringLiteral("Измените текущее значение задержки")});
    controller.selectEventLine(0);
    controller.command(macro_menu::kLeftClick);
    EXPECT_EQ(widgets.events, (QStringList{QStringLiteral("A  dn"), QStringLiteral("MsLB dn"),
                                           QStringLiteral("MsLB up"), QStringLiteral("250 ms"),
                                           QStringLiteral("A  up")}));
    const auto& dev = controller.manager().working()[0].deviceEvents();
    EXPECT_EQ(std::vector<std::uint8_t>(dev.begin(), dev.begin() + 6),
              (std::vector<std::uint8_t>{0x01, 0x04, 0x01, 0xF0, 0x81, 0xF0}));

    controller.selectEventLine(3);
    controller.command(macro_menu::kDeleteLine);
    EXPECT_EQ(widgets.events.size(), 4) << "the delay line went";

    controller.selectEventLine(3);
    controller.command(macro_menu::kRecordAfter);
    ASSERT_TRUE(hook.installed());
    hook.stroke(kB);
    EXPECT_FALSE(hook.installed()) << "the release ends the insert-record mode";
    EXPECT_EQ(widgets.events.mid(4),
              (QStringList{QStringLiteral("B  dn"), QStringLiteral("B  up")}));
}

TEST_F(MacroControllerTest, AnInPlaceEditStopsTheRecording) {
    controller.open(MacroTable{});
    click(md::kNew);
    click(md::kRecordDelays);
    click(md::kRecord);
    hook.key(kA, false);
    clock.after(80);
    hook.key(kA, true);
    controller.editStarted();
    EXPECT_FALSE(hook.installed());
    EXPECT_FALSE(controller.manager().events().recording());
    controller.delayCommitted(1, 2);
    controller.showEvents();
    EXPECT_EQ(widgets.events[1], QStringLiteral("2 ms"));
    EXPECT_EQ(controller.manager().working()[0].deviceEvents()[2], 0x82);
}

TEST_F(MacroControllerTest, TheFaceShowsTheStateOfTheButtons) {
    controller.open(MacroTable{});
    QImage idle(controller.size(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(controller.size(), QSize(md::kWidth, md::kHeight));
    {
        QPainter p(&idle);
        controller.compose(p);
    }
    click(md::kNew);
    click(md::kRecordDelays);
    const auto& r = md::kRegions[md::kOk];
    controller.hover(r.left + 2, r.top + 2);
    QImage busy(controller.size(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&busy);
        controller.compose(p);
    }
    const auto& box = md::kRegions[md::kRecordDelays];
    EXPECT_NE(idle.pixel(box.left + 7, box.top + 7), busy.pixel(box.left + 7, box.top + 7));
    EXPECT_NE(idle.copy(r.left, r.top, r.width(), r.height()),
              busy.copy(r.left, r.top, r.width(), r.height()))
        << "the hover picture";
    EXPECT_FALSE(controller.dragsFrom(r.left, r.top));
    EXPECT_TRUE(controller.dragsFrom(200, 20));
}

} // namespace
} // namespace vantrel::ui::testing
