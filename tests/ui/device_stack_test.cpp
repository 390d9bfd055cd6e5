// SPDX-License-Identifier: MIT
// The main window against the real device layer: the connection, its
// worker and listener threads, the simulated keyboard underneath, and every
// transfer in a trace.
#include "device_stack_fixture.h"
#include "in_language.h"
#include "ui/dialog_fakes.h"
#include "ui/profiles/profile_dialog_controller.h"

namespace vantrel::ui::testing {
namespace {

TEST_F(DeviceStackTest, GameModeAndWinLockReachTheKeyboardOnlyOnApply) {
    start();
    const std::uint8_t gameMode = model.image().gameMode();
    const std::uint8_t winLock = model.image().winLock();
    ASSERT_EQ(winLock, 0);

    clickRegion(kCmdGameMode);
    clickRegion(kCmdWinLock);
    connection->waitIdle();
    EXPECT_FALSE(controller.busy());
    EXPECT_TRUE(sent("09").empty());
    EXPECT_TRUE(sent("0E").empty());
    EXPECT_EQ(keyboard.state().keyEnableMap()[0] & 0x02, 0x02);

    applyAndWait();
    EXPECT_TRUE(prompts.informs.empty());
    const auto gameModeLines = sent("09");
    ASSERT_EQ(gameModeLines.size(), 1u);
    EXPECT_EQ(gameModeLines[0].substr(0, 22),
              "> set-feature 00 09 " +
                  hexBytes(std::array<std::uint8_t, 1>{static_cast<std::uint8_t>(1 - gameMode)}));
    ASSERT_EQ(sent("0E").size(), 1u);
    // The enable map goes out as its block run, after the game mode.
    const auto enableMap = lineIndex("> set-feature 00 0E");
    EXPECT_LT(lineIndex("> set-feature 00 09"), enableMap);
    const auto lines = sink.lines();
    ASSERT_LT(enableMap + 1, static_cast<std::ptrdiff_t>(lines.size()));
    EXPECT_TRUE(std::any_of(lines.begin() + enableMap, lines.end(),
                            [](const std::string& l) { return l.rfind("> write", 0) == 0; }));

    const ConfigImage stored = keyboard.state();
    EXPECT_EQ(stored.gameMode(), 1 - gameMode);
    EXPECT_EQ(stored.keyEnableMap()[0] & 0x02, 0) << "left Windows key disabled";
    EXPECT_EQ(model.syncedImage().gameMode(), 1 - gameMode);
    EXPECT_EQ(model.syncedImage().winLock(), 1);
}

TEST_F(DeviceStackTest, CloseKeepsTheAppliedStateNotTheUnappliedEdit) {
    start();
    const std::uint8_t gameMode = model.image().gameMode();
    clickRegion(kCmdGameMode);
    applyAndWait();
    clickRegion(kCmdWinLock); // not applied
    ASSERT_EQ(model.image().winLock(), 1);

    controller.close();
    EXPECT_EQ(shell.ends, 1);
    ConfigImage saved;
    AssignmentTable table;
    ASSERT_TRUE(LoadProfileFile(folder.keymap(), saved, table).ok());
    EXPECT_EQ(saved.gameMode(), 1 - gameMode);
    EXPECT_EQ(saved.winLock(), 0);
    EXPECT_EQ(saved.keyEnableMap()[0] & 0x02, 0x02);
    EXPECT_EQ(keyboard.state().keyEnableMap()[0] & 0x02, 0x02);
}

TEST_F(DeviceStackTest, AnImportedProfileReachesTheKeyboardOnTheNextApply) {
    start();
    // A profile made from what the keyboard holds, with Esc sending F1 and
    // another brightness.
    ConfigImage profile = model.image();
    const std::uint16_t esc = KeyPositionMatrixCode(0);
    const std::array<std::uint8_t, 4> f1{0, 0x3A, 0, 0};
    std::copy(f1.begin(), f1.end(), profile.keyTableEntry(esc).begin());
    profile.setLightBrightness(model.image().lightBrightness() == 12 ? 13 : 12);
    ASSERT_TRUE(SaveKeymapFile(dir / "evening.bin", profile, model.assignments()).ok());

    FakeDialogHost host;
    FakeFilePicker files;
    files.opens.push_back(dir / "evening.bin");
    ProfileStore store(folder.profiles());
    ProfileDialogController profiles(model, store, painter, UiLanguage{}, files, host);
    profiles.open();
    profiles.importProfile();
    ASSERT_TRUE(host.informs.empty());
    controller.readBackDone(1); // the refresh after the dialog
    EXPECT_TRUE(sink.lines().empty()) << "nothing is sent before apply";

    applyAndWait();
    EXPECT_TRUE(prompts.informs.empty());
    EXPECT_EQ(sent("0D").size(), 1u) << "the key table run";
    EXPECT_GE(lineIndex("> write"), 0);
    EXPECT_TRUE(std::equal(f1.begin(), f1.end(), keyboard.state().keyTableEntry(esc).begin()));
    EXPECT_EQ(keyboard.state().lightBrightness(), profile.lightBrightness());
}

TEST_F(DeviceStackTest, FailedApplyIsToldAndLeavesTheSyncedCopy) {
    const ::vantrel::ui::testing::InLanguage inLanguage(UiLanguage::russianInterface());
    ConnectionOptions options;
    options.ackTimeout = std::chrono::milliseconds(30);
    start(options);
    const ConfigImage synced = model.syncedImage();
    const ConfigImage onKeyboard = keyboard.state();
    keyboard.dropAllAcks(true);
    clickRegion(kCmdGameMode);
    applyAndWait();
    ASSERT_EQ(prompts.informs.size(), 1u);
    EXPECT_TRUE(prompts.informs[0].startsWith(QStringLiteral("Не удалось применить настройки")))
        << prompts.informs[0].toStdString();
    EXPECT_TRUE(model.syncedImage() == synced);
    EXPECT_NE(model.image().gameMode(), synced.gameMode()) << "the edit is kept for a retry";

    // With the acknowledgements back, the same edit goes through.
    keyboard.dropAllAcks(false);
    applyAndWait();
    EXPECT_EQ(prompts.informs.size(), 1u);
    EXPECT_EQ(keyboard.state().gameMode(), model.image().gameMode());
    EXPECT_NE(keyboard.state().gameMode(), onKeyboard.gameMode());
}

TEST_F(DeviceStackTest, KeyboardLightingReachesBothCopiesAndThePage) {
    start();
    // The keyboard's brightness key, then its speed key (wire value is 10
    // minus the stored speed).
    keyboard.changeLightingOnKeyboard(note::kBrightness, 20);
    keyboard.changeLightingOnKeyboard(note::kSpeed, 7);
    ASSERT_TRUE(waitFor([&] { return spy.deviceChanges.size() == 2; }));
    EXPECT_EQ(spy.deviceChanges, (std::vector<int>{note::kBrightness, note::kSpeed}));
    EXPECT_EQ(model.image().lightBrightness(), 20);
    EXPECT_EQ(model.syncedImage().lightBrightness(), 20);
    EXPECT_EQ(model.image().lightSpeed(), 3);
    EXPECT_EQ(model.syncedImage().lightSpeed(), 3);
    EXPECT_EQ(controller.sliderPosition(kSliderBrightness), 20);
    EXPECT_EQ(controller.sliderPosition(kSliderSpeed), 3);

    // A repaint stores the sliders again: the keyboard's values must stay,
    // and nothing is left to send back.
    controller.compose();
    EXPECT_EQ(model.image().lightBrightness(), 20);
    EXPECT_EQ(model.image().lightSpeed(), 3);
    const ConfigImage& synced = model.syncedImage();
    EXPECT_EQ(model.image().lightEffect(), synced.lightEffect());
    EXPECT_EQ(model.image().lightSpeed(), synced.lightSpeed());
    EXPECT_EQ(model.image().lightBrightness(), synced.lightBrightness());
    EXPECT_EQ(model.image().lightDirection(), synced.lightDirection());

    // An effect the keyboard reports as 0x32 changes nothing.
    const std::uint8_t effect = model.image().lightEffect();
    keyboard.changeLightingOnKeyboard(note::kEffect, note::kIgnoredEffectValue);
    const std::uint8_t direction = model.image().lightDirection() == 2 ? 1 : 2;
    keyboard.changeLightingOnKeyboard(note::kDirection, direction);
    ASSERT_TRUE(waitFor([&] { return spy.deviceChanges.size() == 3; }));
    EXPECT_EQ(spy.deviceChanges.back(), note::kDirection);
    EXPECT_EQ(model.image().lightDirection(), direction);
    EXPECT_EQ(model.syncedImage().lightDirection(), direction);
    EXPECT_EQ(model.image().lightEffect(), effect);
}

TEST_F(DeviceStackTest, LaunchKeyReachesTheLauncherAndAFailureIsTold) {
    start();
    keyboard.pressHostActionKey(0x2A);
    ASSERT_TRUE(waitFor([&] { return launcher.keys.size() == 1; }));
    EXPECT_EQ(launcher.keys[0], 0x2A);
    EXPECT_EQ(launcher.table, &model.assignments());
    EXPECT_TRUE(prompts.informs.empty());

    launcher.failure = Error{ErrorCode::Io, "cannot start /nowhere/player"};
    keyboard.pressHostActionKey(0x2B);
    ASSERT_TRUE(waitFor([&] { return !prompts.informs.empty(); }));
    EXPECT_TRUE(prompts.informs[0].contains(QStringLiteral("/nowhere/player")));
    EXPECT_EQ(launcher.keys.back(), 0x2B);
}

} // namespace
} // namespace vantrel::ui::testing
