// SPDX-License-Identifier: MIT
#include "controller_fixture.h"
#include "core/model/key_positions.h"
#include "in_language.h"

namespace vantrel::ui::testing {
namespace {

TEST_F(ControllerTest, ReleaseOnAKeyOpensTheAssignmentOrThePerKeyColour) {
    click(keyCentre(42)); // Q
    ASSERT_EQ(dialogs.assigned, std::vector<int>{42});
    EXPECT_EQ(controller.state().hoveredKey, 42);
    click(keyCentre(96)); // Win cannot be assigned
    EXPECT_EQ(dialogs.assigned.size(), 1u);
    EXPECT_EQ(controller.state().hoveredKey, kNoKey);

    model.image().setLightEffect(52);
    controller.state().perKeyColourView = true;
    click(keyCentre(96));
    EXPECT_EQ(lighting.perKeyClicks, std::vector<int>{96});
    EXPECT_EQ(dialogs.assigned.size(), 1u);
}

TEST_F(ControllerTest, LightingCommandsAndListsGoToTheLightingPage) {
    clickRegion(3);
    clickRegion(12);
    clickRegion(30);
    EXPECT_EQ(lighting.commands, (std::vector<int>{3, 12, 30}));
    controller.state().effectListOpen = true;
    click(500, 500);
    EXPECT_EQ(lighting.keyboardListClicks, 1);
    controller.state().effectListOpen = false;
    controller.state().wristListOpen = true;
    click(keyCentre(42)); // the open list takes the click, not the key
    EXPECT_EQ(lighting.wristListClicks, 1);
    EXPECT_TRUE(dialogs.assigned.empty());
}

TEST_F(ControllerTest, RubberBandSelectsWhollyEnclosedKeysFromTopLeftOnly) {
    const auto& q = KeyPictureTable()[42];
    const auto& w = KeyPictureTable()[43];
    const int x0 = q.left + kKeyboardPictureX - 1, y0 = q.top + kKeyboardPictureY - 1;
    const int x1 = w.right + kKeyboardPictureX + 1, y1 = w.bottom + kKeyboardPictureY + 1;

    // Bottom right to top left: nothing.
    controller.mousePress(x1, y1);
    controller.mouseMove(x0, y0, true);
    EXPECT_FALSE(controller.state().anyKeySelected());
    EXPECT_EQ(controller.state().selection, SelectionState::Idle);
    controller.mouseRelease(x0, y0);

    controller.mousePress(x0, y0);
    controller.mouseMove(x1, y1, true);
    EXPECT_TRUE(controller.state().keySelected[42]);
    EXPECT_TRUE(controller.state().keySelected[43]);
    EXPECT_FALSE(controller.state().keySelected[44]);
    EXPECT_EQ(controller.state().selection, SelectionState::Banding);
    // Released beside the keys: the selection waits for a colour.
    controller.mouseRelease(x1, 560);
    EXPECT_EQ(controller.state().selection, SelectionState::Waiting);

    controller.state().clearSelection();
    controller.mousePress(x0, y0);
    controller.mouseMove(x1, y1, true);
    controller.mouseMove(x1, y1, false); // the button went up elsewhere
    EXPECT_FALSE(controller.state().buttonHeld);
    controller.ctrlPressed();
    EXPECT_TRUE(controller.state().ctrlHeld);
    controller.ctrlReleased();
    EXPECT_EQ(controller.state().selection, SelectionState::Waiting);
}

TEST_F(ControllerTest, DraggingTheTopStripMovesTheWindow) {
    controller.mousePress(400, 10);
    controller.mouseMove(420, 12, true);
    EXPECT_EQ(shell.moves, 1);
    // Over a command region of the strip: no move.
    controller.mousePress(940, 10);
    controller.mouseMove(941, 11, true);
    EXPECT_EQ(shell.moves, 1);
}

TEST_F(ControllerTest, PointerMovesRepaintOnlyWhenTheHoveredKeyChanges) {
    const QPoint a = keyCentre(50);
    controller.mouseMove(a.x(), a.y(), false);
    const int after = controller.repaintRequests();
    for (int dx = -5; dx <= 5; ++dx) {
        controller.mouseMove(a.x() + dx, a.y(), false);
    }
    EXPECT_EQ(controller.repaintRequests(), after);
    const QPoint b = keyCentre(51);
    controller.mouseMove(b.x(), b.y(), false);
    EXPECT_EQ(controller.repaintRequests(), after + 1);
    EXPECT_EQ(controller.state().hoveredKey, 51);
    // Hovering Fn in the assignment view is no key.
    const QPoint fn = keyCentre(100);
    controller.mouseMove(fn.x(), fn.y(), false);
    EXPECT_EQ(controller.state().hoveredKey, kNoKey);
}

TEST_F(ControllerTest, GameModeAndWinLockReachTheKeyboardOnlyOnApply) {
    clickRegion(kCmdGameMode);
    clickRegion(kCmdWinLock);
    EXPECT_EQ(model.image().gameMode(), 1);
    EXPECT_EQ(model.image().winLock(), 1);
    EXPECT_TRUE(device.pending.empty());
    EXPECT_EQ(device.keyboard.gameMode(), 0);

    clickRegion(kCmdApply);
    EXPECT_TRUE(controller.busy());
    EXPECT_EQ(shell.busy, std::vector<bool>{true});
    // Other commands are refused until the sequence ends.
    clickRegion(kCmdGameMode);
    EXPECT_EQ(model.image().gameMode(), 1);
    device.finishAll();
    EXPECT_FALSE(controller.busy());
    EXPECT_EQ(device.keyboard.gameMode(), 1);
    EXPECT_EQ(device.keyboard.winLock(), 1);
    EXPECT_EQ(model.syncedImage(), model.image());

    clickRegion(kCmdGameMode);
    EXPECT_EQ(model.image().gameMode(), 0);
    EXPECT_EQ(device.keyboard.gameMode(), 1);
}

TEST_F(ControllerTest, ApplySavesTheSyncedStateAndAFailureIsShown) {
    model.image().setReportRate(2);
    clickRegion(kCmdApply);
    device.finishAll();
    ConfigImage onDisk;
    AssignmentTable table;
    loadKeymap(onDisk, table);
    EXPECT_EQ(onDisk.reportRate(), 2);

    model.image().setReportRate(1);
    device.failNext = true;
    device.failure.message = "no answer";
    clickRegion(kCmdApply);
    device.finishAll();
    ASSERT_EQ(prompts.informs.size(), 1u);
    EXPECT_TRUE(prompts.informs[0].contains(QStringLiteral("no answer")));
    EXPECT_EQ(model.syncedImage().reportRate(), 2);
    EXPECT_FALSE(controller.busy());
}

TEST_F(ControllerTest, ApplyWithoutKeyboardSaysSo) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    device.isPresent = false;
    clickRegion(kCmdApply);
    EXPECT_FALSE(controller.busy());
    ASSERT_EQ(prompts.informs.size(), 1u);
    EXPECT_EQ(prompts.informs[0], QStringLiteral("Нет игровой клавиатуры!"));
}

TEST_F(ControllerTest, CloseKeepsOnlyTheAppliedStateInKeymap) {
    model.image().setKeyResponseTime(3);
    model.assignments()[5].setKind(4);
    clickRegion(kCmdApply);
    device.finishAll();
    model.image().setKeyResponseTime(7); // never applied
    model.assignments()[5].setKind(1);
    clickRegion(kCmdClose);
    EXPECT_EQ(shell.ends, 1);
    ConfigImage onDisk;
    AssignmentTable table;
    loadKeymap(onDisk, table);
    EXPECT_EQ(onDisk.keyResponseTime(), 3);
    EXPECT_EQ(table[5].kind(), 4);
}

TEST_F(ControllerTest, RevertThrowsAwayEditsAndSetsTheViewFromTheEffect) {
    model.image().setLightEffect(53);
    model.image().setLightBrightness(20);
    model.syncImage();
    controller.readBackDone(1);
    model.image().setLightBrightness(45);
    controller.setSliderPosition(kSliderBrightness, 45);
    model.image().setGameMode(1);
    click(0, 0);
    EXPECT_EQ(shell.hides, 1);
    EXPECT_EQ(model.image(), model.syncedImage());
    EXPECT_TRUE(controller.state().perKeyColourView);
    // The slider shows the reverted value, so painting keeps it.
    EXPECT_EQ(controller.sliderPosition(kSliderBrightness), 20);
    controller.compose();
    EXPECT_EQ(model.image().lightBrightness(), 20);
    ConfigImage onDisk;
    AssignmentTable table;
    loadKeymap(onDisk, table);
    EXPECT_EQ(onDisk.gameMode(), 0);
}

TEST_F(ControllerTest, MarksFollowTheRulesAfterARefresh) {
    ConfigImage& image = model.image();
    image.enableAllKeys();
    // Key table as the keyboard ships it.
    for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
        const auto c = KeyPositionMatrixCode(i);
        for (int b = 0; b < 4; ++b) {
            image.keyTableEntry(c)[b] = DefaultKeyTable()[c + b];
        }
    }
    model.assignments().writeOwnKeys();
    image.keyTableEntry(KeyPositionMatrixCode(42))[2] = 0x04;  // Q sends A
    model.assignments()[43].setKind(4);                        // W launches
    image.setKeyEnabled(KeyPositionEnableBit(44), false);      // E disabled
    image.keyTableEntry(KeyPositionMatrixCode(100))[2] = 0x55; // Fn differs
    controller.readBackDone(1);
    EXPECT_TRUE(model.marks().marked(42));
    EXPECT_TRUE(model.marks().marked(43));
    EXPECT_TRUE(model.marks().marked(44));
    EXPECT_FALSE(model.marks().marked(45));
    EXPECT_FALSE(model.marks().marked(100));
    EXPECT_TRUE(device.pending.empty()); // a refresh reads nothing
    EXPECT_TRUE(prompts.confirms.empty());
}

