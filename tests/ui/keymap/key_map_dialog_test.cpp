// SPDX-License-Identifier: MIT
// The key assignment dialog on the screen, opened by a click on the main
// window's keyboard picture, its keys typed through the key capture; after
// apply the key table and enable map are read back out of the protocol
// trace of the simulated keyboard.
#include "core/macro/macro_list.h"
#include "core/model/key_picture_table.h"
#include "keymap_fakes.h"
#include "ui/capture/fake_key_hook.h"
#include "ui/device_stack_fixture.h"
#include "ui/keymap/key_map_dialog.h"
#include "ui/main_dialog_commands.h"
#include "ui/widgets/transparent_list_box.h"
#include "ui/widgets/vivid_tree.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <sstream>

namespace vantrel::ui::testing {
namespace {

namespace km = vantrel::layout::key_map;
using K = AssignmentKind;

constexpr std::size_t kEsc = 0, kF1 = 1, kF2 = 2, kF7 = 7, kA = 63;
constexpr std::size_t kLaunchKeys[] = {3, 4, 5, 6}; // F3-F6

class KeyMapDialogTest : public DeviceStackTest {
protected:
    KeyMapDialogTest() { controller.setDialogs(&commands); }

    static QPoint keyCentre(std::size_t key) {
        const auto& k = KeyPictureTable()[key];
        return {(k.left + k.right) / 2 + kKeyboardPictureX,
                (k.top + k.bottom) / 2 + kKeyboardPictureY};
    }
    static QPoint centre(const layout::Region& r) {
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    // Clicks `key` on the keyboard picture; `steps` run on the dialog once
    // it is open and must end it.
    void assign(std::size_t key, const std::function<void(CKeyMap&)>& steps) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<CKeyMap*>(QApplication::activeModalWidget());
            if (!d) {
                ADD_FAILURE() << "no key assignment dialog";
                return;
            }
            d->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(d));
            EXPECT_EQ(hook.installed(), !hook.fail);
            if (!hook.fail) {
                EXPECT_EQ(hook.mode, KeyHook::kKeystrokes);
            }
            steps(*d);
            ran = true;
            if (d->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                d->reject();
            }
        });
        const QPoint at = keyCentre(key);
        controller.mousePress(at.x(), at.y());
        controller.mouseRelease(at.x(), at.y());
        EXPECT_TRUE(ran);
        EXPECT_FALSE(hook.installed()) << "the capture ends with the dialog";
    }
    static void clickButton(CKeyMap& d, int button) {
        QTest::mouseClick(&d, Qt::LeftButton, {},
                          centre(km::kButtonRegions[static_cast<std::size_t>(button)]));
    }
    static void clickBrowse(CKeyMap& d, int row) {
        QTest::mouseClick(&d, Qt::LeftButton, {},
                          centre(km::kAdvancedRegions[static_cast<std::size_t>(
                              row * km::kPartsPerRow + km::kRowBrowse)]));
    }
    static void clickInto(QWidget* field) { QTest::mouseClick(field, Qt::LeftButton); }
    static void clickTreeRow(CKeyMap& d, int row) {
        QTreeWidgetItem* item = d.treeItem(row);
        if (item->parent()) {
            d.tree()->expandItem(item->parent());
        }
        QTest::mouseClick(d.tree()->viewport(), Qt::LeftButton, {},
                          d.tree()->visualItemRect(item).center());
    }

    // The bytes of the block run that followed the feature command `code`
    // in the trace.
    std::vector<std::uint8_t> writtenRun(std::string_view code, std::size_t blocks) const {
        const auto lines = sink.lines();
        const std::string announce = "> set-feature 00 " + std::string(code);
        std::vector<std::uint8_t> out;
        bool inRun = false;
        for (const auto& line : lines) {
            if (line.rfind(announce, 0) == 0) {
                inRun = true;
                out.clear();
                continue;
            }
            if (inRun && line.rfind("> write 00 ", 0) == 0 && blocks > 0) {
                std::istringstream hex(line.substr(11));
                unsigned byte = 0;
                while (hex >> std::hex >> byte) {
                    out.push_back(static_cast<std::uint8_t>(byte));
                }
                if (--blocks == 0) {
                    inRun = false;
                }
            }
        }
        return out;
    }
    std::vector<std::uint8_t> sentEntry(std::size_t key) const {
        const auto table = writtenRun("0D", cmd::kKeyTableBlocks);
        const auto at = keyTableEntryOffset(KeyPositionMatrixCode(key));
        EXPECT_GE(table.size(), at + 4);
        return {table.begin() + static_cast<std::ptrdiff_t>(at),
                table.begin() + static_cast<std::ptrdiff_t>(at + 4)};
    }
    bool sentEnabled(std::size_t key) const {
        const auto map = writtenRun("0E", 1);
        const auto bit = KeyPositionEnableBit(key);
        EXPECT_GT(map.size(), bit / 8u);
        return (map[bit / 8u] >> (bit % 8u) & 1) != 0;
    }
    std::vector<std::uint8_t> keyboardEntry(std::size_t key) {
        const ConfigImage state = keyboard.state();
        const auto e = state.keyTableEntry(KeyPositionMatrixCode(key));
        return {e.begin(), e.end()};
    }

    FakeKeyHook hook;
    KeyMapFilePicker files;
    MainDialogCommands commands{model, folder,  painter, UiLanguage{},
                                hook,  nullptr, prompts, &files};
};

