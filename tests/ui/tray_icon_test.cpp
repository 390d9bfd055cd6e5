// SPDX-License-Identifier: MIT
#include "ui/tray_icon.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

struct Calls {
    bool present = false;
    int shown = 0, about = 0, quit = 0;
};

TrayIcon::Actions actionsFor(Calls& c) {
    return {[&c] { return c.present; }, [&c] { ++c.shown; }, [&c] { ++c.about; },
            [&c] { ++c.quit; }};
}

TEST(TrayIcon, MenuOffersAboutAndExitInRussianNeverExit) {
    Calls calls;
    TrayIcon tray(QIcon(), actionsFor(calls));
    QStringList texts;
    for (QAction* a : tray.menu()->actions()) {
        if (!a->isSeparator()) {
            texts << a->text();
        }
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("About Quendal..."), QStringLiteral("Выход")}));
    EXPECT_FALSE(texts.contains(QStringLiteral("Exit")));
    tray.menu()->actions().last()->trigger();
    EXPECT_EQ(calls.quit, 1);
    tray.menu()->actions().first()->trigger();
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
    EXPECT_STREQ(TrayIcon::kBalloonText, "Нет игровой клавиатуры!");
    EXPECT_STREQ(TrayIcon::kBalloonTitle, "Внимание");
}

} // namespace
} // namespace vantrel::ui
