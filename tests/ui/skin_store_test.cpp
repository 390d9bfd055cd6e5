// SPDX-License-Identifier: MIT
#include "support/temp_dir.h"
#include "ui/skin/skin_store.h"

#include <QDir>
#include <QPainter>
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

namespace vantrel::ui {
namespace {

// A picture of one colour, saved as a user's skin.
void savePicture(const QString& path, QSize size, const QColor& colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    ASSERT_TRUE(img.save(path));
}

// A picture named .png that holds another format still loads (read by its
// content once the name has failed), and so does its size.
TEST(SkinStore, AUsersPictureInAnotherFormatThanItsNameStillLoads) {
    vantrel::testing::TempDir dir;
    const QString folder = QString::fromStdString((dir.path() / "png" / "english").string());
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage mine(4, 3, QImage::Format_RGB32);
    mine.fill(Qt::red);
    ASSERT_TRUE(mine.save(folder + QStringLiteral("/apply.png"), "BMP"));
    SkinStore skins(dir.path());
    EXPECT_EQ(skins.size(QStringLiteral("apply.png")), QSize(4, 3));
    const QImage& read = skins.image(QStringLiteral("apply.png"));
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.pixel(1, 1), QColor(Qt::red).rgb());
}

// One picture always shown whole on another is kept as one: the pixels are
// those of drawing the two in turn, and an opaque result drops its alpha.
TEST(SkinStore, ALayeredPictureEqualsThePairDrawnInTurn) {
    for (const qreal scale : {1.0, 2.0}) {
        SkinStore skins;
        const QPoint at(301, 95);
        const QImage& layered = skins.layered(SkinFolder::mainWindow(), QStringLiteral("main.png"),
                                              QStringLiteral("kb_BK.png"), at, scale);
        QImage expected = skins.image(QStringLiteral("main.png")).copy();
        {
            QPainter p(&expected);
            p.drawImage(at, skins.image(QStringLiteral("kb_BK.png")));
        }
        ASSERT_EQ(layered.size(), expected.size()) << scale;
        EXPECT_EQ(layered.devicePixelRatio(), scale);
        EXPECT_EQ(layered.format(), QImage::Format_RGB888) << "main.png is opaque";
        EXPECT_EQ(layered.convertToFormat(QImage::Format_ARGB32_Premultiplied), expected) << scale;
    }
    // A user's background with a see-through pixel keeps its alpha.
    vantrel::testing::TempDir dir;
    const QString folder = QString::fromStdString((dir.path() / "png" / "english").string());
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage mine(8, 8, QImage::Format_ARGB32);
    mine.fill(Qt::blue);
    mine.setPixel(7, 7, qRgba(0, 0, 0, 0));
    ASSERT_TRUE(mine.save(folder + QStringLiteral("/main.png")));
    SkinStore skins(dir.path());
    const QImage& translucent = skins.layered(SkinFolder::mainWindow(), QStringLiteral("main.png"),
                                              QStringLiteral("Thumb.png"), {20, 20}, 1.0);
    EXPECT_EQ(translucent.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(translucent.pixel(7, 7)), 0);
    EXPECT_TRUE(skins
                    .layered(SkinFolder::mainWindow(), QStringLiteral("no-such.png"),
                             QStringLiteral("kb_BK.png"), {}, 1.0)
                    .isNull());
}

TEST(SkinScales, BuiltInSkinsComeAtTheScaleAskedForWithTheirLogicalSize) {
    SkinStore skins;
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        const QImage& main =
            skins.image(SkinFolder::mainWindow(), QStringLiteral("main.png"), scale);
        ASSERT_FALSE(main.isNull()) << scale;
        EXPECT_EQ(main.devicePixelRatio(), scale);
        EXPECT_EQ(main.size(), QSize(qRound(1000 * scale), qRound(640 * scale))) << scale;
        EXPECT_EQ(skins.size(QStringLiteral("main.png")), QSize(1000, 640)) << scale;
        const QImage& thumb =
            skins.image(SkinFolder::mainWindow(), QStringLiteral("Thumb.png"), scale);
        EXPECT_EQ(thumb.size(), QSize(qRound(15 * scale), qRound(14 * scale))) << scale;
        EXPECT_EQ(thumb.format(), QImage::Format_ARGB32_Premultiplied);
    }
}