TEST_F(KeyMapDialogTest, EveryKindOfAssignmentReachesTheKeyboard) {
    ASSERT_TRUE(addMacro(model.macros(), u"Macro_001", 1, false,
                         *MacroStreams::fromEvents(std::vector<MacroEvent>{{false, 0x04, 0x41, 1},
                                                                           {true, 0x04, 0x41, 1}}))
                    .ok());
    start();

    assign(kEsc, [&](CKeyMap& d) {
        EXPECT_TRUE(d.singleField()->hasFocus());
        hook.key(0x41, false);
        hook.key(0x42, false);
        EXPECT_EQ(d.singleField()->text(), QStringLiteral("B "));
        clickButton(d, km::kSave);
    });
    assign(kF1, [&](CKeyMap& d) {
        clickInto(d.comboField());
        hook.key(0xA2, false);
        hook.key(0x43, false);
        EXPECT_EQ(d.comboField()->text(), QStringLiteral("LCtrl + C "));
        clickButton(d, km::kSave);
    });
    assign(kA, [&](CKeyMap& d) {
        clickButton(d, km::kTabMacro);
        EXPECT_TRUE(d.macroList()->isVisible());
        EXPECT_FALSE(d.singleField()->isVisible());
        QTest::mouseClick(d.macroList()->viewport(), Qt::LeftButton, {},
                          d.macroList()->visualItemRect(d.macroList()->item(0)).center());
        clickButton(d, km::kSave);
    });
    assign(kF2, [&](CKeyMap& d) {
        clickButton(d, km::kTabBasic);
        EXPECT_TRUE(d.tree()->isVisible());
        clickTreeRow(d, 8); // Vol+
        clickButton(d, km::kSave);
    });
    const char* paths[] = {"/home/u/a.mp3", "/usr/bin/gimp", "/home/u/notes.txt", "/home/u"};
    for (int row = 0; row < km::kAdvancedRows; ++row) {
        (row == 3 ? files.folders : files.opens).push_back(paths[row]);
        files.whileOpen = [&] { EXPECT_FALSE(hook.installed()) << "the picker gets the keys"; };
        assign(kLaunchKeys[row], [&](CKeyMap& d) {
            clickButton(d, km::kTabAdvanced);
            EXPECT_FALSE(d.singleField()->isVisible());
            EXPECT_FALSE(d.tree()->isVisible());
            EXPECT_FALSE(d.macroList()->isVisible());
            clickBrowse(d, row);
            EXPECT_FALSE(hook.installed()) << "no key field on this tab, so no capture";
            clickButton(d, km::kSave);
        });
    }
    assign(kF7, [&](CKeyMap& d) {
        clickButton(d, km::kDisableBox);
        clickButton(d, km::kSave);
    });
    EXPECT_TRUE(prompts.informs.empty()) << prompts.informs.front().toStdString();

    applyAndWait();
    EXPECT_TRUE(prompts.informs.empty());
    using E = std::vector<std::uint8_t>;
    EXPECT_EQ(sentEntry(kEsc), (E{0x00, 0x00, 0x05, 0x00}));
    EXPECT_EQ(sentEntry(kF1), (E{0x00, 0xE0, 0x06, 0x00}));
    EXPECT_EQ(sentEntry(kA), (E{0x04, 0x01, 0x00, 0x00}));
    EXPECT_EQ(sentEntry(kF2), (E{0x03, 0x00, 0xE9, 0x00}));
    for (std::size_t key : kLaunchKeys) {
        EXPECT_EQ(sentEntry(key), (E{0x0A, 0x00, KeyPositionVk(key), 0x00})) << key;
    }
    EXPECT_EQ(sentEntry(kF7), (E{0x00, 0x00, 0x40, 0x00}));
    EXPECT_FALSE(sentEnabled(kF7));
    EXPECT_TRUE(sentEnabled(kEsc));
    EXPECT_EQ(keyboardEntry(kF1), (E{0x00, 0xE0, 0x06, 0x00}));

    for (int row = 0; row < km::kAdvancedRows; ++row) {
        const auto& r = model.assignments()[kLaunchKeys[row]];
        EXPECT_EQ(r.kind(), static_cast<std::uint8_t>(4 + row));
        EXPECT_EQ(r.path(), QString::fromLatin1(paths[row]).toStdU16String());
    }
    for (std::size_t key : {kEsc, kF1, kA, kF2, kF7}) {
        EXPECT_TRUE(model.marks().marked(key)) << key;
    }
    // Each assignment was saved at once.
    ConfigImage saved;
    AssignmentTable table;
    ASSERT_TRUE(LoadProfileFile(folder.keymap(), saved, table).ok());
    EXPECT_EQ(table[kF1], model.assignments()[kF1]);
    EXPECT_EQ(table[kA].kind(), static_cast<std::uint8_t>(K::Macro));
}

