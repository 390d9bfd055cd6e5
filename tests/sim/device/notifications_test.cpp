// SPDX-License-Identifier: MIT
#include "connection_rig.h"
#include "core/device/command_codes.h"
#include "core/device/model_updates.h"
#include "core/model/configurator_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

using namespace vantrel;
using test::ConnectionRig;
using ::testing::ElementsAre;
using Pair = std::pair<std::uint8_t, std::uint8_t>;

TEST(Notifications, LightingChangesReachBothImageCopies) {
    ConnectionRig rig;
    ASSERT_TRUE(rig.startAndRead().ok());
    ConfiguratorModel model;

    rig.keyboard.changeLightingOnKeyboard(note::kEffect, note::kIgnoredEffectValue);
    rig.keyboard.changeLightingOnKeyboard(note::kSpeed, 3);
    rig.keyboard.changeLightingOnKeyboard(note::kBrightness, 22);
    rig.keyboard.changeLightingOnKeyboard(note::kDirection, 2);
    rig.keyboard.changeLightingOnKeyboard(note::kWristEffect, 4);
    rig.keyboard.changeLightingOnKeyboard(note::kEffect, 0x33);
    ASSERT_TRUE(rig.observer.waitFor([](auto& o) { return o.lighting_.size() >= 5; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    // The 0x32 effect is never reported.
    EXPECT_THAT(rig.observer.lighting_,
                ElementsAre(Pair{6, 3}, Pair{7, 22}, Pair{8, 2}, Pair{11, 4}, Pair{5, 0x33}));

    for (auto [type, value] : rig.observer.lighting_) {
        EXPECT_TRUE(applyDeviceLighting(model, type, value));
    }
    for (const ConfigImage* img : {&model.image(), &model.syncedImage()}) {
        EXPECT_EQ(img->lightSpeed(), 7);
        EXPECT_EQ(img->lightBrightness(), 22);
        EXPECT_EQ(img->lightDirection(), 2);
        EXPECT_EQ(img->wristLighting()[image::kWristEffect], 4);
        EXPECT_EQ(img->lightEffect(), 0x33);
    }
    const ConfigImage before = model.image();
    EXPECT_FALSE(applyDeviceLighting(model, note::kEffect, note::kIgnoredEffectValue));
    EXPECT_FALSE(applyDeviceLighting(model, 9, 1));
    EXPECT_EQ(model.image(), before);
}

TEST(Notifications, KeyActionsAndIgnoredTypes) {
    ConnectionRig rig;
    ASSERT_TRUE(rig.startAndRead().ok());
    for (std::uint8_t type : {2, 3, 9, 10, 12, 0xFF}) {
        rig.keyboard.sendNotification({kNotificationReportId, type, 1, 0});
    }
    rig.keyboard.pressHostActionKey(0x41);
    ASSERT_TRUE(rig.observer.waitFor([](auto& o) { return !o.keys_.empty(); }));
    EXPECT_THAT(rig.observer.keys_, ElementsAre(0x41));
    EXPECT_TRUE(rig.observer.lighting_.empty());
}

TEST(HotPlug, UnrelatedRemovalKeepsTheKeyboardAndArrivalReconnects) {
    ConnectionRig rig;
    ASSERT_TRUE(rig.startAndRead().ok());

    // Some other USB device went away: the keyboard's link stays.
    rig.connection.deviceRemoved();
    EXPECT_TRUE(rig.connection.connected());
    rig.connection.deviceArrived(); // and another one came: nothing to do
    rig.connection.waitIdle();
    EXPECT_EQ(rig.observer.readBacks_.size(), 1u);

    // The keyboard itself goes.
    rig.keyboard.unplug();
    rig.connection.deviceRemoved();
    EXPECT_FALSE(rig.connection.connected());
    EXPECT_EQ(rig.observer.connections_.back(), false);

    // An arrival while it is still away: tries for a while, then waits for the next.
    rig.connection.deviceArrived();
    rig.connection.waitIdle();
    EXPECT_FALSE(rig.connection.connected());

    // It comes back: reconnected at once, re-read (maps twice, version), listening.
    const std::size_t mark = rig.sink.lines().size();
    rig.keyboard.replug();
    rig.connection.deviceArrived();
    rig.connection.waitIdle();
    ASSERT_TRUE(rig.connection.connected());
    ASSERT_EQ(rig.observer.readBacks_.size(), 2u);
    ASSERT_TRUE(rig.observer.readBacks_[1].ok());
    auto sets = rig.sets(mark);
    EXPECT_EQ(sets.front(), "09 01");
    EXPECT_EQ(std::count(sets.begin(), sets.end(), "92 00"), 10);
    EXPECT_EQ(sets.back(), "80 00");
    EXPECT_EQ(rig.observer.connections_.back(), true);

    rig.keyboard.pressHostActionKey(7);
    EXPECT_TRUE(rig.observer.waitFor([](auto& o) { return !o.keys_.empty(); }));
}

TEST(HotPlug, ArrivalNoticesAStaleLinkWithoutARemoval) {
    ConnectionRig rig;
    ASSERT_TRUE(rig.startAndRead().ok());
    // Unplugged and back before any removal was reported: the old handles are dead.
    rig.keyboard.unplug();
    rig.keyboard.replug();
    ASSERT_TRUE(rig.observer.waitFor([](auto&) { return true; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the listener notices
    rig.connection.deviceArrived();
    rig.connection.waitIdle();
    EXPECT_TRUE(rig.connection.connected());
    ASSERT_EQ(rig.observer.readBacks_.size(), 2u);
    EXPECT_TRUE(rig.observer.readBacks_[1].ok());
}

// Right after it appears the keyboard may not answer yet: the re-read is
// tried again while it settles, and only a keyboard that never answers is
// reported.
TEST(HotPlug, AReReadThatFailsRightAfterAnArrivalIsRetried) {
    ConnectionRig rig;
    ASSERT_TRUE(rig.startAndRead().ok());
    // Pulled and plugged in again, answering the first `failures` replies short.
    const auto replug = [&](int failures) {
        rig.keyboard.unplug();
        rig.connection.deviceRemoved();
        rig.keyboard.replug();
        rig.keyboard.shortReplies(failures);
        rig.connection.deviceArrived();
        rig.connection.waitIdle();
    };
    replug(1);
    ASSERT_EQ(rig.observer.readBacks_.size(), 2u);
    EXPECT_TRUE(rig.observer.readBacks_[1].ok()) << rig.observer.readBacks_[1].error().message;
    EXPECT_TRUE(rig.connection.connected());

    replug(1000000);
    ASSERT_EQ(rig.observer.readBacks_.size(), 3u);
    ASSERT_FALSE(rig.observer.readBacks_[2].ok());
    EXPECT_EQ(rig.observer.readBacks_[2].error().code, ErrorCode::DeviceIo);
}

TEST(Connection, StartWithoutKeyboardOrPermission) {
    {
        ConnectionRig rig;
        rig.keyboard.unplug();
        Status s = rig.connection.start();
        ASSERT_FALSE(s);
        EXPECT_EQ(s.error().code, ErrorCode::NoDevice);
        EXPECT_FALSE(rig.connection.connected());
    }
    {
        ConnectionRig rig;
        rig.keyboard.denyPermission(true);
        Status s = rig.connection.start();
        ASSERT_FALSE(s);
        EXPECT_EQ(s.error().code, ErrorCode::PermissionDenied);
    }
}

TEST(Connection, CommandsQueueBehindTheStartUpReadBack) {
    ConnectionOptions real = ConnectionRig::shortOptions();
    ConnectionRig rig(real);
    ASSERT_TRUE(rig.connection.start());
    // Given at once, the apply runs only after the read-back has finished.
    ConfigImage image;
    auto r = rig.apply(image, image);
    ASSERT_TRUE(r.ok());
    auto sets = rig.sets();
    const auto firstWrist = std::find(sets.begin(), sets.end(), "15 00");
    const auto lastMap = std::find(sets.rbegin(), sets.rend(), "92 00");
    ASSERT_NE(firstWrist, sets.end());
    EXPECT_GT(firstWrist - sets.begin(), sets.rend() - lastMap - 1);
    EXPECT_EQ(rig.observer.readBacks_.size(), 1u);
    EXPECT_EQ(rig.connection.vendorId(), kVendorIdPrimary);
    EXPECT_EQ(rig.connection.controlMatchName(), sim::kSimControlMatchName);
}
