// SPDX-License-Identifier: MIT
// The profile manager without a screen: the folder keeps one profile that
// follows the file last imported or exported, and nothing is ever lost.
#include "../in_language.h"
#include "core/layout/profile_dialog_layout.h"
#include "core/model/configurator_model.h"
#include "core/model/state_files.h"
#include "core/util/path_text.h"
#include "support/temp_dir.h"
#include "ui/dialog_fakes.h"
#include "ui/profiles/profile_dialog_controller.h"
#include "ui/skin/skin_painter.h"

#include <QPainter>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace vantrel::ui::testing {
namespace {

namespace fs = std::filesystem;
namespace pd = vantrel::layout::profile_dialog;

class ProfileDialogTest : public ::testing::Test {
protected:
    ProfileDialogTest() : store(dir / "Configure") {
        controller.setListView(&list);
        model.image().setLightBrightness(21);
    }

    std::set<std::string> folderFiles() const {
        std::set<std::string> names;
        if (fs::exists(store.folder())) {
            for (const auto& e : fs::directory_iterator(store.folder())) {
                names.insert(pathText(e.path().filename()));
            }
        }
        return names;
    }
    void click(int area) {
        const auto& r = pd::kRegions[static_cast<std::size_t>(area)];
        controller.release((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void writeProfile(const fs::path& p, std::uint8_t brightness) {
        ConfigImage image;
        image.setLightBrightness(brightness);
        AssignmentTable table;
        table[9].setKind(AssignmentKind::Macro);
        ASSERT_TRUE(SaveKeymapFile(p, image, table).ok());
    }

    vantrel::testing::TempDir dir;
    ConfiguratorModel model;
    ProfileStore store;
    SkinStore skins;
    SkinPainter painter{skins};
    FakeDialogHost host;
    FakeFilePicker files;
    RecordingList list;
    ProfileDialogController controller{model, store, painter, UiLanguage{}, files, host};
};

TEST_F(ProfileDialogTest, ExportIntoAnEmptyFolderWritesTheFileAndItsShortNameCopy) {
    controller.open();
    EXPECT_TRUE(controller.lines().isEmpty());
    files.saves.push_back(dir / "game.v2.bin");
    click(pd::kExport);
    EXPECT_TRUE(host.informs.empty()) << host.informs.front().toStdString();
    EXPECT_EQ(fs::file_size(dir / "game.v2.bin"), kKeymapFileSize);
    EXPECT_EQ(folderFiles(), std::set<std::string>{"game.bin"});
    EXPECT_EQ(controller.lines(), QStringList{QStringLiteral("game")});
    EXPECT_EQ(list.lines, controller.lines());
    EXPECT_EQ(list.selected, 0);
    EXPECT_EQ(files.suffixes, std::vector<QString>{QStringLiteral("bin")});
    EXPECT_EQ(files.filters.front().front(), QStringLiteral("bin Files(*.bin)"));
}

TEST_F(ProfileDialogTest, RenamingTheListedProfileLeavesOnlyACopyOfTheCurrentFile) {
    files.saves.push_back(dir / "game.bin");
    controller.open();
    controller.exportProfile();
    ASSERT_EQ(controller.lines(), QStringList{QStringLiteral("game")});
    // The current profile file changes outside; the rename copies it.
    writeProfile(dir / "game.bin", 7);
    controller.renamed(0, QStringLiteral("race"));
    EXPECT_EQ(folderFiles(), std::set<std::string>{"race.bin"});
    EXPECT_EQ(controller.lines(), QStringList{QStringLiteral("race")});
    ConfigImage back;
    AssignmentTable table;
    ASSERT_TRUE(LoadProfileFile(store.folder() / "race.bin", back, table).ok());
    EXPECT_EQ(back.lightBrightness(), 7);
}

TEST_F(ProfileDialogTest, ARenameWithNoCurrentProfileFileKeepsTheProfile) {
    fs::create_directories(store.folder());
    writeProfile(store.folder() / "old.bin", 5);
    controller.open();
    ASSERT_EQ(controller.lines(), QStringList{QStringLiteral("old")});
    controller.renamed(0, QStringLiteral("kept"));
    EXPECT_TRUE(host.informs.empty());
    EXPECT_EQ(folderFiles(), std::set<std::string>{"kept.bin"});
    ConfigImage back;
    AssignmentTable table;
    ASSERT_TRUE(LoadProfileFile(store.folder() / "kept.bin", back, table).ok());
    EXPECT_EQ(back.lightBrightness(), 5);
}

TEST_F(ProfileDialogTest, ANameThatCannotNameAFileIsRefusedAndNothingChanges) {
    fs::create_directories(store.folder());
    writeProfile(store.folder() / "old.bin", 5);
    controller.open();
    EXPECT_FALSE(controller.acceptName(QStringLiteral("a/b")));
    ASSERT_EQ(host.informs.size(), 1u);
    controller.renamed(0, QStringLiteral(".."));
    EXPECT_EQ(folderFiles(), std::set<std::string>{"old.bin"});
    EXPECT_EQ(controller.lines(), QStringList{QStringLiteral("old")});
}

TEST_F(ProfileDialogTest, NewMakesTheFirstProfileOnlyAndSaysSixOtherwise) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    controller.open();
    controller.command(ProfileDialogController::kMenuNew);
    EXPECT_EQ(folderFiles(), std::set<std::string>{"Профиль_1.bin"});
    EXPECT_EQ(fs::file_size(store.folder() / pathFromText("Профиль_1.bin")), image::kSize);
    EXPECT_EQ(controller.lines(), QStringList{QStringLiteral("Профиль_1")});

    controller.command(ProfileDialogController::kMenuNew);
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_EQ(host.informs[0], QStringLiteral("Разрешено не более шести профилей"));
    EXPECT_EQ(host.informCaptions[0], QStringLiteral("Профиль"));
    EXPECT_EQ(folderFiles(), std::set<std::string>{"Профиль_1.bin"}) << "created nothing";
}

TEST_F(ProfileDialogTest, ChineseMessagesForNewAndCopy) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::chineseInterface());
    ProfileDialogController zh{model, store, painter, UiLanguage::chineseInterface(), files, host};
    fs::create_directories(store.folder());
    writeProfile(store.folder() / "a.bin", 1);
    zh.open();
    zh.newProfile();
    zh.copyProfile();
    ASSERT_EQ(host.informs.size(), 2u);
    EXPECT_EQ(host.informs[0], QStringLiteral("最多可以存储6个配置\n"));
    EXPECT_EQ(host.informCaptions[0], QStringLiteral("配置管理"));
    EXPECT_EQ(host.informs[1], QStringLiteral("请选择一个配置拷贝"));
}

TEST_F(ProfileDialogTest, DeleteNeedsTwoProfilesASelectionAndAYes) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    fs::create_directories(store.folder());
    writeProfile(store.folder() / "a.bin", 1);
    controller.open();
    controller.select(0);
    controller.command(ProfileDialogController::kMenuDelete);
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_EQ(host.informs[0], QStringLiteral("Требуется не менее одного профиля"));
    EXPECT_TRUE(host.confirms.empty());

