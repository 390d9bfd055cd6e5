// SPDX-License-Identifier: MIT
#include "simulator_fixture.h"

#include <thread>

namespace vantrel::sim::testing {
namespace {

TEST_F(SimulatorTest, DroppedAcknowledgementsByCountCodeAndAll) {
    keyboard.dropNextAcks(1);
    set(cmd::kSetReportRate, {{2, 1}});
    set(cmd::kSetReportRate, {{2, 2}});
    EXPECT_EQ(acks(), 1);
    keyboard.dropAcksFor(cmd::kWriteKeyEnableMap);
    set(cmd::kWriteKeyEnableMap, {{4, cmd::kEnableMapByteCount}});
    ASSERT_TRUE(control->writeBlock(block(0)).ok());
    set(cmd::kSetGameMode, {{2, 0}});
    EXPECT_EQ(acks(), 1);
    keyboard.dropAllAcks(true);
    set(cmd::kSetGameMode, {{2, 0}});
    EXPECT_EQ(acks(), 0);
    EXPECT_EQ(keyboard.state().reportRate(), 2); // the command itself took effect
}

TEST_F(SimulatorTest, DelayedAcknowledgementArrivesWithinAWait) {
    keyboard.delayAcks(std::chrono::milliseconds(30));
    set(cmd::kSetReportRate, {{2, 1}});
    auto first = notes->read(std::chrono::milliseconds(0));
    ASSERT_TRUE(first.ok());
    EXPECT_FALSE(first->has_value());
    auto later = notes->read(std::chrono::seconds(10));
    ASSERT_TRUE(later.ok());
    ASSERT_TRUE(later->has_value());
    EXPECT_EQ((**later)[1], note::kAcknowledge);
}

TEST_F(SimulatorTest, WaitingReaderWakesWhenANotificationIsQueued) {
    std::thread keyboardThread([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        keyboard.pressHostActionKey(7);
    });
    auto r = notes->read(std::chrono::seconds(30));
    keyboardThread.join();
    ASSERT_TRUE(r.ok());
    ASSERT_TRUE(r->has_value());
    EXPECT_EQ((**r)[2], 7);
}

TEST_F(SimulatorTest, UnplugAfterTransfersKillsHandlesUntilReplugAndReopen) {
    keyboard.unplugAfter(2);
    set(cmd::kSetReportRate, {{2, 1}});
    EXPECT_TRUE(control->getFeature().ok());
    const Status third = control->setFeature(makeFeatureReport(cmd::kGetReportRate));
    ASSERT_FALSE(third.ok());
    EXPECT_EQ(third.error().code, ErrorCode::Disconnected);
    EXPECT_EQ(notes->read(std::chrono::milliseconds(0)).error().code, ErrorCode::Disconnected);
    EXPECT_TRUE(transport.enumerate()->empty());
    EXPECT_EQ(transport.openControl(kSimControlPath).error().code, ErrorCode::NoDevice);

    keyboard.replug();
    EXPECT_EQ(transport.enumerate()->size(), 3u);
    EXPECT_EQ(control->getFeature().error().code, ErrorCode::Disconnected); // old handle
    open();
    EXPECT_EQ(get(cmd::kGetReportRate)[2], 1); // state survived the unplug
}

TEST_F(SimulatorTest, UnplugWakesAWaitingReader) {
    std::thread unplugger([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        keyboard.unplug();
    });
    auto r = notes->read(std::chrono::seconds(30));
    unplugger.join();
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().code, ErrorCode::Disconnected);
}

TEST_F(SimulatorTest, GarbageAndShortReplies) {
    keyboard.garbageReplies(1);
    ASSERT_TRUE(control->setFeature(makeFeatureReport(cmd::kGetVersion)).ok());
    auto g = control->getFeature();
    ASSERT_TRUE(g.ok());
    EXPECT_NE((*g)[8], featureChecksum(*g));
    keyboard.shortReplies(1);
    auto s = control->getFeature();
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error().code, ErrorCode::DeviceIo);
    EXPECT_TRUE(control->getFeature().ok()); // the knob counts down
}

TEST_F(SimulatorTest, NotificationsWhileNoInterfaceIsOpenAreLost) {
    notes.reset();
    keyboard.pressHostActionKey(1);
    auto n = transport.openNotification(kSimNotificationPath);
    ASSERT_TRUE(n.ok());
    EXPECT_FALSE((*n)->read(std::chrono::milliseconds(0))->has_value());
}

TEST_F(SimulatorTest, PermissionDeniedOnOpen) {
    keyboard.denyPermission(true);
    EXPECT_EQ(transport.openControl(kSimControlPath).error().code, ErrorCode::PermissionDenied);
    EXPECT_EQ(transport.openNotification(kSimNotificationPath).error().code,
              ErrorCode::PermissionDenied);
}

} // namespace
} // namespace vantrel::sim::testing
