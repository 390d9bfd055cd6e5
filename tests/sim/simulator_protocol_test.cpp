// SPDX-License-Identifier: MIT
#include "core/model/key_positions.h"
#include "simulator_fixture.h"

#include <algorithm>

namespace vantrel::sim::testing {
namespace {

TEST_F(SimulatorTest, FactoryStateHoldsDefaultKeysInRowMajorOrderAndAllKeysEnabled) {
    const ConfigImage s = keyboard.state();
    const auto& defaults = DefaultKeyTable();
    for (const auto& key : keyPositions()) {
        const auto entry = s.keyTableEntry(key.matrixCode());
        EXPECT_TRUE(std::equal(entry.begin(), entry.end(), defaults.begin() + key.matrixCode()));
    }
    for (auto b : s.keyEnableMap()) {
        EXPECT_EQ(b, 0xFF);
    }
    EXPECT_EQ(s.lightBrightness(), 50);
    EXPECT_EQ(s.lightSpeed(), 5);
    for (std::size_t i = 1; i < image::kColourCount; ++i) {
        EXPECT_FALSE(s.keyColour(i) == s.keyColour(i - 1));
    }
}

TEST_F(SimulatorTest, RepliesEchoTheCommandAndCarryAValidChecksum) {
    for (std::uint8_t code : {cmd::kGetVersion, cmd::kGetReportRate, cmd::kGetKeyResponseTime,
                              cmd::kGetLighting, cmd::kGetGameMode, cmd::kGetWristLighting}) {
        const FeatureReport r = get(code);
        EXPECT_EQ(r[0], 0);
        EXPECT_EQ(r[1], code);
        EXPECT_EQ(r[8], featureChecksum(r)) << int(code);
    }
    const FeatureReport v = get(cmd::kGetVersion);
    EXPECT_EQ(v[2], 1);
    EXPECT_EQ(v[3], 4);
    EXPECT_EQ(acks(), 0); // get commands are not acknowledged
}

TEST_F(SimulatorTest, LightingBeginLeavesBrightnessEndSetsItAndSpeedIsInvertedOnTheWire) {
    set(cmd::kSetLighting, {{2, cmd::kLightingBegin}, {3, 7}, {4, 10}, {5, 9}, {6, 3}, {7, 2}});
    ConfigImage s = keyboard.state();
    EXPECT_EQ(s.lightEffect(), 7);
    EXPECT_EQ(s.lightSpeed(), 0);
    EXPECT_EQ(s.lightBrightness(), 50);
    EXPECT_EQ(s.lightColourIndex(), 3);
    EXPECT_EQ(s.lightDirection(), 2);
    set(cmd::kSetLighting, {{2, cmd::kLightingEnd}, {3, 7}, {4, 1}, {5, 9}, {6, 3}, {7, 2}});
    s = keyboard.state();
    EXPECT_EQ(s.lightBrightness(), 9);
    EXPECT_EQ(s.lightSpeed(), 9);
    const FeatureReport r = get(cmd::kGetLighting);
    EXPECT_EQ(r[3], 7);
    EXPECT_EQ(r[4], 1);
    EXPECT_EQ(r[5], 9);
    EXPECT_EQ(acks(), 2);
}

TEST_F(SimulatorTest, SingleSettingsRoundTripAndEachSetIsAcknowledged) {
    set(cmd::kSetReportRate, {{2, 1}});
    set(cmd::kSetKeyResponseTime, {{2, 6}});
    set(cmd::kSetGameMode, {{2, 0}});
    set(cmd::kSetKeyColour, {{3, 2}, {4, 0x10}, {5, 0x20}, {6, 0x30}});
    set(cmd::kSetWristColour, {{3, 6}, {4, 1}, {5, 2}, {6, 3}});
    EXPECT_EQ(acks(), 5);
    EXPECT_EQ(get(cmd::kGetReportRate)[2], 1);
    EXPECT_EQ(get(cmd::kGetKeyResponseTime)[2], 6);
    EXPECT_EQ(get(cmd::kGetGameMode)[2], 0);
    const FeatureReport c = get(cmd::kGetKeyColour, {{3, 2}});
    EXPECT_EQ(c[4], 0x10);
    EXPECT_EQ(c[5], 0x20);
    EXPECT_EQ(c[6], 0x30);
    const FeatureReport w = get(cmd::kGetWristColour, {{3, 6}});
    EXPECT_EQ(w[4], 1);
    EXPECT_EQ(w[6], 3);
    // SetModeOne is 0x09 with b2 = 1: the keyboard takes it as game mode 1.
    set(cmd::kSetGameMode, {{2, 1}});
    EXPECT_EQ(get(cmd::kGetGameMode)[2], 1);
}

TEST_F(SimulatorTest, WristLightingKeepsBytesOneToSixInPlace) {
    set(cmd::kSetWristLighting, {{2, 0xA1}, {3, 4}, {4, 2}, {5, 1}, {6, 3}, {7, 0xB6}});
    const ConfigImage state = keyboard.state();
    const auto stored = state.wristLighting();
    EXPECT_EQ(stored[0], cmd::kSetWristLighting);
    EXPECT_EQ(stored[1], 0xA1);
    EXPECT_EQ(stored[6], 0xB6);
    const FeatureReport r = get(cmd::kGetWristLighting);
    EXPECT_EQ(r[1], cmd::kGetWristLighting);
    for (std::size_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(r[i + 1], stored[i]) << i; // host keeps r1-r8 as bytes 0-7
    }
}

TEST_F(SimulatorTest, WriteRunIsAcknowledgedOnlyAfterItsLastBlockAndReadsBack) {
    set(cmd::kWriteKeyTable, {{4, cmd::kKeyTableBlocks}});
    EXPECT_EQ(acks(), 0);
    for (std::uint8_t k = 0; k < cmd::kKeyTableBlocks; ++k) {
        ASSERT_TRUE(control->writeBlock(block(static_cast<std::uint8_t>(0x40 + k))).ok());
        EXPECT_EQ(acks(), k + 1 == cmd::kKeyTableBlocks ? 1 : 0) << int(k);
    }
    const ConfigImage state = keyboard.state();
    const auto table = state.keyTable();
    EXPECT_EQ(table[0], 0x40);
    EXPECT_EQ(table[511], 0x47);

    set(cmd::kReadKeyTable);
    ASSERT_TRUE(control->getFeature().ok()); // discarded
    for (std::uint8_t k = 0; k < cmd::kKeyTableBlocks; ++k) {
        auto b = control->readBlock();
        ASSERT_TRUE(b.ok());
        EXPECT_EQ((*b)[0], 0);
        EXPECT_EQ((*b)[1], 0x40 + k);
        EXPECT_EQ((*b)[64], 0x40 + k);
    }
    EXPECT_FALSE(control->readBlock().ok()); // the run is over
}

TEST_F(SimulatorTest, EnableMapRunCarriesEighteenBytes) {
    set(cmd::kWriteKeyEnableMap, {{4, cmd::kEnableMapByteCount}});
    ASSERT_TRUE(control->writeBlock(block(0x5B)).ok());
    EXPECT_EQ(acks(), 1);
    const ConfigImage s = keyboard.state();
    for (auto b : s.keyEnableMap()) {
        EXPECT_EQ(b, 0x5B);
    }
    EXPECT_EQ(s.byteAt(image::kEnableMapReserved), 0xFF); // untouched behind the map
    set(cmd::kReadKeyEnableMap, {{4, cmd::kEnableMapByteCount}});
    ASSERT_TRUE(control->getFeature().ok());
    auto b = control->readBlock();
    ASSERT_TRUE(b.ok());
    EXPECT_EQ((*b)[18], 0x5B);
    EXPECT_EQ((*b)[19], 0);
    EXPECT_EQ((*b)[64], 0);
}

// The keyboard reports its Windows-key lock in bit 0 of byte 1, following
// the left Windows key's enable bit that the host writes.
TEST_F(SimulatorTest, EnableMapRunMirrorsTheWindowsKeyLock) {
    set(cmd::kWriteKeyEnableMap, {{4, cmd::kEnableMapByteCount}});
    ASSERT_TRUE(control->writeBlock(block(0xFD)).ok());
    EXPECT_EQ(keyboard.state().keyEnableMap()[1], 0xFC);
    set(cmd::kWriteKeyEnableMap, {{4, cmd::kEnableMapByteCount}});
    ASSERT_TRUE(control->writeBlock(block(0x02)).ok());
    EXPECT_EQ(keyboard.state().keyEnableMap()[1], 0x03);
}

TEST_F(SimulatorTest, MacroSlotAndColourMapRunsTargetTheirIndex) {
    set(cmd::kWriteMacroSlot, {{3, 31}, {4, cmd::kMacroSlotBlocks}});
    for (int k = 0; k < cmd::kMacroSlotBlocks; ++k) {
        ASSERT_TRUE(control->writeBlock(block(0x31)).ok());
    }
    set(cmd::kWriteColourMap, {{3, 4}, {4, cmd::kColourMapBlocks}});
    for (int k = 0; k < cmd::kColourMapBlocks; ++k) {
        ASSERT_TRUE(control->writeBlock(block(0x44)).ok());
    }
    EXPECT_EQ(acks(), 2);
    const ConfigImage s = keyboard.state();
    EXPECT_EQ(s.macroSlot(31)[191], 0x31);
    EXPECT_EQ(s.macroSlot(30)[0], 0);
    EXPECT_EQ(s.colourMap(4)[511], 0x44);
    EXPECT_EQ(s.colourMap(3)[0], 0);
}

TEST_F(SimulatorTest, UnfinishedWriteRunChangesNothing) {
    const ConfigImage before = keyboard.state();
    set(cmd::kWriteKeyTable, {{4, cmd::kKeyTableBlocks}});
    ASSERT_TRUE(control->writeBlock(block(0x77)).ok());
    set(cmd::kGetReportRate); // a new command ends the run
    EXPECT_EQ(keyboard.state().keyTable()[0], before.keyTable()[0]);
    EXPECT_EQ(acks(), 0);
}

TEST_F(SimulatorTest, ResetRestoresFactoryStateAndBadChecksumsAreIgnored) {
    set(cmd::kSetReportRate, {{2, 0}});
    FeatureReport bad = makeFeatureReport(cmd::kSetReportRate, {{2, 2}});
    bad[8] ^= 1;
    ASSERT_TRUE(control->setFeature(bad).ok());
    EXPECT_EQ(keyboard.badChecksumCount(), 1);
    EXPECT_EQ(keyboard.state().reportRate(), 0);
    set(cmd::kResetDevice, {{2, cmd::kResetParameter}});
    EXPECT_EQ(keyboard.state(), SimulatedKeyboard::factoryState());
    EXPECT_EQ(acks(), 2);
}

TEST_F(SimulatorTest, KeyboardSideLightingChangesUpdateStateAndNotify) {
    keyboard.changeLightingOnKeyboard(note::kSpeed, 3);
    keyboard.changeLightingOnKeyboard(note::kWristEffect, 9);
    keyboard.changeLightingOnKeyboard(note::kEffect, note::kIgnoredEffectValue);
    keyboard.pressHostActionKey(0x2C);
    const ConfigImage s = keyboard.state();
    EXPECT_EQ(s.lightSpeed(), 7);
    EXPECT_EQ(s.wristLighting()[image::kWristEffect], 9);
    EXPECT_EQ(s.lightEffect(), 1);
    const std::vector<NotificationReport> expected{
        {4, 6, 3, 0}, {4, 11, 9, 0}, {4, 5, 0x32, 0}, {4, 0, 0x2C, 0}};
    for (const auto& e : expected) {
        auto r = notes->read(std::chrono::milliseconds(0));
        ASSERT_TRUE(r.ok());
        ASSERT_TRUE(r->has_value());
        EXPECT_EQ(**r, e);
    }
}

} // namespace
} // namespace vantrel::sim::testing