TEST_F(KeyMapDialogTest, DefaultBringsBackTheFactoryEntryAndEnablesTheKey) {
    start();
    assign(kEsc, [&](CKeyMap& d) {
        clickButton(d, km::kDisableBox);
        hook.key(0x42, false);
        clickButton(d, km::kSave);
    });
    applyAndWait();
    ASSERT_FALSE(sentEnabled(kEsc));
    sink.clear();
    assign(kEsc, [&](CKeyMap& d) {
        EXPECT_EQ(d.singleField()->text(), QStringLiteral("B "));
        clickButton(d, km::kDefault);
    });
    applyAndWait();
    EXPECT_EQ(sentEntry(kEsc), (std::vector<std::uint8_t>{0x00, 0x00, 0x29, 0x00}));
    EXPECT_TRUE(sentEnabled(kEsc));
    EXPECT_FALSE(model.marks().marked(kEsc));
}

TEST_F(KeyMapDialogTest, CancelLeavesImageMarkRecordAndFileAsTheyWere) {
    start();
    assign(kF1, [&](CKeyMap& d) {
        clickInto(d.comboField());
        hook.key(0xA2, false);
        hook.key(0x43, false);
        clickButton(d, km::kSave);
    });
    const ConfigImage image = model.image();
    const AssignmentRecord record = model.assignments()[kF1];
    const auto marks = model.marks().bytes();
    const auto fileBefore = std::filesystem::last_write_time(folder.keymap());
    assign(kF1, [&](CKeyMap& d) {
        clickButton(d, km::kTabAdvanced); // resets the record in memory
        EXPECT_EQ(model.assignments()[kF1].kind(), static_cast<std::uint8_t>(K::Cleared));
        clickButton(d, km::kCancel);
    });
    assign(kF1, [&](CKeyMap& d) {
        clickButton(d, km::kTabKeys);
        clickButton(d, km::kCloseBox);
    });
    EXPECT_TRUE(model.image() == image);
    EXPECT_EQ(model.assignments()[kF1], record);
    EXPECT_EQ(model.marks().bytes(), marks);
    EXPECT_EQ(std::filesystem::last_write_time(folder.keymap()), fileBefore);
}

