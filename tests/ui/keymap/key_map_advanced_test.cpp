// SPDX-License-Identifier: MIT
// The advanced tab (row markers, the pickers, the paths shown), the face's
// hover and drag areas, and the picture it composes.
#include "../in_language.h"
#include "core/util/path_text.h"
#include "keymap_fixture.h"
#include "ui/keymap/browse_for_target.h"

#include <QPainter>

namespace vantrel::ui::testing {
namespace {

using K = AssignmentKind;

class KeyMapAdvancedTest : public KeyMapControllerTest {
protected:
    void openOnAdvancedTab(std::size_t key = kEscKey) {
        openOn(key);
        click(km::kTabAdvanced);
    }
};

TEST_F(KeyMapAdvancedTest, BrowseChoosesTheRowAndItsKind) {
    openOnAdvancedTab();
    files.opens.push_back(std::filesystem::path("/home/u/music/song.mp3"));
    clickRow(0, km::kRowBrowse);
    EXPECT_EQ(controller->advancedChoice(), 0);
    EXPECT_EQ(kind(), kindOf(K::PlayMusic));
    EXPECT_EQ(pending.PendingPath, u"/home/u/music/song.mp3");
    ASSERT_EQ(files.filters.size(), 1u);
    EXPECT_EQ(files.filters[0],
              (QStringList{QStringLiteral("mp3 Files(*.mp3)"), QStringLiteral("All files (*)")}));
    EXPECT_EQ(view.suspends, 1) << "the picker needs the keyboard";
    EXPECT_EQ(view.resumes, 1);

    // A cancelled picker keeps the earlier choice.
    clickRow(2, km::kRowBrowse);
    EXPECT_EQ(controller->advancedChoice(), 0);
    EXPECT_EQ(kind(), kindOf(K::PlayMusic));
    EXPECT_EQ(pending.PendingPath, u"/home/u/music/song.mp3");
    EXPECT_EQ(files.filters[1],
              (QStringList{QStringLiteral("txt Files(*.txt)"), QStringLiteral("All files (*)")}));

    click(km::kSave);
    EXPECT_EQ(host.finished, true);
    EXPECT_EQ(kind(), kindOf(K::PlayMusic)) << "save keeps what the browse chose";
    ASSERT_TRUE(commit().ok());
    EXPECT_EQ(entry(kEscKey), (std::vector<std::uint8_t>{10, 0, 0x1B, 0}));
    EXPECT_EQ(record(kEscKey).path(), u"/home/u/music/song.mp3");
    EXPECT_EQ(record(kEscKey).data()[2], 0x23);
}

TEST_F(KeyMapAdvancedTest, ProgramsAndFoldersHaveTheirOwnPickers) {
    openOnAdvancedTab();
    files.opens.push_back(std::filesystem::path("/usr/bin/gimp"));
    clickRow(1, km::kRowBrowse);
    EXPECT_EQ(kind(), kindOf(K::LaunchProgram));
#ifndef _WIN32
    EXPECT_EQ(files.filters[0].front(), QStringLiteral("All files (*)"));
#endif
    EXPECT_TRUE(files.filters[0].contains(QStringLiteral("exe Files(*.exe)")));

    files.folders.push_back("/home/u/Music");
    clickRow(3, km::kRowBrowse);
    EXPECT_EQ(files.folderQuestions, 1);
    EXPECT_EQ(files.captions.back(), QStringLiteral("modification path"));
    EXPECT_EQ(controller->advancedChoice(), 3);
    EXPECT_EQ(kind(), kindOf(K::OpenFolder));
    EXPECT_EQ(pending.PendingPath, u"/home/u/Music");
}

TEST_F(KeyMapAdvancedTest, RowMarkerAloneOrNoRowSavesNone) {
    openOnAdvancedTab();
    click(km::kSave);
    EXPECT_EQ(kind(), kindOf(K::None));

    // A key that launches something: marking another row drops its path.
    auto& r = record(kF1Key);
    r.setKind(K::LaunchProgram);
    ASSERT_TRUE(r.setPath(u"/usr/bin/gimp").ok());
    openOn(kF1Key);
    EXPECT_EQ(controller->tab(), 3);
    EXPECT_EQ(controller->advancedChoice(), 1);
    EXPECT_EQ(pending.PendingPath, u"/usr/bin/gimp");
    clickRow(2, km::kRowMarker);
    EXPECT_EQ(controller->advancedChoice(), 2);
    EXPECT_TRUE(pending.PendingPath.empty());
    click(km::kSave);
    EXPECT_EQ(kind(), kindOf(K::None)) << "a marked row without a path launches nothing";
    // Labels and paths are no buttons.
    openOn(kF1Key);
    clickRow(0, km::kRowLabel);
    clickRow(0, km::kRowPath);
    EXPECT_EQ(controller->advancedChoice(), 1);
}

TEST_F(KeyMapAdvancedTest, StoredLaunchSavedAgainKeepsItsPath) {
    auto& r = record(kF1Key);
    r.setKind(K::OpenFile);
    ASSERT_TRUE(r.setPath(u"/home/u/notes.txt").ok());
    openOn(kF1Key);
    click(km::kSave);
    EXPECT_EQ(kind(), kindOf(K::OpenFile));
    ASSERT_TRUE(commit().ok());
    EXPECT_EQ(entry(kF1Key), (std::vector<std::uint8_t>{10, 0, 0x70, 0}));
    EXPECT_EQ(record(kF1Key).path(), u"/home/u/notes.txt");
}

TEST_F(KeyMapAdvancedTest, PathsThatCannotBeStoredAreRefusedWhole) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    openOnAdvancedTab();
    files.opens.push_back(std::filesystem::path("/a/" + std::string(253, 'x'))); // 256
    clickRow(0, km::kRowBrowse);
    EXPECT_EQ(controller->advancedChoice(), KeyMapController::kNoChoice);
    EXPECT_TRUE(pending.PendingPath.empty());
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_TRUE(host.informs[0].startsWith(QStringLiteral("Путь длиннее 255 знаков")));
    // 255 characters fit.
    files.opens.push_back(std::filesystem::path("/a/" + std::string(252, 'x')));
    clickRow(0, km::kRowBrowse);
    EXPECT_EQ(pending.PendingPath.size(), 255u);
    EXPECT_EQ(kind(), kindOf(K::PlayMusic));
}

TEST_F(KeyMapAdvancedTest, FolderWithoutAPathEmptiesTheChoice) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    openOnAdvancedTab();
    files.folders.push_back("/home/u/Music");
    clickRow(3, km::kRowBrowse);
    ASSERT_EQ(kind(), kindOf(K::OpenFolder));
    files.folders.push_back(std::filesystem::path());
    clickRow(3, km::kRowBrowse);
    ASSERT_EQ(host.informs.size(), 1u);
    EXPECT_EQ(host.informs[0], QStringLiteral("Выберите папку"));
    EXPECT_TRUE(pending.PendingPath.empty());
    EXPECT_EQ(kind(), kindOf(K::None));
}

