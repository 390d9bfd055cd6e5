// SPDX-License-Identifier: MIT
// The desktop program's window as --screenshot renders it at the scales of
// common displays (100 %, 150 %, 200 %): drawn at each, not enlarged from
// 100 %.
#include "picture_measures.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

#include <QImage>
#include <QString>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <string>

#ifdef VANTREL_PATH
namespace vantrel::ui::testing {
namespace {

std::string program() {
    const char* env = std::getenv("VANTREL");
    return env ? env : VANTREL_PATH;
}

// Panel headings on the plain panel: "подсветка" (27, 85) and "Яркость"
// (28, 206), in logical pixels.
const QRect kHeading(27, 85, 80, 17);
const QRect kBrightness(28, 206, 60, 15);

QRect onDevice(const QRect& r, double scale) {
    return QRect(int(r.x() * scale), int(r.y() * scale), int(r.width() * scale),
                 int(r.height() * scale));
}

class ScaleScreenshots : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        shots_ = new std::map<std::string, QImage>;
        for (const char* scale : {"1", "1.5", "2"}) {
            vantrel::testing::TempDir dir;
            const std::string shot = (dir / "shot.png").string();
            const auto run = vantrel::testing::runInFolder(
                dir.path(), std::string("env QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=") + scale +
                                " '" + program() + "' --simulate --data-dir data --screenshot '" +
                                shot + "'");
            ASSERT_EQ(run.status, 0) << scale << ": " << run.err;
            (*shots_)[scale] = QImage(QString::fromStdString(shot));
        }
    }
    static void TearDownTestSuite() {
        delete shots_;
        shots_ = nullptr;
    }
    static const QImage& shot(const std::string& scale) { return shots_->at(scale); }

private:
    static std::map<std::string, QImage>* shots_;
};

std::map<std::string, QImage>* ScaleScreenshots::shots_ = nullptr;

TEST_F(ScaleScreenshots, TheWindowHasTheDevicePixelsOfItsScale) {
    EXPECT_EQ(shot("1").size(), QSize(1000, 640));
    EXPECT_EQ(shot("1.5").size(), QSize(1500, 960));
    EXPECT_EQ(shot("2").size(), QSize(2000, 1280));
}

TEST_F(ScaleScreenshots, AtTwiceTheScaleTheWindowIsDrawnAnew) {
    const double same = shareEqualToDoubled(shot("1"), shot("2"));
    EXPECT_LT(same, 0.8) << "the 2x window is the 1x one with its pixels doubled";
    // The measure itself: a doubled picture is all equal.
    EXPECT_DOUBLE_EQ(shareEqualToDoubled(shot("1"), doubled(shot("1"))), 1.0);
}

TEST_F(ScaleScreenshots, TextIsSharpAtEveryScale) {
    for (const QRect& label : {kHeading, kBrightness}) {
        const GlyphEdges one = glyphEdges(shot("1"), label);
        EXPECT_GE(one.steepestStep, 0.8);
        for (const auto& [scale, factor] : {std::pair{"1.5", 1.5}, std::pair{"2", 2.0}}) {
            const GlyphEdges e = glyphEdges(shot(scale), onDevice(label, factor));
            EXPECT_GE(e.steepestStep, 0.8) << scale << ": blurred glyph edges";
            EXPECT_LE(e.rampPixels, 2) << scale;
            EXPECT_LT(e.uniformBlocks, 0.5) << scale << ": doubled pixels";
        }
        // What the measures say of the 1x text enlarged.
        const QImage doubledOne = doubled(shot("1"));
        EXPECT_GT(glyphEdges(doubledOne, onDevice(label, 2)).uniformBlocks, 0.9);
        const QImage smoothed =
            shot("1").scaled(shot("2").size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(glyphEdges(smoothed, onDevice(label, 2)).steepestStep, 0.8);
    }
}

} // namespace
} // namespace vantrel::ui::testing
#endif
