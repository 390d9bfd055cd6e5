// SPDX-License-Identifier: MIT
#include "in_language.h"
#include "support/temp_dir.h"
#include "ui/keyboard_notice.h"
#include "ui/tray_icon.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <fstream>
#ifdef _WIN32
#include <random>
#include <windows.h>
#endif
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

struct Calls {
    bool present = false;
    int shown = 0, about = 0, quit = 0;
};

TrayIcon::Actions actionsFor(Calls& c, platform::AutostartEntry* autostart = nullptr) {
    return {[&c] { return c.present; },
            [&c] { ++c.shown; },
            [&c] { ++c.about; },
            [&c] { ++c.quit; },
            autostart,
#ifdef _WIN32
            // A Run value counts only while it names a program that is there.
            std::filesystem::path(QCoreApplication::applicationFilePath().toStdWString()),
#else
            "/usr/bin/vantrel",
#endif
            {}};
}

QStringList menuTexts(const TrayIcon& tray) {
    QStringList texts;
    for (QAction* a : tray.menu()->actions()) {
        if (!a->isSeparator()) {
            texts << a->text();
        }
    }
    return texts;
}

TEST(TrayIcon, MenuOffersTheWindowAboutAndExitInRussianNeverExit) {
    const testing::InLanguage russian(UiLanguage::russianInterface());
    Calls calls;
    TrayIcon tray(QIcon(), actionsFor(calls), russian.language);
    const QStringList texts = menuTexts(tray);
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Показать окно"),
                                  QStringLiteral("About Quendal..."), QStringLiteral("Выход")}));
    EXPECT_FALSE(texts.contains(QStringLiteral("Exit")));
    tray.menu()->actions().last()->trigger();
    EXPECT_EQ(calls.quit, 1);
    tray.menu()->actions().first()->trigger(); // shown even without a keyboard
    EXPECT_EQ(calls.shown, 1);
    tray.menu()->actions()[2]->trigger();
    EXPECT_EQ(calls.about, 1);
    EXPECT_EQ(tray.icon().toolTip(), QStringLiteral("VANTREL"));
}

TEST(TrayIcon, DoubleClickShowsTheWindowOnlyWithTheKeyboard) {
    Calls calls;
    TrayIcon tray(QIcon(), actionsFor(calls));
    tray.doubleClicked(); // no keyboard: the balloon, not the window
    EXPECT_EQ(calls.shown, 0);
    calls.present = true;
    tray.doubleClicked();
    EXPECT_EQ(calls.shown, 1);
}

TEST(TrayIcon, ASingleClickAsStatusNotifierTraysReportItShowsTheWindowLikeADoubleClick) {
    Calls calls;
    calls.present = true;
    TrayIcon tray(QIcon(), actionsFor(calls));
    emit tray.icon().activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(calls.shown, 1);
    emit tray.icon().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(calls.shown, 2);
    emit tray.icon().activated(QSystemTrayIcon::MiddleClick);
    emit tray.icon().activated(QSystemTrayIcon::Context); // the menu, not the window
    EXPECT_EQ(calls.shown, 2);
}

TEST(TrayIcon, LanguageMenuNamesEachLanguageInItselfAndHandsOverTheChoice) {
    Calls calls;
    TrayIcon::Actions actions = actionsFor(calls);
    std::vector<UiLanguage> chosen;
    actions.chooseLanguage = [&chosen](UiLanguage l) { chosen.push_back(l); };
    const testing::InLanguage russian(UiLanguage::russianInterface());
    TrayIcon tray(QIcon(), actions, russian.language);
    EXPECT_TRUE(menuTexts(tray).contains(QStringLiteral("Язык")));
    const auto& items = tray.languageActions();
    ASSERT_EQ(items.size(), 11);
    QStringList names;
    for (const QAction* item : items) {
        names << item->text();
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("English"), QStringLiteral("Русский"),
                                  QStringLiteral("中文"), QStringLiteral("Deutsch"),
                                  QStringLiteral("Français"), QStringLiteral("Español"),
                                  QStringLiteral("Português (Brasil)"), QStringLiteral("Polski"),
                                  QStringLiteral("Українська"), QStringLiteral("日本語"),
                                  QStringLiteral("한국어")}));
    items[9]->trigger();
    EXPECT_EQ(chosen.back(), UiLanguage(UiLanguage::kJapanese));
    items[1]->trigger();
    chosen.clear();
    EXPECT_FALSE(items[0]->isChecked());
    EXPECT_TRUE(items[1]->isChecked());
    items[2]->trigger();
    EXPECT_EQ(chosen, std::vector<UiLanguage>{UiLanguage::chineseInterface()});
    EXPECT_TRUE(items[2]->isChecked());
    EXPECT_FALSE(items[1]->isChecked()) << "one language at a time";
    // Without a way to keep the choice there is no menu to offer it.
    TrayIcon plain(QIcon(), actionsFor(calls), russian.language);
    EXPECT_TRUE(plain.languageActions().isEmpty());
}