TEST_F(ControllerTest, ProfilesAlwaysRefreshAfterTheDialogHasGone) {
    model.image().setReportRate(3);
    clickRegion(kCmdProfiles);
    EXPECT_EQ(dialogs.profileRuns, 1);
    // The refresh comes 50 ms after the dialog, not inside it.
    ASSERT_EQ(shell.later.size(), 1u);
    EXPECT_EQ(shell.later.front().first, MainWindowController::kProfilesRefreshDelayMs);
    EXPECT_NE(controller.sliderPosition(kSliderReportRate), 3);
    EXPECT_FALSE(std::filesystem::exists(folder.keymap()));
    shell.runLater();
    EXPECT_EQ(controller.sliderPosition(kSliderReportRate), 3);
    EXPECT_TRUE(std::filesystem::exists(folder.keymap())); // written by the refresh
    clickRegion(kCmdMacros);
    EXPECT_EQ(dialogs.macroRuns, 1);
}

TEST_F(ControllerTest, HelpMenuFactoryResetAndVersionLine) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    clickRegion(kCmdHelp);
    EXPECT_TRUE(controller.state().helpMenuOpen);
    click(900, 80); // version line only closes
    EXPECT_FALSE(controller.state().helpMenuOpen);
    EXPECT_TRUE(prompts.confirms.empty());

    model.marks().set(3, true);
    model.assignments()[7].setKind(4);
    device.resetSnapshot.image.setLightBrightness(33);
    device.resetSnapshot.image.setReportRate(2);
    prompts.answer = false;
    clickRegion(kCmdHelp);
    click(900, 30);
    ASSERT_EQ(prompts.confirms.size(), 1u);
    EXPECT_EQ(prompts.confirms[0], QStringLiteral("Подтвердить возврат к заводским настройкам?"));
    EXPECT_EQ(prompts.captions[0], QStringLiteral("Заводские настройки"));
    EXPECT_TRUE(device.pending.empty());
    EXPECT_FALSE(controller.state().helpMenuOpen);

    prompts.answer = true;
    controller.state().perKeyColourView = true;
    clickRegion(kCmdHelp);
    click(900, 30);
    EXPECT_FALSE(controller.state().perKeyColourView);
    device.finishAll();
    EXPECT_FALSE(model.marks().marked(3));
    EXPECT_EQ(model.assignments()[7].kind(), 0);
    EXPECT_EQ(model.assignments()[0].ownKey(), KeyPositionVk(0));
    EXPECT_EQ(controller.sliderPosition(kSliderBrightness), 33);
    EXPECT_EQ(controller.sliderPosition(kSliderReportRate), 2);
    for (auto b : model.image().keyEnableMap()) {
        EXPECT_EQ(b, 0xFF);
    }
    EXPECT_EQ(model.syncedImage(), model.image());
}