TEST(BrowseForTarget, AChoiceGoesInOnlyOnSuccess) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    KeyMapFilePicker files;
    FakeDialogHost prompts;
    std::u16string path = u"/kept";
    EXPECT_FALSE(BrowseForTarget(files, prompts, 4, path));
    EXPECT_FALSE(BrowseForTarget(files, prompts, 0, path)); // cancelled
    EXPECT_EQ(path, u"/kept");
    files.opens.push_back(pathFromText("/tmp/Тест.txt"));
    EXPECT_TRUE(BrowseForTarget(files, prompts, 2, path));
    EXPECT_EQ(path, u"/tmp/Тест.txt");
    files.folders.push_back(std::filesystem::path());
    EXPECT_FALSE(BrowseForTarget(files, prompts, 3, path));
    EXPECT_EQ(prompts.informs.back(), QStringLiteral("Выберите папку"));
    EXPECT_TRUE(path.empty());
#ifndef _WIN32
    // A name that is no text could not be opened again from the record.
    path = u"/kept";
    files.opens.push_back(std::filesystem::path("/tmp/bad\xff.txt"));
    EXPECT_FALSE(BrowseForTarget(files, prompts, 2, path));
    EXPECT_EQ(path, u"/kept");
    EXPECT_TRUE(prompts.informs.back().startsWith(QStringLiteral("Этот путь нельзя сохранить")));
#endif
}

TEST(ShownPath, ShortPathsWholeLongOnesFromTheirLastPart) {
    EXPECT_EQ(KeyMapController::shownPath(u"/home/u/a.mp3"), QStringLiteral("/home/u/a.mp3"));
    EXPECT_EQ(KeyMapController::shownPath(u"/home/u/ab.mp3"), QStringLiteral("../ab.mp3"));
    // A folder's final separator is not where it is cut.
    EXPECT_EQ(KeyMapController::shownPath(u"/home/user/music/"), QStringLiteral("../music/"));
    EXPECT_EQ(KeyMapController::shownPath(u"no-separator-at-all"),
              QStringLiteral("no-separator-at-all"));
    EXPECT_EQ(KeyMapController::shownPath(u""), QString());
}

