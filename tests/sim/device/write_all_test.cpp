// SPDX-License-Identifier: MIT
#include "connection_rig.h"
#include "core/device/command_codes.h"
#include "core/util/hex.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

using namespace vantrel;
using test::ConnectionRig;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// The wrist-rest record and its seven colours, sent by every apply.
std::vector<std::string> wristPreamble() {
    std::vector<std::string> v = {"15 00"};
    for (int i = 0; i < 7; ++i) {
        v.push_back("16 00");
    }
    return v;
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Started {
    ConnectionRig rig;
    ConfigImage synced;
    Started() {
        auto snap = rig.startAndRead();
        EXPECT_TRUE(snap.ok());
        if (snap.ok()) {
            synced = snap->image;
        }
    }
    std::size_t mark() const { return rig.sink.lines().size(); }
};

} // namespace

TEST(WriteAll, BrightnessAloneSendsOnlyWristRestAndEndPhase) {
    Started s;
    ConfigImage image = s.synced;
    image.setLightBrightness(12);
    const auto mark = s.mark();
    auto r = s.rig.apply(image, s.synced);
    ASSERT_TRUE(r.ok()) << r.error().message;
    EXPECT_EQ(s.rig.sets(mark), concat(wristPreamble(), {"08 02"}));
    EXPECT_EQ(s.rig.keyboard.state().lightBrightness(), 12);
    EXPECT_EQ(r->image.wristLighting()[0], cmd::kSetWristLighting);
}

TEST(WriteAll, OneKeySendsBeginKeyTableEnd) {
    Started s;
    ConfigImage image = s.synced;
    image.keyTableEntry(0x14)[2] = 0x3A; // Esc becomes F1
    const auto mark = s.mark();
    auto r = s.rig.apply(image, s.synced);
    ASSERT_TRUE(r.ok()) << r.error().message;
    EXPECT_EQ(s.rig.sets(mark), concat(wristPreamble(), {"08 01", "0D 00", "08 02"}));
    std::vector<std::string> writes;
    for (const auto& l : s.rig.controlLines(mark)) {
        if (l.rfind("> write", 0) == 0) {
            writes.push_back(l);
        }
    }
    EXPECT_EQ(writes.size(), 8u);
    EXPECT_EQ(s.rig.keyboard.state().keyTableEntry(0x14)[2], 0x3A);
}

TEST(WriteAll, TwoMacroSlotsLowerFirstAndASecondRunSendsNothingMore) {
    Started s;
    ConfigImage image = s.synced;
    image.macroSlot(9)[0] = 1;
    image.macroSlot(2)[191] = 2;
    auto mark = s.mark();
    auto r = s.rig.apply(image, s.synced);
    ASSERT_TRUE(r.ok()) << r.error().message;
    EXPECT_EQ(s.rig.sets(mark), concat(wristPreamble(), {"08 01", "11 00", "11 00", "08 02"}));
    std::vector<std::string> slotLines;
    for (const auto& l : s.rig.controlLines(mark)) {
        if (l.rfind("> set-feature 00 11", 0) == 0) {
            slotLines.push_back(l.substr(14, 14));
        }
    }
    EXPECT_THAT(slotLines, ElementsAre("00 11 00 02 03", "00 11 00 09 03"));

    // The outcome is the new synced state: nothing is left to send.
    mark = s.mark();
    auto again = s.rig.apply(r->image, r->image);
    ASSERT_TRUE(again.ok());
    EXPECT_FALSE(again->sentChanges);
    EXPECT_EQ(s.rig.sets(mark), wristPreamble());
}

TEST(WriteAll, WindowsKeyLockAloneIsAnEnableMapChange) {
    Started s;
    ConfigImage image = s.synced;
    image.setWinLock(image.winLock() ? 0 : 1);
    const auto mark = s.mark();
    auto r = s.rig.apply(image, s.synced);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(s.rig.sets(mark), concat(wristPreamble(), {"08 01", "0E 00", "08 02"}));
}

TEST(WriteAll, EveryGroupInTheFixedOrder) {
    Started s;
    ConfigImage image = s.synced;
    image.setKeyColour(3, Rgb{1, 2, 3});
    image.setGameMode(image.gameMode() ? 0 : 1);
    image.setReportRate(0);
    image.setKeyResponseTime(9);
    image.keyTable()[0] ^= 1;
    image.keyEnableMap()[5] ^= 0x10;
    image.macroSlot(31)[5] = 7;
    image.colourMap(4)[9] = 7;
    image.colourMap(0)[9] = 7;
    image.setLightEffect(3);
    const auto mark = s.mark();
    auto r = s.rig.apply(image, s.synced);
    ASSERT_TRUE(r.ok()) << r.error().message;
    std::vector<std::string> expected = concat(wristPreamble(), {"08 01"});
    for (int i = 0; i < 7; ++i) {
        expected.push_back("14 00");
    }
    expected.insert(expected.end(), {"09 00", "01 00", "04 09", "0D 00", "0E 00", "11 00", "12 00",
                                     "12 00", "08 02"});
    if (image.gameMode() == 1) {
        expected[16] = "09 01";
    }
    EXPECT_EQ(s.rig.sets(mark), expected);
}