TEST_F(ControllerTest, DriverUpdateStartsTheUpdaterAndReportsItsAbsence) {
    clickRegion(kCmdHelp);
    click(900, 55);
    ASSERT_EQ(prompts.confirms.size(), 1u);
    EXPECT_EQ(prompts.captions[0], QStringLiteral("Firmware Update"));
    EXPECT_EQ(updater.starts, 1);
    updater.missing = true;
    clickRegion(kCmdHelp);
    click(900, 55);
    EXPECT_EQ(updater.starts, 2);
    ASSERT_EQ(prompts.informs.size(), 1u);
}

TEST_F(ControllerTest, FirmwareCheckAfterAReadBackOnly) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    model.setShippedVersion({2, 5});
    DeviceSnapshot snap;
    snap.firmware = {2, 3};
    prompts.answer = false;
    controller.deviceReadBack(snap);
    ASSERT_EQ(prompts.confirms.size(), 1u);
    EXPECT_EQ(prompts.captions[0], QStringLiteral("Firmware Update"));
    EXPECT_EQ(updater.starts, 0); // Cancel starts nothing
    controller.readBackDone(1);
    EXPECT_EQ(prompts.confirms.size(), 1u);
    prompts.answer = true;
    controller.deviceReadBack(snap);
    EXPECT_EQ(updater.starts, 1);
    snap.firmware = {2, 5};
    controller.deviceReadBack(snap);
    EXPECT_EQ(prompts.confirms.size(), 2u);
}

