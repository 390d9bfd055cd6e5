// SPDX-License-Identifier: MIT
#include "support/temp_dir.h"
#include "ui/skin/skin_store.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

TEST(SkinStore, BuiltInSkinsHaveTheSizesTheWindowRelyOn) {
    SkinStore skins;
    EXPECT_GE(skins.size(QStringLiteral("main.png")).width(), 1000);
    EXPECT_GE(skins.size(QStringLiteral("main.png")).height(), 640);
    EXPECT_EQ(skins.size(QStringLiteral("Thumb.png")), QSize(15, 14));
    EXPECT_EQ(skins.size(QStringLiteral("SliderFilled.png")), QSize(220, 17));
    EXPECT_EQ(skins.size(QStringLiteral("SliderEmpty.png")), QSize(220, 17));
    EXPECT_EQ(skins.size(QStringLiteral("kb_BK.png")), skins.size(QStringLiteral("kb_hl.png")));
    for (const char* name :
         {"button-help-normal.png", "button-min-normal.png", "button-close-normal.png",
          "HelpWindow.png", "apply.png", "Config.png", "MacroButton3.png", "Light_Item.png",
          "8.png", "Direction-T-Enable.png", "Direction-L-Disable.png", "Enable.png", "Disable.png",
          "responsetime_txt.png", "reportRate_txt.png", "icon.png"}) {
        EXPECT_FALSE(skins.image(QString::fromUtf8(name)).isNull()) << name;
    }
    EXPECT_TRUE(skins.image(QStringLiteral("no-such.png")).isNull());
}

TEST(SkinStore, UsersOwnPngReplacesTheBuiltInOne) {
    vantrel::testing::TempDir dir;
    const QString folder = QString::fromStdString((dir.path() / "png" / "english").string());
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage mine(3, 2, QImage::Format_RGB32);
    mine.fill(Qt::green);
    ASSERT_TRUE(mine.save(folder + QStringLiteral("/apply.png")));
    SkinStore skins(dir.path());
    EXPECT_EQ(skins.size(QStringLiteral("apply.png")), QSize(3, 2));
    EXPECT_GE(skins.size(QStringLiteral("main.png")).width(), 1000); // others built in
}

TEST(SkinStore, DialogsReadTheirLanguagesBranchAndAUsersPictureWins) {
    vantrel::testing::TempDir dir;
    SkinStore builtIn;
    const SkinFolder english = SkinFolder::of(UiLanguage{}, QStringLiteral("Config"));
    const SkinFolder chinese =
        SkinFolder::of(UiLanguage::chineseInterface(), QStringLiteral("Config"));
    EXPECT_EQ(english.relativePath(QStringLiteral("Profile_BK.png")),
              QStringLiteral("png/english/Config/Profile_BK.png"));
    EXPECT_EQ(chinese.relativePath(QStringLiteral("Profile_BK.png")),
              QStringLiteral("png/Chinese/Config/Profile_BK.png"));
    EXPECT_EQ(SkinFolder::mainWindow().relativePath(QStringLiteral("main.png")),
              QStringLiteral("png/english/main.png"));
    // Both branches share the built-in pictures, which carry no words.
    EXPECT_FALSE(builtIn.image(english, QStringLiteral("Profile_BK.png")).isNull());
    EXPECT_EQ(builtIn.image(chinese, QStringLiteral("Profile_BK.png")).size(),
              builtIn.image(english, QStringLiteral("Profile_BK.png")).size());
    EXPECT_TRUE(builtIn.image(QStringLiteral("Profile_BK.png")).isNull())
        << "a dialog's picture is not the main window's";

    const QString mine =
        QString::fromStdString((dir.path() / "png" / "Chinese" / "Config").string());
    ASSERT_TRUE(QDir().mkpath(mine));
    QImage own(5, 4, QImage::Format_RGB32);
    own.fill(Qt::blue);
    ASSERT_TRUE(own.save(mine + QStringLiteral("/Profile_BK.png")));
    // A folder of that name is no picture.
    ASSERT_TRUE(QDir().mkpath(mine + QStringLiteral("/button-close-normal.png")));
    SkinStore user(dir.path());
    EXPECT_EQ(user.image(chinese, QStringLiteral("Profile_BK.png")).size(), QSize(5, 4));
    EXPECT_NE(user.image(english, QStringLiteral("Profile_BK.png")).size(), QSize(5, 4));
    EXPECT_FALSE(user.image(chinese, QStringLiteral("button-close-normal.png")).isNull());
}

} // namespace
} // namespace vantrel::ui
