// SPDX-License-Identifier: MIT
#include "connection_rig.h"
#include "core/device/device_sequences.h"
#include "core/device/model_updates.h"
#include "core/model/configurator_model.h"
#include "core/model/key_positions.h"
#include "core/model/state_files.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vantrel;
using test::ConnectionRig;

namespace {

int countPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return static_cast<int>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

// A keyboard state with something distinct in every device field.
ConfigImage distinctState() {
    ConfigImage img = sim::SimulatedKeyboard::factoryState();
    img.setReportRate(1);
    img.setKeyResponseTime(6);
    img.setLightEffect(0x34);
    img.setLightSpeed(0);
    img.setLightBrightness(17);
    img.setLightColourIndex(7);
    img.setLightDirection(3);
    img.setGameMode(1); // a read-back starts with mode one, which the keyboard stores as game mode
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        img.setKeyColour(i, Rgb{static_cast<std::uint8_t>(i), 0x40, 0x80});
        img.setWristColour(i, Rgb{0x11, static_cast<std::uint8_t>(i), 0x22});
    }
    auto table = img.keyTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<std::uint8_t>(i * 7);
    }
    img.keyEnableMap()[1] = 0xFE; // Windows key locked
    for (std::size_t s = 0; s < image::kMacroSlotCount; ++s) {
        auto slot = img.macroSlot(s);
        std::fill(slot.begin(), slot.end(), static_cast<std::uint8_t>(s + 1));
    }
    for (std::size_t m = 0; m < image::kColourMapCount; ++m) {
        img.setColourMapEntry(m, 0x14, Rgb{static_cast<std::uint8_t>(m), 1, 2});
    }
    auto wrist = img.wristLighting();
    wrist[1] = 0x5A;
    wrist[2] = 3;
    wrist[3] = 2;
    wrist[6] = 0xA5;
    return img;
}

} // namespace

TEST(ReadBack, MovesTheWholeKeyboardWithItsPacing) {
    ConnectionRig rig;
    rig.keyboard.setState(distinctState());
    rig.keyboard.setFirmwareVersion({2, 7});
    auto snap = rig.startAndRead();
    ASSERT_TRUE(snap.ok()) << snap.error().message;

    const auto lines = rig.controlLines();
    EXPECT_EQ(countPrefix(lines, "> set-feature") + countPrefix(lines, "< get-feature"),
              kReadBackFeatureReports);
    EXPECT_EQ(countPrefix(lines, "< read"), kReadBackBlockReads);
    EXPECT_EQ(countPrefix(lines, "> write"), 0);
    // Pauses: mode one 20, version 20, lighting 10, wrist record 120, the
    // two palettes 28, switches 45, colour maps 5 x 50; a yield per slot.
    EXPECT_EQ(rig.pacer.total().count(), 493);
    const auto events = rig.pacer.events();
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const PacerEvent& e) { return e.kind == PacerEvent::Kind::Yield; }),
              32);

    // The order of the commands.
    std::vector<std::string> expected = {"09 01", "80 00", "88 00", "95 00"};
    for (int i = 0; i < 7; ++i) {
        expected.push_back("94 00");
    }
    for (int i = 0; i < 7; ++i) {
        expected.push_back("96 00");
    }
    expected.insert(expected.end(), {"89 00", "81 00", "84 00", "8D 00", "8E 00"});
    for (int i = 0; i < 32; ++i) {
        expected.push_back("91 00");
    }
    for (int i = 0; i < 5; ++i) {
        expected.push_back("92 00");
    }
    EXPECT_EQ(rig.sets(), expected);

    // Every area came back as the keyboard holds it.
    const ConfigImage want = rig.keyboard.state();
    const ConfigImage& got = snap->image;
    EXPECT_EQ(got.reportRate(), want.reportRate());
    EXPECT_EQ(got.keyResponseTime(), want.keyResponseTime());
    EXPECT_EQ(got.lightEffect(), 0x34);
    EXPECT_EQ(got.lightSpeed(), 0);
    EXPECT_EQ(got.lightBrightness(), 17);
    EXPECT_EQ(got.lightColourIndex(), 7);
    EXPECT_EQ(got.lightDirection(), 3);
    EXPECT_EQ(got.gameMode(), 1);
    EXPECT_TRUE(std::ranges::equal(got.keyTable(), want.keyTable()));
    EXPECT_TRUE(std::ranges::equal(got.keyEnableMap(), want.keyEnableMap()));
    EXPECT_EQ(got.winLock(), 1);
    for (std::size_t s = 0; s < image::kMacroSlotCount; ++s) {
        EXPECT_TRUE(std::ranges::equal(got.macroSlot(s), want.macroSlot(s))) << s;
    }
    for (std::size_t m = 0; m < image::kColourMapCount; ++m) {
        EXPECT_TRUE(std::ranges::equal(got.colourMap(m), want.colourMap(m))) << m;
    }
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        EXPECT_EQ(got.keyColour(i), want.keyColour(i));
        EXPECT_EQ(got.wristColour(i), want.wristColour(i));
    }
    EXPECT_TRUE(
        std::ranges::equal(got.wristLighting().subspan(1, 6), want.wristLighting().subspan(1, 6)));
    EXPECT_EQ(got.wristLighting()[0], 0x95); // the reply's command byte
    EXPECT_EQ(snap->firmware, (FirmwareVersion{2, 7}));
}