TEST_F(ControllerTest, ReadBackMergesTheKeyboardAndKeepsTheFileOnlyBytes) {
    model.image().setByteAt(image::kReserved1, 0xAB);
    DeviceSnapshot snap;
    snap.image.setLightEffect(7);
    snap.image.setKeyResponseTime(4);
    controller.deviceReadBack(snap);
    EXPECT_EQ(model.image().lightEffect(), 7);
    EXPECT_EQ(model.image().byteAt(image::kReserved1), 0xAB);
    EXPECT_EQ(model.syncedImage(), model.image());
    EXPECT_EQ(controller.sliderPosition(kSliderResponseTime), 4);
}

TEST_F(ControllerTest, KeyboardLightingChangesBothCopiesAndThePage) {
    controller.deviceLighting(6, 3);
    EXPECT_EQ(model.image().lightSpeed(), 7);
    EXPECT_EQ(model.syncedImage().lightSpeed(), 7);
    EXPECT_EQ(controller.sliderPosition(kSliderSpeed), 7);
    controller.deviceLighting(5, 0x32);
    EXPECT_EQ(lighting.deviceChanges, std::vector<int>{6});
    controller.deviceLighting(7, 30);
    EXPECT_EQ(controller.sliderPosition(kSliderBrightness), 30);
    EXPECT_EQ(model.syncedImage().lightBrightness(), 30);
}

TEST_F(ControllerTest, DeviceSlidersStoreTheirPositionAtOnce) {
    // Response time slider at (26, 483), 220 wide, positions 0..9.
    controller.mousePress(26 + 219, 490);
    EXPECT_EQ(model.image().keyResponseTime(), 9);
    controller.mouseMove(26 + 110, 490, true);
    EXPECT_EQ(model.image().keyResponseTime(), 5);
    controller.mouseRelease(26 + 110, 490);
    EXPECT_FALSE(controller.state().buttonHeld);
    controller.mousePress(26, 540); // report rate, far left
    EXPECT_EQ(model.image().reportRate(), 0);
    controller.mouseRelease(26, 540);
    EXPECT_EQ(device.keyboard.reportRate(), 0);
    EXPECT_TRUE(device.pending.empty());
}

} // namespace
} // namespace vantrel::ui::testing
