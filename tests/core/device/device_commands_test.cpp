// SPDX-License-Identifier: MIT
#include "core/device/device_commands.h"
#include "scripted_control.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vantrel;
using test::hex;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

using test::Rig;

FeatureReport reply(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    FeatureReport r{};
    for (auto [i, v] : bytes) {
        r[i] = v;
    }
    return r;
}

std::string set(const char* bytes) {
    return std::string("> set-feature ") + bytes;
}
std::string get(const FeatureReport& r) {
    return "< get-feature " + hex(r);
}

} // namespace

TEST(DeviceCommands, ChecksumsOfTheKnownFrames) {
    Rig rig;
    ASSERT_TRUE(rig.commands.getReportRate(rig.image));
    ASSERT_TRUE(rig.commands.resetDevice());
    rig.image.setKeyColour(2, Rgb{0x10, 0x20, 0x30});
    ASSERT_TRUE(rig.commands.setKeyColour(rig.image, 2));
    EXPECT_EQ(rig.log[0], set("00 81 00 00 00 00 00 00 7E"));
    EXPECT_EQ(rig.log[4], set("00 13 FF 00 00 00 00 00 ED"));
    EXPECT_EQ(rig.log[6], set("00 14 00 02 10 20 30 00 89"));
}

TEST(DeviceCommands, SetCommandsSendTheirFieldAndPause) {
    Rig rig;
    auto& img = rig.image;
    img.setReportRate(2);
    img.setKeyResponseTime(7);
    img.setLightEffect(0x33);
    img.setLightSpeed(0); // goes out as 10
    img.setLightBrightness(50);
    img.setLightColourIndex(8);
    img.setLightDirection(4);
    img.setGameMode(1);
    img.setWristColour(6, Rgb{1, 2, 3});

    struct Case {
        std::function<Status()> op;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {[&] { return rig.commands.setReportRate(img); },
         {set("00 01 02 00 00 00 00 00 FC"), "pause 10"}},
        {[&] { return rig.commands.setKeyResponseTime(img); },
         {set("00 04 07 00 00 00 00 00 F4"), "pause 10"}},
        {[&] { return rig.commands.setLightingBegin(img); },
         {set("00 08 01 33 0A 00 08 04 AD"), "pause 10"}},
        {[&] { return rig.commands.setLightingEnd(img); },
         {set("00 08 02 33 0A 32 08 04 7A"), "pause 10"}},
        {[&] { return rig.commands.setGameMode(img); },
         {set("00 09 01 00 00 00 00 00 F5"), "pause 20"}},
        {[&] { return rig.commands.setModeOne(); },
         {set("00 09 01 00 00 00 00 00 F5"), "pause 20"}},
        {[&] { return rig.commands.setWristColour(img, 6); },
         {set("00 16 00 06 01 02 03 00 DD"), "pause 20"}},
        {[&] { return rig.commands.resetSequence(); },
         {set("00 13 FF 00 00 00 00 00 ED"), "pause 300", set("00 09 01 00 00 00 00 00 F5"),
          "pause 300", set("00 09 01 00 00 00 00 00 F5"), "pause 300"}},
    };
    for (const auto& c : cases) {
        rig.log.clear();
        ASSERT_TRUE(c.op());
        EXPECT_EQ(rig.log, c.expected);
    }
}

TEST(DeviceCommands, GameModeAppliesTheWindowsKeyLockAfterSending) {
    Rig rig;
    rig.image.keyEnableMap()[0] = 0xFF;
    rig.image.setWinLock(1);
    ASSERT_TRUE(rig.commands.setGameMode(rig.image));
    EXPECT_EQ(rig.image.keyEnableMap()[0], 0xFD);
    rig.image.setWinLock(0);
    ASSERT_TRUE(rig.commands.setGameMode(rig.image));
    EXPECT_EQ(rig.image.keyEnableMap()[0], 0xFF);
}

TEST(DeviceCommands, WristLightingCommandByteRules) {
    Rig rig;
    auto w = rig.image.wristLighting();
    const std::uint8_t bytes[8] = {0x95, 0xA1, 3, 2, 1, 5, 0xB6, 0x77};
    std::copy(std::begin(bytes), std::end(bytes), w.begin());
    ASSERT_TRUE(rig.commands.setWristLighting(rig.image));
    // Bytes 0-6 of the record as report bytes 1-7, code written first; no pause.
    EXPECT_THAT(rig.log, ElementsAre(set("00 15 A1 03 02 01 05 B6 88")));
    EXPECT_EQ(w[0], 0x15);
    EXPECT_EQ(w[7], 0x77);

    rig.log.clear();
    rig.control.queueReply(
        reply({{1, 0x95}, {2, 9}, {3, 4}, {4, 3}, {5, 2}, {6, 1}, {7, 8}, {8, 0x42}}));
    ASSERT_TRUE(rig.commands.getWristLighting(rig.image));
    EXPECT_THAT(std::vector<std::uint8_t>(w.begin(), w.end()),
                ElementsAre(0x95, 9, 4, 3, 2, 1, 8, 0x42));
    EXPECT_EQ(rig.log[0], set("00 95 00 00 00 00 00 00 6A"));
    EXPECT_EQ(rig.log[1], "pause 20");
    EXPECT_EQ(rig.log[3], "pause 100");
}

