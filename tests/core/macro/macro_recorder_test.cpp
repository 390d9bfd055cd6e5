// SPDX-License-Identifier: MIT
#include "core/macro/macro_recorder.h"

#include <gtest/gtest.h>
#include <vector>

namespace vantrel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;
using std::chrono::milliseconds;

constexpr std::uint8_t kA = 0x41, kB = 0x42, kC = 0x43;
constexpr std::uint8_t kUsageA = 0x04, kUsageB = 0x05;

Bytes head(const MacroStreams::Stream& s, std::size_t n) {
    return Bytes(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
}

class RecorderTest : public ::testing::Test {
protected:
    RecorderTest() : recorder(names, [this] { return now; }) {}

    void after(int ms) { now += milliseconds(ms); }
    void key(std::uint8_t vk, bool release, bool delays = true) {
        recorder.keyEvent(vk, release, delays);
    }
    void stroke(std::uint8_t vk, bool delays = true) {
        key(vk, false, delays);
        key(vk, true, delays);
    }
    const MacroStreams& s() const { return recorder.streams(); }

    KeyNameTable names = BuildKeyNameTable();
    std::chrono::steady_clock::time_point now{std::chrono::hours(5)};
    MacroRecorder recorder;
};

TEST_F(RecorderTest, WithoutDelaysEveryEventIsShortAndThereAreNoDelayLines) {
    recorder.startRecording();
    key(kA, false, false);
    after(300);
    key(kA, true, false);
    after(5000);
    stroke(kB, false);
    EXPECT_EQ(recorder.lines(), (Lines{"A  dn", "A  up", "B  dn", "B  up"}));
    EXPECT_EQ(head(s().device(), 10),
              (Bytes{0x01, kUsageA, 0x81, kUsageA, 0x01, kUsageB, 0x81, kUsageB, 0, 0}));
    EXPECT_EQ(head(s().display(), 8), (Bytes{0x01, kA, 0x81, kA, 0x01, kB, 0x81, kB}));
    EXPECT_EQ(recorder.selectedLine(), 3) << "the last line is selected";
}

TEST_F(RecorderTest, MeasuredDelaysInShortAndLongFormAndTheirLimits) {
    recorder.startRecording();
    after(4000); // the wait before the first key is no part of the macro
    key(kA, false);
    after(250);
    key(kA, true);
    after(1);
    key(kB, false); // 1 ms is "no delay"
    after(126);
    key(kB, true);
    after(2 * 60 * 1000);
    key(kC, false);
    EXPECT_EQ(recorder.lines(),
              (Lines{"A  dn", "250 ms", "A  up", "B  dn", "126 ms", "B  up", "60000 ms", "C  dn"}));
    EXPECT_EQ(head(s().device(), 16),
              (Bytes{0x01, kUsageA, 0xFF, kUsageA, 0x00, 0xFA, 0x01, kUsageB, 0x80 | 126, kUsageB,
                     0x7F, 0x06, 0xEA, 0x60, 0, 0}));
    EXPECT_EQ(head(s().display(), 6), (Bytes{0x01, kA, 0xFF, kA, 0x00, 0xFA}));
}

TEST_F(RecorderTest, AHeldKeyGivesOnePressAndItsRepeatsAreNotTimed) {
    recorder.startRecording();
    key(kA, false);
    for (int i = 0; i < 20; ++i) {
        after(30);
        key(kA, false); // auto-repeat
    }
    after(40);
    key(kA, true);
    // The release is timed from the last measured event: the held time.
    EXPECT_EQ(recorder.lines(), (Lines{"A  dn", "640 ms", "A  up"}));
}

TEST_F(RecorderTest, AFirstReleaseCarriesNoDelayEither) {
    recorder.startRecording();
    after(700);
    key(kA, true); // held before Record was pressed
    after(20);
    key(kB, false);
    EXPECT_EQ(recorder.lines(), (Lines{"A  up", "20 ms", "B  dn"}));
    EXPECT_EQ(s().device()[0], 0x81);
}

TEST_F(RecorderTest, KeysWithoutADeviceCodeAreNotRecorded) {
    recorder.startRecording();
    key(kA, false);
    after(10);
    key(0x10, false); // the generic Shift code names no key of the keyboard
    key(0x00, false);
    after(10);
    key(kA, true);
    EXPECT_EQ(recorder.lines(), (Lines{"A  dn", "20 ms", "A  up"}));
}

TEST_F(RecorderTest, PressesStopAt184AndReleasesAt188) {
    recorder.startRecording();
    // 92 events without delays fill 184 bytes.
    for (int i = 0; i < 46; ++i) {
        stroke(i % 2 ? kA : kB, false);
    }
    ASSERT_EQ(s().usedBytes(), 184u);
    key(kC, false, false);
    EXPECT_EQ(s().usedBytes(), 184u) << "no press from 184 on";
    key(kC, true, false);
    EXPECT_EQ(s().usedBytes(), 186u) << "a release still fits";
    key(kA, true, false);
    EXPECT_EQ(s().usedBytes(), 188u);
    key(kB, true, false);
    EXPECT_EQ(s().usedBytes(), 188u) << "no release from 188 on";
    EXPECT_EQ(recorder.lines().size(), 94u);
}

TEST_F(RecorderTest, NothingIsRecordedWhenNotListening) {
    stroke(kA);
    EXPECT_TRUE(recorder.lines().empty());
    recorder.startRecording();
    stroke(kA);
    recorder.stopListening();
    stroke(kB);
    EXPECT_EQ(recorder.lines().size(), 2u);
}

MacroStreams twoStrokesWithDelay() {
    // A dn, 40 ms, A up, B dn, B up
    const MacroEvent events[] = {{false, kUsageA, kA, 1},
                                 {true, kUsageA, kA, 40},
                                 {false, kUsageB, kB, 1},
                                 {true, kUsageB, kB, 1}};
    return *MacroStreams::fromEvents(events);
}

TEST_F(RecorderTest, RecordBeforeKeepsADelayWithItsEvent) {
    recorder.show(twoStrokesWithDelay());
    ASSERT_EQ(recorder.lines(), (Lines{"A  dn", "40 ms", "A  up", "B  dn", "B  up"}));
    recorder.select(2); // "A up", after its delay line
    ASSERT_TRUE(recorder.recordBefore());
    EXPECT_EQ(recorder.insertionLine(), 1);
    after(500);
    key(kC, false);
    after(500);
    key(kC, false); // held: one press
    key(kC, true);
    EXPECT_FALSE(recorder.insertRecording()) << "the release ends the mode";
    EXPECT_EQ(recorder.lines(),
              (Lines{"A  dn", "C  dn", "C  up", "40 ms", "A  up", "B  dn", "B  up"}));
    EXPECT_EQ(head(s().display(), 10), (Bytes{0x01, kA, 0x01, kC, 0x81, kC, 0xA8, kA, 0x01, kB}));
    stroke(kB);
    EXPECT_EQ(recorder.lines().size(), 7u) << "nothing listens afterwards";
}

TEST_F(RecorderTest, RecordAfterADelayLineSkipsItAndItsEvent) {
    recorder.show(twoStrokesWithDelay());
    recorder.select(1); // "40 ms"
    ASSERT_TRUE(recorder.recordAfter());
    EXPECT_EQ(recorder.insertionLine(), 3);
    stroke(kC);
    EXPECT_EQ(recorder.lines(),
              (Lines{"A  dn", "40 ms", "A  up", "C  dn", "C  up", "B  dn", "B  up"}));

    recorder.select(6);
    ASSERT_TRUE(recorder.recordAfter()); // the last line: append
    EXPECT_EQ(recorder.insertionLine(), 7);
    stroke(kA);
    EXPECT_EQ(recorder.lines().back(), "A  up");
}

TEST_F(RecorderTest, RecordBeforeOrAfterNeedsASelectedLine) {
    recorder.show(twoStrokesWithDelay());
    EXPECT_FALSE(recorder.recordBefore());
    EXPECT_FALSE(recorder.recordAfter());
    EXPECT_FALSE(recorder.listening());
}

TEST_F(RecorderTest, StartingLiveRecordingLeavesTheInsertRecordMode) {
    recorder.show(twoStrokesWithDelay());
    recorder.select(0);
    ASSERT_TRUE(recorder.recordBefore());
    recorder.startRecording();
    EXPECT_FALSE(recorder.insertRecording());
    stroke(kC);
    EXPECT_EQ(recorder.lines(), (Lines{"C  dn", "C  up"}));
}

TEST_F(RecorderTest, EditsClearTheInsertRecordMode) {
    recorder.show(twoStrokesWithDelay());
    recorder.select(0);
    ASSERT_TRUE(recorder.recordAfter());
    EXPECT_EQ(recorder.insertMouse(MouseButton::Left, MouseAction::Click), MacroEdit::Done);
    EXPECT_FALSE(recorder.listening());
    EXPECT_EQ(recorder.lines(),
              (Lines{"A  dn", "MsLB dn", "MsLB up", "40 ms", "A  up", "B  dn", "B  up"}));
    EXPECT_EQ(head(s().device(), 6), (Bytes{0x01, kUsageA, 0x01, 0xF0, 0x81, 0xF0}));
}

TEST_F(RecorderTest, InPlaceDelayEditsAreClamped) {
    recorder.show(twoStrokesWithDelay());
    EXPECT_EQ(recorder.commitDelay(1, 0), MacroEdit::Done);
    EXPECT_EQ(recorder.lines()[1], "2 ms");
    EXPECT_EQ(s().device()[2], 0x82);
    EXPECT_EQ(recorder.commitDelay(1, 99999), MacroEdit::Done);
    EXPECT_EQ(recorder.lines()[1], "60000 ms");
    EXPECT_EQ(head(s().device(), 6), (Bytes{0x01, kUsageA, 0xFF, kUsageA, 0xEA, 0x60}));
    EXPECT_EQ(recorder.selectedLine(), 1);
}

TEST_F(RecorderTest, DeleteAndInsertDelayOnTheSelectedLine) {
    recorder.show(twoStrokesWithDelay());
    recorder.select(1);
    EXPECT_EQ(recorder.insertDelay(), MacroEdit::OnDelayLine);
    recorder.select(4);
    EXPECT_EQ(recorder.insertDelay(), MacroEdit::LastLine);
    recorder.select(3);
    EXPECT_EQ(recorder.insertDelay(), MacroEdit::Done);
    EXPECT_EQ(recorder.lines(), (Lines{"A  dn", "40 ms", "A  up", "B  dn", "50 ms", "B  up"}));
    recorder.select(1);
    EXPECT_EQ(recorder.deleteSelectedLine(), MacroEdit::Done);
    EXPECT_EQ(recorder.lines(), (Lines{"A  dn", "A  up", "B  dn", "50 ms", "B  up"}));
    recorder.select(-1);
    EXPECT_EQ(recorder.deleteSelectedLine(), MacroEdit::NoSuchLine);
}

} // namespace
} // namespace vantrel
