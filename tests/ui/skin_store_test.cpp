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

} // namespace
} // namespace vantrel::ui