TEST_F(KeyMapAdvancedTest, HoverFollowsThePointerAndTheBackgroundDrags) {
    openOnAdvancedTab();
    const auto& save = km::kButtonRegions[km::kSave];
    const int repaints = host.repaints;
    controller->hover(save.left + 2, save.top + 2);
    EXPECT_EQ(controller->hoveredButton(), km::kSave);
    EXPECT_GT(host.repaints, repaints);
    // Straight from one button to the next: only the new one is lit.
    const auto& cancel = km::kButtonRegions[km::kCancel];
    controller->hover(cancel.left + 2, cancel.top + 2);
    EXPECT_EQ(controller->hoveredButton(), km::kCancel);
    controller->hover(200, 320);
    EXPECT_EQ(controller->hoveredButton(), km::kNone);
    // Browse buttons light up from the background too.
    const auto& browse = km::kAdvancedRegions[2 * km::kPartsPerRow + km::kRowBrowse];
    controller->hover(browse.left + 3, browse.top + 3);
    EXPECT_EQ(controller->hoveredBrowse(), 2);
    controller->leave();
    EXPECT_EQ(controller->hoveredBrowse(), -1);

    EXPECT_TRUE(controller->dragsFrom(200, 320));
    EXPECT_FALSE(controller->dragsFrom(save.left + 1, save.top + 1));
    EXPECT_FALSE(controller->dragsFrom(browse.left + 1, browse.top + 1));
    const auto& marker = km::kAdvancedRegions[km::kRowMarker];
    EXPECT_FALSE(controller->dragsFrom(marker.left, marker.top));
    const auto& label = km::kAdvancedRegions[km::kRowLabel];
    EXPECT_TRUE(controller->dragsFrom(label.left + 30, label.top + 20));
    click(km::kTabKeys);
    EXPECT_TRUE(controller->dragsFrom(marker.left, marker.top));
}

TEST_F(KeyMapAdvancedTest, FaceShowsHoverMarkersAndTheShortenedPath) {
    const SkinFolder folder = controller->skinFolder();
    ASSERT_FALSE(skins.image(folder, QStringLiteral("Custom_BK.png")).isNull());
    EXPECT_EQ(controller->size(), QSize(km::kWidth, km::kHeight));
    const auto face = [&] {
        QImage img(controller->size(), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::black);
        QPainter p(&img);
        controller->compose(p);
        return img;
    };
    const auto& save = km::kButtonRegions[km::kSave];
    const QImage& over = skins.image(folder, QStringLiteral("button-save-over.png"));
    const QImage& normal = skins.image(folder, QStringLiteral("button-save-normal.png"));
    const QPoint probe(3, save.height() - 4); // a corner of the face, clear of the label
    ASSERT_NE(over.pixel(probe), normal.pixel(probe));

    openOnAdvancedTab();
    EXPECT_EQ(face().pixel(probe + QPoint(save.left, save.top)), normal.pixel(probe));
    controller->hover(save.left + 2, save.top + 2);
    EXPECT_EQ(face().pixel(probe + QPoint(save.left, save.top)), over.pixel(probe));

    files.opens.push_back(std::filesystem::path("/home/u/music/song.mp3"));
    clickRow(1, km::kRowBrowse);
    const QImage img = face();
    const QImage& on = skins.image(folder, QStringLiteral("Enable.png"));
    const QImage& off = skins.image(folder, QStringLiteral("Disable.png"));
    const QPoint mid(on.width() / 2, on.height() / 2);
    for (int r = 0; r < km::kAdvancedRows; ++r) {
        const QPoint at(km::kMarkerAt.x, km::rowY(km::kMarkerAt.y, r));
        EXPECT_EQ(img.pixel(at + mid), (r == 1 ? on : off).pixel(mid)) << "row " << r;
    }
    // The path's text lies inside row 1's box, nowhere in the others.
    const auto textIn = [&](int row) {
        const QImage& box = skins.image(folder, QStringLiteral("Advanced.png"));
        const int y0 = km::rowY(km::kPathBoxAt.y, row);
        int differing = 0;
        for (int y = 0; y < box.height(); ++y) {
            for (int x = 0; x < box.width(); ++x) {
                differing += img.pixel(km::kPathBoxAt.x + x, y0 + y) != box.pixel(x, y);
            }
        }
        return differing;
    };
    EXPECT_GT(textIn(1), 20);
    EXPECT_EQ(textIn(2), 0);
    EXPECT_EQ(textIn(3), 0);
}

} // namespace
} // namespace vantrel::ui::testing