TEST(ReadBack, DeviceValuesWinOverKeymapFile) {
    vantrel::testing::TempDir dir;
    ConnectionRig rig;
    rig.keyboard.setState(distinctState());
    auto snap = rig.startAndRead();
    ASSERT_TRUE(snap.ok());

    // keymap.bin from an earlier run: other device values, own reserved bytes.
    ConfigImage old;
    old.setReportRate(0);
    old.setLightBrightness(3);
    old.setByteAt(image::kReserved0, 0xAB);
    old.setByteAt(image::kReserved1 + 5, 0xCD);
    old.setByteAt(image::kReserved2, 0xEF);
    old.setByteAt(image::kEnableMapReserved + 2, 0x42);
    AssignmentTable table;
    table[3].setKind(AssignmentKind::LaunchProgram);
    ASSERT_TRUE(SaveKeymapFile(dir / "keymap.bin", old, table));

    ConfiguratorModel model;
    ASSERT_TRUE(LoadKeymapFile(dir / "keymap.bin", model.image(), model.assignments(), false));
    applyReadBackToModel(model, *snap);
    EXPECT_EQ(model.image().reportRate(), 1);
    EXPECT_EQ(model.image().lightBrightness(), 17);
    EXPECT_EQ(model.image().byteAt(image::kReserved0), 0xAB);
    EXPECT_EQ(model.image().byteAt(image::kReserved1 + 5), 0xCD);
    EXPECT_EQ(model.image().byteAt(image::kReserved2), 0xEF);
    EXPECT_EQ(model.image().byteAt(image::kEnableMapReserved + 2), 0x42);
    EXPECT_EQ(model.syncedImage(), model.image());
    EXPECT_EQ(model.assignments()[3].kind(), 5);
}

TEST(ReadBack, WrittenAreasReadBackEqual) {
    ConnectionRig rig;
    auto first = rig.startAndRead();
    ASSERT_TRUE(first.ok());
    const ConfigImage synced = first->image;
    ConfigImage edited = synced;
    const ConfigImage target = distinctState();
    mergeDeviceFields(edited, target);
    edited.setWinLock(1);
    edited.setGameMode(1);
    auto applied = rig.apply(edited, synced);
    ASSERT_TRUE(applied.ok()) << applied.error().message;
    EXPECT_TRUE(applied->sentChanges);

    auto again = rig.readBack();
    ASSERT_TRUE(again.ok());
    ConfigImage want = applied->image;
    ConfigImage got = again->image;
    // Byte 0 of the wrist-rest record is the command byte of the last
    // transfer and byte 7 the reply's checksum; neither is a setting.
    want.wristLighting()[0] = got.wristLighting()[0];
    want.wristLighting()[7] = got.wristLighting()[7];
    ConfigImage gotMerged;
    mergeDeviceFields(gotMerged, got);
    ConfigImage wantMerged;
    mergeDeviceFields(wantMerged, want);
    EXPECT_EQ(gotMerged, wantMerged);
}

TEST(ReReadAndReset, ReReadOrderAndFactoryReset) {
    ConnectionRig rig;
    rig.keyboard.setState(distinctState());
    ASSERT_TRUE(rig.startAndRead().ok());
    const std::size_t mark = rig.sink.lines().size();

    std::promise<Result<DeviceSnapshot>> p;
    rig.connection.factoryReset([&p](Result<DeviceSnapshot> r) { p.set_value(std::move(r)); });
    auto snap = p.get_future().get();
    ASSERT_TRUE(snap.ok());
    auto sets = rig.sets(mark);
    ASSERT_GE(sets.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(sets.begin(), sets.begin() + 5),
              (std::vector<std::string>{"13 FF", "09 01", "09 01", "09 01", "88 00"}));
    EXPECT_EQ(sets.back(), "96 00");
    EXPECT_EQ(snap->image.lightBrightness(),
              sim::SimulatedKeyboard::factoryState().lightBrightness());
    EXPECT_EQ(snap->image.keyEnableMap()[1], 0xFF);

    ConfiguratorModel model;
    model.image().setByteAt(image::kReserved0, 9);
    model.image().keyEnableMap()[4] = 0;
    model.assignments()[5].setKind(AssignmentKind::Macro);
    model.marks().set(5, true);
    applyFactoryResetToModel(model, *snap);
    EXPECT_FALSE(model.marks().marked(5));
    EXPECT_TRUE(
        std::ranges::all_of(model.image().keyEnableMap(), [](auto b) { return b == 0xFF; }));
    EXPECT_EQ(model.image().byteAt(image::kEnableMapReserved + 2), 0xFF);
    EXPECT_EQ(model.assignments()[5].kind(), 0);
    EXPECT_EQ(model.assignments()[0].ownKey(), KeyPositionVk(0));
    EXPECT_EQ(model.image().byteAt(image::kReserved0), 9);
    EXPECT_EQ(model.syncedImage(), model.image());
    EXPECT_EQ(model.syncedAssignments(), model.assignments());
}