// Every acknowledged step of a full apply, by the command whose
// acknowledgement the keyboard loses.
class DroppedAck : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(DroppedAck, StopsReportsAndLeavesTheKeyboardOutOfItsUpdateMode) {
    Started s;
    ConfigImage image = s.synced;
    image.setKeyColour(0, Rgb{9, 9, 9});
    image.setGameMode(image.gameMode() ? 0 : 1);
    image.setReportRate(1);
    image.setKeyResponseTime(4);
    image.keyTable()[8] ^= 1;
    image.keyEnableMap()[3] ^= 1;
    image.macroSlot(0)[0] = 1;
    image.colourMap(1)[1] = 1;
    s.rig.keyboard.dropAcksFor(GetParam());
    const auto mark = s.mark();
    auto r = s.rig.apply(image, s.synced);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().code, ErrorCode::NoAcknowledge);
    EXPECT_THAT(r.error().message, ::testing::HasSubstr("keyboard did not acknowledge"));
    const auto sets = s.rig.sets(mark);
    EXPECT_EQ(sets.back(), "08 02");
    // Nothing after the step that was not acknowledged, except the end phase.
    const std::string code = hexBytes(std::span<const std::uint8_t>(&GetParam(), 1));
    auto last = std::find_if(sets.rbegin() + 1, sets.rend(),
                             [&](const std::string& x) { return x.substr(0, 2) == code; });
    ASSERT_NE(last, sets.rend());
    EXPECT_EQ(last - sets.rbegin(), 1);
}

INSTANTIATE_TEST_SUITE_P(EachStep, DroppedAck,
                         ::testing::Values(cmd::kSetLighting, cmd::kSetKeyColour, cmd::kSetGameMode,
                                           cmd::kSetReportRate, cmd::kSetKeyResponseTime,
                                           cmd::kWriteKeyTable, cmd::kWriteKeyEnableMap,
                                           cmd::kWriteMacroSlot, cmd::kWriteColourMap));

TEST(WriteAll, ALaterApplyCompletesAfterLostAcknowledgements) {
    Started s;
    ConfigImage image = s.synced;
    image.keyTable()[8] ^= 1;
    s.rig.keyboard.dropAllAcks(true);
    auto failed = s.rig.apply(image, s.synced);
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().code, ErrorCode::NoAcknowledge);
    EXPECT_TRUE(s.rig.connection.connected());

    s.rig.keyboard.dropAllAcks(false);
    auto done = s.rig.apply(image, s.synced); // the owner's synced copy is still the old one
    ASSERT_TRUE(done.ok()) << done.error().message;
    EXPECT_TRUE(done->sentChanges);
}

TEST(WriteAll, KeyboardPulledMidApplyReportsDisconnected) {
    Started s;
    ConfigImage image = s.synced;
    image.colourMap(2)[1] = 1;
    image.keyTable()[8] ^= 1;
    s.rig.keyboard.unplugAfter(14); // inside the key-table run
    auto r = s.rig.apply(image, s.synced);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().code, ErrorCode::Disconnected);
    EXPECT_TRUE(s.rig.observer.waitFor(
        [](auto& o) { return !o.connections_.empty() && o.connections_.back() == false; }));
    EXPECT_FALSE(s.rig.connection.connected());

    // Later commands say so at once.
    auto later = s.rig.apply(image, s.synced);
    ASSERT_FALSE(later.ok());
    EXPECT_EQ(later.error().code, ErrorCode::NoDevice);
}

TEST(WriteAll, KeyboardPulledDuringAnAcknowledgementWait) {
    ConnectionOptions slow = ConnectionRig::shortOptions();
    slow.ackTimeout = std::chrono::seconds(30); // the pull, not the limit, must end the wait
    ConnectionRig rig(slow);
    auto snap = rig.startAndRead();
    ASSERT_TRUE(snap.ok());
    ConfigImage image = snap->image;
    image.keyTable()[8] ^= 1;
    rig.keyboard.dropAllAcks(true);
    std::thread puller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        rig.keyboard.unplug();
    });
    const auto start = std::chrono::steady_clock::now();
    auto r = rig.apply(image, snap->image);
    puller.join();
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().code, ErrorCode::Disconnected);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}