    writeProfile(store.folder() / "b.bin", 2);
    controller.open(); // no selection
    controller.deleteProfile();
    EXPECT_EQ(host.informs.back(), QStringLiteral("Выбор профиля для удаления"));

    controller.select(1);
    host.answer = false;
    controller.deleteProfile();
    EXPECT_EQ(host.confirms.back(), QStringLiteral("Удалить выбранный профиль?"));
    EXPECT_EQ(folderFiles(), (std::set<std::string>{"a.bin", "b.bin"}));

    controller.select(1);
    host.answer = true;
    controller.deleteProfile();
    EXPECT_EQ(folderFiles(), std::set<std::string>{"a.bin"});
    EXPECT_EQ(controller.lines(), QStringList{QStringLiteral("a")});
}

TEST_F(ProfileDialogTest, AShortFileIsRefusedByNameAndSizeAndTheImageStays) {
    {
        std::ofstream f(dir / "half.bin", std::ios::binary);
        f << std::string(5000, '\x11');
    }
    const ConfigImage before = model.image();
    files.opens.push_back(dir / "half.bin");
    controller.open();
    click(pd::kImport);
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_TRUE(host.informs[0].contains(QStringLiteral("half.bin")));
    EXPECT_TRUE(host.informs[0].contains(QStringLiteral("5000")));
    EXPECT_EQ(model.image(), before);
    EXPECT_TRUE(folderFiles().empty());
    EXPECT_FALSE(store.currentFile());
}

