// SPDX-License-Identifier: MIT
// The dialog that binds programs to profiles, without a screen: what it
// writes into the bindings file for a picked executable and for a window
// open now, removing, the bad cases, and what its face offers.
#include "../in_language.h"
#include "core/layout/programs_dialog_layout.h"
#include "core/model/state_files.h"
#include "core/util/path_text.h"
#include "support/temp_dir.h"
#include "ui/dialog_fakes.h"
#include "ui/profiles/programs_dialog.h"
#include "ui/profiles/programs_dialog_controller.h"
#include "ui/skin/skin_painter.h"
#include "ui/widgets/transparent_list_box.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <deque>
#include <fstream>
#include <gtest/gtest.h>

namespace vantrel::ui::testing {
namespace {

namespace fs = std::filesystem;
namespace pg = vantrel::layout::programs_dialog;

struct QueuedChoice : ChoicePrompt {
    std::deque<std::optional<int>> answers;
    std::vector<QStringList> offered;
    std::optional<int> choose(const QString&, const QStringList& lines) override {
        offered.push_back(lines);
        if (answers.empty()) {
            return std::nullopt;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

class ProgramsDialogTest : public ::testing::Test {
protected:
    ProgramsDialogTest() {
        fs::create_directories(dir / "Configure");
        for (const char* name : {"Work", "Racing"}) {
            EXPECT_TRUE(SaveKeymapFile(dir / "Configure" / (std::string(name) + ".bin"),
                                       ConfigImage{}, AssignmentTable{}));
        }
        fs::create_directories(dir / "bin");
        std::ofstream(dir / "bin" / "kart-real") << "#!/bin/sh\n";
        // A link where the system allows one (the binding names its target).
        std::error_code ec;
        fs::create_symlink(dir / "bin" / "kart-real", dir / "bin" / "kart", ec);
        if (ec) {
            fs::copy_file(dir / "bin" / "kart-real", dir / "bin" / "kart");
        }
        controller.setListView(&list);
    }
    ProgramsDialogController::Ports ports() {
        ProgramsDialogController::Ports p;
        p.files = &files;
        p.chooser = &chooser;
        p.windows = [this]() -> Result<std::vector<platform::OpenWindow>> {
            if (windowsFail) {
                return makeError(ErrorCode::Unsupported, "no list on this desktop");
            }
            return windows;
        };
        p.ownExecutable = "/usr/bin/vantrel";
        p.changed = [this] { ++changes; };
        return p;
    }
    void click(int area) {
        const auto& r = pg::kRegions[static_cast<std::size_t>(area)];
        controller.release((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    std::vector<ProgramBinding> fileBindings() {
        auto loaded = LoadBindingsFile(bindingsFile);
        EXPECT_TRUE(loaded && !loaded->problem);
        return loaded ? loaded->bindings.all() : std::vector<ProgramBinding>{};
    }
    std::string kart() const { return pathText(fs::canonical(dir / "bin" / "kart")); }

    vantrel::testing::TempDir dir;
    fs::path bindingsFile = dir / "config" / kBindingsFileName;
    SkinStore skins;
    SkinPainter painter{skins};
    FakeDialogHost host;
    FakeFilePicker files;
    QueuedChoice chooser;
    RecordingList list;
    std::vector<platform::OpenWindow> windows;
    bool windowsFail = false;
    int changes = 0;
    ProgramsDialogController controller{dir / "Configure", bindingsFile, painter,
                                        UiLanguage{},      ports(),      host};
};

TEST_F(ProgramsDialogTest, APickedExecutableIsBoundByItsResolvedPathToTheChosenProfile) {
    controller.open(QStringLiteral("Racing"));
    EXPECT_EQ(controller.profiles(), (QStringList{"Racing", "Work"}));
    EXPECT_EQ(controller.profile(), "Racing");
    EXPECT_TRUE(list.lines.isEmpty());

    files.opens.push_back(dir / "bin" / "kart");
    click(pg::kAddProgram);
    ASSERT_TRUE(host.informs.empty()) << host.informs.front().toStdString();
    const auto written = fileBindings();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].program, kart());
    EXPECT_EQ(written[0].profile, "Racing");
    EXPECT_EQ(list.lines, QStringList{QString::fromStdString(kart())});
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(changes, 1);

    // A cancelled picker and a picked folder write nothing.
    click(pg::kAddProgram);
    files.opens.push_back(dir / "bin");
    click(pg::kAddProgram);
    EXPECT_EQ(host.informs.size(), 1u);
    EXPECT_EQ(fileBindings().size(), 1u);
    EXPECT_EQ(changes, 1);
}

TEST_F(ProgramsDialogTest, AWindowOpenNowGivesItsExecutableOrItsClassButNotOurOwn) {
    windows = {{"VANTREL", {"/usr/bin/vantrel", "vantrel"}},
               {"kart-window", {kart(), "Kart"}},
               {"second kart", {kart(), "Kart"}},
               {"", {"", "Notes"}}};
    controller.open(QStringLiteral("Work"));
    EXPECT_TRUE(controller.windowsNote().isEmpty());
    chooser.answers = {1, 2};
    click(pg::kAddWindow);
    ASSERT_EQ(chooser.offered.size(), 1u);
    const QStringList offered = chooser.offered[0];
    ASSERT_EQ(offered.size(), 3);
    EXPECT_EQ(offered[0], QStringLiteral("kart-window — %1").arg(QString::fromStdString(kart())));
    EXPECT_EQ(offered[1], QStringLiteral("kart-window — class:Kart"));
    EXPECT_EQ(offered[2], QStringLiteral("class:Notes"));
    click(pg::kAddWindow);
    const auto written = fileBindings();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].program, "class:Kart");
    EXPECT_EQ(written[1].program, "class:Notes");
    EXPECT_EQ(written[1].profile, "Work");
    EXPECT_EQ(list.lines, (QStringList{"class:Kart", "class:Notes"}));

    // No answer binds nothing.
    click(pg::kAddWindow);
    EXPECT_EQ(fileBindings().size(), 2u);
    EXPECT_EQ(changes, 2);
}

TEST_F(ProgramsDialogTest, ABindingOfAnotherProfileMovesAndSaysSo) {
    ProgramBindings b;
    b.bind("class:Kart", "Work");
    ASSERT_TRUE(SaveBindingsFile(bindingsFile, b));
    windows = {{"kart-window", {"", "Kart"}}};
    controller.open(QStringLiteral("Racing"));
    chooser.answers = {0};
    click(pg::kAddWindow);
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_TRUE(host.informs[0].contains("Work")) << host.informs[0].toStdString();
    EXPECT_TRUE(host.informs[0].contains("Racing"));
    const auto written = fileBindings();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].profile, "Racing");
    // The other profile shows it no more.
    click(pg::kNextProfile);
    EXPECT_EQ(controller.profile(), "Work");
    EXPECT_TRUE(list.lines.isEmpty());
    click(pg::kPreviousProfile);
    EXPECT_EQ(list.lines, QStringList{"class:Kart"});
}

TEST_F(ProgramsDialogTest, RemoveNeedsASelectionAndUnbindsOnlyTheChosenProgram) {
    ProgramBindings b;
    b.bind("class:Kart", "Racing");
    b.bind("class:Pinball", "Racing");
    b.bind("class:Code", "Work");
    ASSERT_TRUE(SaveBindingsFile(bindingsFile, b));
    controller.open(QStringLiteral("Racing"));
    EXPECT_EQ(list.lines, (QStringList{"class:Kart", "class:Pinball"}));
    EXPECT_TRUE(controller.accessRegions()[6].disabled);

    click(pg::kRemove);
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_EQ(fileBindings().size(), 3u);

    controller.select(1);
    EXPECT_FALSE(controller.accessRegions()[6].disabled);
    click(pg::kRemove);
    const auto written = fileBindings();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].program, "class:Kart");
    EXPECT_EQ(written[1].program, "class:Code");
    EXPECT_EQ(list.lines, QStringList{"class:Kart"});
    EXPECT_EQ(controller.selected(), -1);
    EXPECT_EQ(changes, 1);
}