// An autostart entry of the test's own: a file in a temporary folder, or on
// Windows a Run value under a key of its own, removed at the end.
struct TestAutostart {
    vantrel::testing::TempDir dir;
#ifdef _WIN32
    std::wstring root = L"Software\\VantrelTests-" + std::to_wstring(std::random_device{}());
    platform::AutostartEntry entry{root + L"\\Run", root + L"\\StartupApproved", L"Vantrel"};
    ~TestAutostart() {
        RegDeleteTreeW(HKEY_CURRENT_USER, root.c_str());
    }
#else
    platform::AutostartEntry entry{dir / "autostart" / "vantrel.desktop"};
#endif
    // A program that is there, for an entry that names one.
    std::filesystem::path program() const {
        const auto file = dir / "vantrel.exe";
        std::ofstream(file) << "x";
        return file;
    }
};

TEST(TrayIcon, StartOnLoginWritesAndRemovesTheAutostartEntryAndShowsItsState) {
    const testing::InLanguage russian(UiLanguage::russianInterface());
    TestAutostart autostart;
    platform::AutostartEntry& entry = autostart.entry;
    Calls calls;
    TrayIcon tray(QIcon(), actionsFor(calls, &entry), russian.language);
    EXPECT_EQ(menuTexts(tray)[1], QStringLiteral("Запускать при входе"));
    QAction* item = tray.startOnLoginAction();
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(entry.enabled());
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(entry.enabled());
    EXPECT_FALSE(item->isChecked());
    // Switched on elsewhere: the menu says so when it opens.
    const auto program = autostart.program();
    ASSERT_TRUE(entry.enable(program).ok());
    ASSERT_TRUE(std::filesystem::is_regular_file(program)) << program;
    emit tray.menu()->aboutToShow();
    EXPECT_TRUE(item->isChecked());
}

#ifndef _WIN32 // a file where a folder should be; the registry has no such case
TEST(TrayIcon, StartOnLoginThatCannotBeWrittenStaysOff) {
    vantrel::testing::TempDir dir;
    // A file where the autostart folder should be.
    std::ofstream(dir / "autostart") << "x";
    platform::AutostartEntry entry(dir / "autostart" / "vantrel.desktop");
    Calls calls;
    TrayIcon tray(QIcon(), actionsFor(calls, &entry));
    tray.startOnLoginAction()->trigger();
    EXPECT_FALSE(tray.startOnLoginAction()->isChecked());
    EXPECT_FALSE(entry.enabled());
}
#endif

TEST(TrayIcon, ChineseMenuTexts) {
    Calls calls;
    TestAutostart autostart;
    platform::AutostartEntry& entry = autostart.entry;
    const testing::InLanguage chinese(UiLanguage::chineseInterface());
    TrayIcon tray(QIcon(), actionsFor(calls, &entry), chinese.language);
    EXPECT_EQ(menuTexts(tray)[0], QStringLiteral("显示窗口"));
    EXPECT_EQ(menuTexts(tray)[1], QStringLiteral("登录时启动"));
    EXPECT_EQ(menuTexts(tray).last(), QStringLiteral("退出"));
}

TEST(KeyboardNotice, NoKeyboardAndNoAccessAreToldApartAndTheRuleIsNamedWhereItIsInstalled) {
    const QString missing = simulationNotice(false);
    const QString closed = simulationNotice(true);
    EXPECT_NE(missing, closed);
#ifdef _WIN32 // no rule to install: another program is what holds the keyboard
    EXPECT_FALSE(closed.contains(QStringLiteral("udev")));
    EXPECT_TRUE(closed.contains(QStringLiteral("another program")));
    return;
#endif
    EXPECT_TRUE(closed.contains(QStringLiteral("udev")));
    EXPECT_TRUE(closed.contains(installedUdevRulePath()));
    EXPECT_TRUE(installedUdevRulePath().startsWith(QLatin1Char('/')));
    EXPECT_TRUE(installedUdevRulePath().endsWith(QStringLiteral("/rules.d/70-vantrel.rules")));
    EXPECT_FALSE(closed.contains(QStringLiteral("packaging")));
    const testing::InLanguage chinese(UiLanguage::chineseInterface());
    EXPECT_TRUE(simulationNotice(true).contains(installedUdevRulePath()));
    EXPECT_TRUE(simulationNotice(true).contains(QStringLiteral("udev")));
}

} // namespace
} // namespace vantrel::ui