TEST_F(KeyMapDialogTest, EnterNeverEndsTheDialogAndEscapeIsItsCancel) {
    start();
    hook.fail = true; // without the capture the keys reach the dialog
    assign(kEsc, [&](CKeyMap& d) {
        EXPECT_FALSE(d.hookInstalled());
        QTest::keyClick(d.singleField(), Qt::Key_Return);
        QTest::keyClick(&d, Qt::Key_Enter);
        EXPECT_TRUE(d.isVisible());
        QTest::keyClick(d.singleField(), Qt::Key_X);
        EXPECT_EQ(d.singleField()->text(), QString()) << "typing means nothing";
        QTest::keyClick(d.singleField(), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Rejected);
    });
    EXPECT_EQ(commands.pending().PendingKeyCount, 0);
}

TEST_F(KeyMapDialogTest, OpeningReloadsTheSavedRecordsButNotTheImage) {
    start();
    model.assignments()[kF1].setKind(K::Combination); // never saved
    model.assignments()[kF1].data()[0] = 0x41;
    model.assignments()[kF1].setKeyCount(1);
    model.image().setGameMode(1 - model.image().gameMode()); // not applied, kept
    const std::uint8_t gameMode = model.image().gameMode();
    assign(kF1, [&](CKeyMap& d) {
        EXPECT_EQ(d.comboField()->text(), QString());
        EXPECT_EQ(d.controller().tab(), 0);
        clickButton(d, km::kCancel);
    });
    EXPECT_EQ(model.assignments()[kF1].kind(), static_cast<std::uint8_t>(K::SingleKey));
    EXPECT_EQ(model.image().gameMode(), gameMode);
}

TEST_F(KeyMapDialogTest, FileErrorsAreToldAndTheChoiceIsKept) {
    start();
    std::filesystem::remove(folder.keymap());
    std::filesystem::create_directory(folder.keymap()); // neither readable nor writable as a file
    assign(kEsc, [&](CKeyMap& d) {
        hook.key(0x42, false);
        clickButton(d, km::kSave);
    });
    ASSERT_EQ(prompts.informs.size(), 2u) << "the reload and the save";
    EXPECT_TRUE(prompts.informs[1].contains(QStringLiteral("keymap.bin")))
        << prompts.informs[1].toStdString();
    const auto e = model.image().keyTableEntry(KeyPositionMatrixCode(kEsc));
    EXPECT_EQ(e[2], 0x05) << "the assignment stays in memory for the next save";
}

TEST_F(KeyMapDialogTest, DeleteAllAndMovesBetweenTheFieldsEmptyTheCapture) {
    start();
    assign(kF1, [&](CKeyMap& d) {
        clickInto(d.comboField());
        hook.key(0xA2, false);
        EXPECT_EQ(d.comboField()->text(), QStringLiteral("LCtrl "));
        d.command(CKeyMap::kDeleteAll);
        EXPECT_EQ(d.comboField()->text(), QString());
        hook.key(0xA4, false);
        clickInto(d.singleField());
        EXPECT_EQ(d.comboField()->text(), QString());
        hook.key(0x43, false);
        clickInto(d.comboField());
        EXPECT_EQ(d.singleField()->text(), QString());
        hook.key(0x44, false);
        clickButton(d, km::kSave);
    });
    const auto& p = commands.pending();
    EXPECT_EQ(p.PendingKind, static_cast<std::uint8_t>(K::Combination));
    EXPECT_EQ(p.PendingKeyCount, 1);
    EXPECT_EQ(p.PendingKeys[0], 0x44);
}

} // namespace
} // namespace vantrel::ui::testing