// Profiles kept by name (for games) are not copies of an earlier file: an
// import adds the chosen file's copy beside them instead of deleting them.
TEST_F(ProfileDialogTest, ImportTakesTheProfileAndKeepsTheOtherProfiles) {
    fs::create_directories(store.folder());
    writeProfile(store.folder() / "previous.bin", 1);
    writeProfile(dir / "night.cfg.bin", 9);
    files.opens.push_back(dir / "night.cfg.bin");
    controller.open();
    controller.command(ProfileDialogController::kMenuOpen);
    EXPECT_EQ(model.image().lightBrightness(), 9);
    EXPECT_EQ(model.assignments()[9].kind(), static_cast<std::uint8_t>(AssignmentKind::Macro));
    EXPECT_EQ(folderFiles(), (std::set<std::string>{"night.bin", "previous.bin"}));
    EXPECT_EQ(controller.lines(),
              (QStringList{QStringLiteral("night"), QStringLiteral("previous")}));
    EXPECT_EQ(controller.lines().at(list.selected), QStringLiteral("night"));
    ConfigImage back;
    AssignmentTable table;
    ASSERT_TRUE(LoadProfileFile(store.folder() / "previous.bin", back, table).ok());
    EXPECT_EQ(back.lightBrightness(), 1) << "untouched";
}

TEST_F(ProfileDialogTest, ACancelledPickerChangesNothing) {
    controller.open();
    click(pd::kImport);
    click(pd::kExport);
    EXPECT_TRUE(host.informs.empty());
    EXPECT_TRUE(folderFiles().empty());
    EXPECT_EQ(model.image().lightBrightness(), 21);
}

TEST_F(ProfileDialogTest, AnExportThatCannotBeWrittenIsTold) {
    files.saves.push_back(dir / "no-such-folder" / "x.bin");
    controller.open();
    controller.exportProfile();
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_TRUE(folderFiles().empty());
    EXPECT_FALSE(store.currentFile());
}

TEST_F(ProfileDialogTest, RegionsEndImportExportAndDrag) {
    controller.open();
    click(pd::kCloseBox);
    EXPECT_EQ(host.finished, std::optional<bool>(true));
    host.finished.reset();
    click(pd::kCloseButton);
    EXPECT_EQ(host.finished, std::optional<bool>(true));
    host.finished.reset();
    for (int spare = pd::kFirstSpare; spare <= pd::kLastSpare; ++spare) {
        click(spare);
        const auto& r = pd::kRegions[static_cast<std::size_t>(spare)];
        EXPECT_FALSE(controller.dragsFrom(r.left, r.top)) << spare;
    }
    EXPECT_FALSE(host.finished);
    EXPECT_TRUE(files.filters.empty()) << "no picker opened";
    EXPECT_TRUE(controller.dragsFrom(200, 20));
    EXPECT_FALSE(controller.dragsFrom(375, 12)) << "the close box";
    EXPECT_TRUE(controller.dragsFrom(373, 12)) << "just beside it";
    EXPECT_FALSE(controller.escape()) << "the view rejects it";
}

TEST_F(ProfileDialogTest, FaceIsTheBackgroundsSizeWithTheLabels) {
    const QSize size = controller.size();
    EXPECT_EQ(size, QSize(pd::kWidth, pd::kHeight));
    QImage face(size, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::black);
    QPainter p(&face);
    controller.compose(p);
    p.end();
    // White label strokes in the import button's text area.
    bool white = false;
    for (int y = 54; y < 74; ++y) {
        for (int x = 295; x < 350; ++x) {
            white |= qRed(face.pixel(x, y)) > 200 && qGreen(face.pixel(x, y)) > 200;
        }
    }
    EXPECT_TRUE(white);
}

} // namespace
} // namespace vantrel::ui::testing