TEST_F(ProgramsDialogTest, ADamagedFileIsReportedInTheInterfaceLanguageAndNotWrittenOver) {
    const InLanguage inLanguage(UiLanguage::russianInterface());
    fs::create_directories(bindingsFile.parent_path());
    std::ofstream(bindingsFile) << "not a bindings file\n";
    controller.open(QStringLiteral("Racing"));
    ASSERT_EQ(host.informs.size(), 1u);
    // Russian words, and the place where the old file went.
    EXPECT_FALSE(host.informs[0].contains("damaged")) << host.informs[0].toStdString();
    EXPECT_TRUE(host.informs[0].contains(".bad"));
    EXPECT_FALSE(fs::exists(bindingsFile));
    EXPECT_EQ(changes, 1); // the switching reads the file again

    // Damaged again while the dialog is open: the binding is refused.
    std::ofstream(bindingsFile) << "damaged again\n";
    files.opens.push_back(dir / "bin" / "kart");
    click(pg::kAddProgram);
    ASSERT_EQ(host.informs.size(), 2u);
    EXPECT_FALSE(fs::exists(bindingsFile));
    EXPECT_TRUE(list.lines.isEmpty());
}

TEST_F(ProgramsDialogTest, WithoutAListOfWindowsTheDialogSaysSoAndWithoutProfilesNothingBinds) {
    windowsFail = true;
    controller.open(QStringLiteral("Racing"));
    EXPECT_FALSE(controller.windowsNote().isEmpty());
    EXPECT_EQ(controller.accessRegions()[5].description, controller.windowsNote());
    click(pg::kAddWindow);
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_EQ(host.informs[0], controller.windowsNote());
    EXPECT_TRUE(chooser.offered.empty());

    fs::remove_all(dir / "Configure");
    controller.open({});
    EXPECT_TRUE(controller.profile().isEmpty());
    files.opens.push_back(dir / "bin" / "kart");
    click(pg::kAddProgram);
    click(pg::kNextProfile);
    EXPECT_EQ(host.informs.size(), 2u);
    EXPECT_EQ(files.opens.size(), 1u); // the picker was not even shown
    EXPECT_FALSE(fs::exists(bindingsFile));
}