TEST(SkinScales, TheTwoXPicturesAreDrawnAnewNotEnlarged) {
    SkinStore skins;
    const QImage one = skins.image(SkinFolder::mainWindow(), QStringLiteral("kb_BK.png"), 1.0);
    const QImage two = skins.image(SkinFolder::mainWindow(), QStringLiteral("kb_BK.png"), 2.0);
    ASSERT_EQ(two.size(), one.size() * 2);
    // Every 2 x 2 block of a merely enlarged picture is one colour.
    int uniform = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < two.height(); y += 2) {
        for (int x = 0; x + 1 < two.width(); x += 2) {
            const QRgb c = two.pixel(x, y);
            uniform += c == two.pixel(x + 1, y) && c == two.pixel(x, y + 1) &&
                       c == two.pixel(x + 1, y + 1);
            ++blocks;
        }
    }
    EXPECT_LT(uniform, blocks / 2);
}

TEST(SkinScales, OnlyThePicturesOfTheScaleInUseAreKept) {
    SkinStore skins;
    for (const char* name : {"main.png", "kb_BK.png", "kb_hl.png"}) {
        skins.image(SkinFolder::mainWindow(), QString::fromLatin1(name), 1.0);
    }
    EXPECT_EQ(skins.keptPictures(), 3u);
    // Sizes are read from the files' headers: nothing more is decoded.
    EXPECT_EQ(skins.size(QStringLiteral("apply.png")), QSize(59, 24));
    EXPECT_EQ(skins.keptPictures(), 3u);
    // The window moved to a screen at 2x.
    skins.image(SkinFolder::mainWindow(), QStringLiteral("main.png"), 2.0);
    EXPECT_EQ(skins.keptPictures(), 1u);
    EXPECT_EQ(skins.scale(), 2.0);
    EXPECT_EQ(skins.image(QStringLiteral("kb_BK.png")).devicePixelRatio(), 2.0);
}

TEST(SkinScales, AUsersPictureWinsAtEveryScaleWithOrWithoutItsOwnTwoX) {
    vantrel::testing::TempDir dir;
    const QString folder = QString::fromStdString((dir.path() / "png" / "english").string());
    ASSERT_TRUE(QDir().mkpath(folder));
    // apply.png with a 2x of its own, Config.png at 1x only, Thumb at 2x only.
    savePicture(folder + QStringLiteral("/apply.png"), QSize(3, 2), Qt::green);
    savePicture(folder + QStringLiteral("/apply@2x.png"), QSize(6, 4), Qt::blue);
    savePicture(folder + QStringLiteral("/Config.png"), QSize(4, 4), Qt::red);
    savePicture(folder + QStringLiteral("/Thumb@2x.png"), QSize(10, 8), Qt::yellow);
    SkinStore skins(dir.path());
    const SkinFolder main = SkinFolder::mainWindow();

    EXPECT_EQ(skins.image(main, QStringLiteral("apply.png"), 1.0).pixelColor(0, 0), Qt::green);
    EXPECT_EQ(skins.image(main, QStringLiteral("Config.png"), 1.0).size(), QSize(4, 4));
    const QImage& smallThumb = skins.image(main, QStringLiteral("Thumb.png"), 1.0);
    EXPECT_EQ(smallThumb.size(), QSize(5, 4));
    EXPECT_EQ(smallThumb.pixelColor(2, 2), Qt::yellow);

    const QImage& apply = skins.image(main, QStringLiteral("apply.png"), 2.0);
    EXPECT_EQ(apply.size(), QSize(6, 4));
    EXPECT_EQ(apply.pixelColor(0, 0), Qt::blue);
    EXPECT_EQ(skins.size(QStringLiteral("apply.png")), QSize(3, 2));
    // Not our built-in 2x picture: the user's own, enlarged.
    const QImage& config = skins.image(main, QStringLiteral("Config.png"), 2.0);
    EXPECT_EQ(config.size(), QSize(8, 8));
    EXPECT_EQ(config.pixelColor(3, 3), Qt::red);
    EXPECT_EQ(skins.size(QStringLiteral("Config.png")), QSize(4, 4));
    EXPECT_EQ(skins.size(QStringLiteral("Thumb.png")), QSize(5, 4));
    // Between the two: from the user's 2x.
    EXPECT_EQ(skins.image(main, QStringLiteral("apply.png"), 1.5).pixelColor(2, 1), Qt::blue);
}

TEST(SkinScales, IconsCarryEveryScaleThereIs) {
    SkinStore skins;
    const QIcon tree = skins.icon(SkinFolder::of(UiLanguage{}, QStringLiteral("Custom")),
                                  QStringLiteral("tree_item.png"));
    ASSERT_FALSE(tree.isNull());
    EXPECT_EQ(tree.pixmap(QSize(16, 16), 2.0).devicePixelRatio(), 2.0);
    EXPECT_EQ(tree.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
    EXPECT_TRUE(skins.icon(SkinFolder::mainWindow(), QStringLiteral("no-such.png")).isNull());
}

} // namespace
} // namespace vantrel::ui