TEST(DeviceCommands, GetCommandsStoreTheirReplyBytesWithTheirPauses) {
    Rig rig;
    auto& img = rig.image;
    auto& c = rig.control;
    const auto rr = reply({{1, 0x81}, {2, 3}});
    c.queueReply(rr);
    ASSERT_TRUE(rig.commands.getReportRate(img));
    EXPECT_EQ(img.reportRate(), 3);
    EXPECT_THAT(rig.log,
                ElementsAre(set("00 81 00 00 00 00 00 00 7E"), "pause 10", get(rr), "pause 10"));

    rig.log.clear();
    const auto rt = reply({{2, 9}});
    c.queueReply(rt);
    ASSERT_TRUE(rig.commands.getKeyResponseTime(img));
    EXPECT_EQ(img.keyResponseTime(), 9);
    EXPECT_THAT(rig.log,
                ElementsAre(set("00 84 00 00 00 00 00 00 7B"), "pause 10", get(rt), "pause 10"));

    rig.log.clear();
    const auto gm = reply({{2, 1}});
    c.queueReply(gm);
    ASSERT_TRUE(rig.commands.getGameMode(img));
    EXPECT_EQ(img.gameMode(), 1);
    EXPECT_THAT(rig.log, ElementsAre(set("00 89 00 00 00 00 00 00 76"), "pause 5", get(gm)));

    rig.log.clear();
    const auto kc = reply({{3, 4}, {4, 0xAA}, {5, 0xBB}, {6, 0xCC}});
    c.queueReply(kc);
    ASSERT_TRUE(rig.commands.getKeyColour(img, 4));
    EXPECT_EQ(img.keyColour(4), (Rgb{0xAA, 0xBB, 0xCC}));
    EXPECT_THAT(rig.log,
                ElementsAre(set("00 94 00 04 00 00 00 00 67"), "pause 1", get(kc), "pause 1"));

    rig.log.clear();
    c.queueReply(kc);
    ASSERT_TRUE(rig.commands.getWristColour(img, 4));
    EXPECT_EQ(img.wristColour(4), (Rgb{0xAA, 0xBB, 0xCC}));
    EXPECT_THAT(rig.log,
                ElementsAre(set("00 96 00 04 00 00 00 00 65"), "pause 1", get(kc), "pause 1"));
}

TEST(DeviceCommands, LightingSpeedIsConvertedBothWays) {
    Rig rig;
    rig.control.queueReply(reply({{3, 0x05}, {4, 10}, {5, 40}, {6, 3}, {7, 2}}));
    ASSERT_TRUE(rig.commands.getLighting(rig.image));
    EXPECT_EQ(rig.image.lightEffect(), 5);
    EXPECT_EQ(rig.image.lightSpeed(), 0);
    EXPECT_EQ(rig.image.lightBrightness(), 40);
    EXPECT_EQ(rig.image.lightColourIndex(), 3);
    EXPECT_EQ(rig.image.lightDirection(), 2);
    // Request, 10 ms, reply, no pause after.
    EXPECT_EQ(rig.log.size(), 3u);
    EXPECT_EQ(rig.log[1], "pause 10");

    rig.control.queueReply(reply({{4, 1}}));
    ASSERT_TRUE(rig.commands.getLighting(rig.image));
    EXPECT_EQ(rig.image.lightSpeed(), 9);

    rig.log.clear();
    rig.image.setLightSpeed(9);
    ASSERT_TRUE(rig.commands.setLightingEnd(rig.image));
    EXPECT_EQ(rig.log[0].substr(14, 14), "00 08 02 00 01");
}

TEST(DeviceCommands, VersionReplyAndVersion) {
    Rig rig;
    rig.control.queueReply(reply({{1, 0x80}, {2, 1}, {3, 3}, {4, 7}, {8, 0x99}}));
    FirmwareVersionReply r{};
    FirmwareVersion v{9, 9};
    ASSERT_TRUE(rig.commands.getVersion(r, v));
    EXPECT_EQ(v.major, 1);
    EXPECT_EQ(v.minor, 3);
    EXPECT_EQ(v.toString(), "1.3");
    EXPECT_THAT(r, ElementsAre(0x80, 1, 3, 7, 0, 0, 0, 0x99));
    EXPECT_THAT(rig.log, ElementsAre(set("00 80 00 00 00 00 00 00 7F"), "pause 10",
                                     ::testing::StartsWith("< get-feature"), "pause 10"));
}

TEST(DeviceCommands, FailedRepliesKeepTheOldValueAndReportTheError) {
    Rig rig;
    rig.image.setReportRate(2);
    rig.image.setLightSpeed(4);
    rig.control.failGets();
    Status s = rig.commands.getReportRate(rig.image);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.error().code, ErrorCode::DeviceIo);
    EXPECT_FALSE(rig.commands.getLighting(rig.image));
    EXPECT_EQ(rig.image.reportRate(), 2);
    EXPECT_EQ(rig.image.lightSpeed(), 4);

    Rig sendFails;
    sendFails.control.failSetsAfter(0);
    EXPECT_FALSE(sendFails.commands.setReportRate(sendFails.image));
    EXPECT_THAT(sendFails.log, ElementsAre(set("00 01 00 00 00 00 00 00 FE")));
}

TEST(DeviceCommands, ArgumentsOutOfRangeSendNothing) {
    Rig rig;
    EXPECT_FALSE(rig.commands.setKeyColour(rig.image, 7));
    EXPECT_FALSE(rig.commands.getWristColour(rig.image, 7));
    EXPECT_FALSE(rig.commands.readMacroSlot(rig.image, 32));
    EXPECT_FALSE(rig.commands.writeColourMap(rig.image, 5));
    EXPECT_TRUE(rig.log.empty());
}