TEST_F(ProgramsDialogTest, TheFaceIsItsTablesRegionsAndEverythingElseMovesTheWindow) {
    controller.open(QStringLiteral("Work"));
    const AccessRegions regions = controller.accessRegions();
    ASSERT_EQ(regions.size(), pg::kRegions.size());
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const auto& r = pg::kRegions[i];
        EXPECT_EQ(regions[i].rect, QRect(r.left, r.top, r.width(), r.height())) << i;
        EXPECT_FALSE(regions[i].name.isEmpty()) << i;
        EXPECT_FALSE(controller.dragsFrom(r.left, r.top)) << i;
    }
    EXPECT_EQ(regions[pg::kProfileName].value, "Work");
    EXPECT_FALSE(controller.dragsFrom(pg::kList.left + 5, pg::kList.top + 5));
    EXPECT_TRUE(controller.dragsFrom(200, 20));
    // Esc is left to the dialog, which rejects: the same as Close.
    EXPECT_FALSE(controller.escape());

    click(pg::kCloseButton);
    EXPECT_EQ(host.finished, true);
    host.finished.reset();
    click(pg::kCloseBox);
    EXPECT_EQ(host.finished, true);

    // The generated background covers the whole face at both scales.
    EXPECT_EQ(controller.size(), QSize(pg::kWidth, pg::kHeight));
    for (const qreal scale : {1.0, 2.0}) {
        QImage face(QSize(pg::kWidth, pg::kHeight) * scale, QImage::Format_RGB32);
        face.setDevicePixelRatio(scale);
        face.fill(Qt::magenta);
        QPainter p(&face);
        controller.compose(p);
        p.end();
        EXPECT_NE(face.pixelColor(face.width() - 2, face.height() - 2), QColor(Qt::magenta));
    }
}

} // namespace
} // namespace vantrel::ui::testing

namespace vantrel::ui::testing {
namespace {

TEST_F(ProgramsDialogTest, TheWindowPlacesItsListByTheTableAndEscapeClosesIt) {
    CProgramsDlg dialog(dir / "Configure", bindingsFile, painter, UiLanguage{}, ports());
    EXPECT_EQ(dialog.list()->geometry(),
              QRect(pg::kList.left, pg::kList.top, pg::kList.width(), pg::kList.height()));
    ProgramBindings b;
    b.bind("class:Kart", "Racing");
    ASSERT_TRUE(SaveBindingsFile(bindingsFile, b));
    bool shown = false;
    QTimer::singleShot(0, &dialog, [&] {
        shown = dialog.isVisible();
        EXPECT_EQ(dialog.size(), QSize(pg::kWidth, pg::kHeight));
        EXPECT_EQ(dialog.list()->count(), 1);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    bool forced = false; // Escape did not end the dialog
    QTimer::singleShot(5000, &dialog, [&] {
        forced = true;
        dialog.reject();
    });
    dialog.run(QStringLiteral("Racing"));
    EXPECT_TRUE(shown);
    EXPECT_FALSE(forced);
    EXPECT_EQ(dialog.controller().lines(), QStringList{"class:Kart"});
}

} // namespace
} // namespace vantrel::ui::testing
