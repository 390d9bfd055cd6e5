// SPDX-License-Identifier: MIT
#include "core/model/change_set.h"
#include "core/model/config_image.h"
#include "core/model/key_positions.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(ConfigImage, FieldsSitAtTheirOffsets) {
    ConfigImage img;
    EXPECT_EQ(img.bytes().size(), 10088u);
    img.setReportRate(3);
    img.setKeyResponseTime(9);
    img.setLightEffect(0x33);
    img.setLightSpeed(7);
    img.setLightBrightness(50);
    img.setLightColourIndex(8);
    img.setLightDirection(4);
    img.setGameMode(1);
    img.setWinLock(1);
    img.setKeyColour(0, {1, 2, 3});
    img.setKeyColour(6, {4, 5, 6});
    img.setWristColour(0, {7, 8, 9});
    img.setWristColour(6, {10, 11, 12});
    img.keyTable()[0] = 0xA1;
    img.keyTable()[511] = 0xA2;
    img.macroSlot(0)[0] = 0xB1;
    img.macroSlot(31)[191] = 0xB2;
    img.keyEnableMap()[0] = 0xC1;
    img.keyEnableMap()[17] = 0xC2;
    img.colourMap(0)[0] = 0xD1;
    img.colourMap(4)[511] = 0xD2;
    img.wristLighting()[0] = 0xE1;
    img.wristLighting()[7] = 0xE2;

    const auto b = img.bytes();
    EXPECT_EQ(b[0x000B], 3);
    EXPECT_EQ(b[0x0318], 0xA1);
    EXPECT_EQ(b[0x0318 + 511], 0xA2);
    EXPECT_EQ(b[0x0518], 0xB1);
    EXPECT_EQ(b[0x0518 + 32 * 192 - 1], 0xB2);
    EXPECT_EQ(b[0x1D19], 9);
    EXPECT_EQ(b[0x1D1A], 0x33);
    EXPECT_EQ(b[0x1D1B], 7);
    EXPECT_EQ(b[0x1D1C], 50);
    EXPECT_EQ(b[0x1D1D], 8);
    EXPECT_EQ(b[0x1D1E], 4);
    EXPECT_EQ(b[0x1D1F], 1);
    EXPECT_EQ(b[0x1D21], 3);
    EXPECT_EQ(b[0x1D1F + 18], 4);
    EXPECT_EQ(b[0x1D33], 6);
    EXPECT_EQ(b[0x1D34], 1);
    EXPECT_EQ(b[0x1D35], 0xC1);
    EXPECT_EQ(b[0x1D35 + 17], 0xC2);
    EXPECT_EQ(b[0x1D4A], 1);
    EXPECT_EQ(b[0x1D4B], 0xD1);
    EXPECT_EQ(b[0x1D4B + 5 * 512 - 1], 0xD2);
    EXPECT_EQ(b[0x274B], 0xE1);
    EXPECT_EQ(b[0x274B + 7], 0xE2);
    EXPECT_EQ(b[0x2753], 7);
    EXPECT_EQ(b[0x2753 + 20], 12);
    EXPECT_EQ(0x2753 + 21, 10088);
}

TEST(ConfigImage, KeyTableIsRowMajorColourMapsAreColumnMajor) {
    ConfigImage img;
    const auto c = KeyPositionMatrixCode(0); // Esc: column 0, row 5
    img.keyTableEntry(c)[2] = 0x29;
    EXPECT_EQ(img.bytes()[image::kKeyTable + 420 + 2], 0x29);
    img.setColourMapEntry(2, c, {0x10, 0x20, 0x30});
    const auto at = image::kColourMaps + 2 * 512 + c;
    EXPECT_EQ(img.bytes()[at], 0);
    EXPECT_EQ(img.bytes()[at + 1], 0x10);
    EXPECT_EQ(img.bytes()[at + 3], 0x30);
    EXPECT_EQ(img.colourMapEntry(2, c), (Rgb{0x10, 0x20, 0x30}));
    // The numeric keypad's "." (column 19, row 0) lands at row-major slot 19.
    EXPECT_EQ(keyTableEntryOffset(KeyPositionMatrixCode(107)), 19u * 4u);
}

TEST(ConfigImage, EnableBitsAndWindowsKeyLock) {
    ConfigImage img;
    img.enableAllKeys();
    for (std::size_t i = 0; i < 21; ++i) {
        EXPECT_EQ(img.bytes()[image::kKeyEnableMap + i], 0xFF);
    }
    img.setKeyEnabled(KeyPositionEnableBit(63), false); // A: bit 49
    EXPECT_EQ(img.keyEnableMap()[6], 0xFD);
    EXPECT_FALSE(img.keyEnabled(49));

    img.setWinLock(1);
    img.applyWinLock();
    EXPECT_EQ(img.keyEnableMap()[0] & 0x02, 0);
    EXPECT_FALSE(img.keyEnabled(KeyPositionEnableBit(96)));
    img.setWinLock(0);
    img.applyWinLock();
    EXPECT_EQ(img.keyEnableMap()[0] & 0x02, 0x02);

    img.keyEnableMap()[1] = 0xFE;
    img.deriveWinLock();
    EXPECT_EQ(img.winLock(), 1);
    img.keyEnableMap()[1] = 0x01;
    img.deriveWinLock();
    EXPECT_EQ(img.winLock(), 0);
}

TEST(ConfigImage, OutOfRangeIndicesThrow) {
    ConfigImage img;
    EXPECT_THROW(img.macroSlot(32), std::out_of_range);
    EXPECT_THROW(img.colourMap(5), std::out_of_range);
    EXPECT_THROW(img.setKeyEnabled(144, true), std::out_of_range);
}

TEST(ChangeSet, ReservedBytesNeverCauseATransfer) {
    ConfigImage a, b;
    b.setByteAt(image::kReserved0, 1);
    b.setByteAt(image::kReserved1 + 100, 1);
    b.setByteAt(image::kReserved2, 1);
    b.setByteAt(image::kEnableMapReserved, 1);
    b.setByteAt(image::kWinLock, 1);
    b.wristLighting()[2] = 3;
    b.setWristColour(1, {1, 1, 1});
    EXPECT_FALSE(computeChanges(b, a).anything());
}

TEST(ChangeSet, EachGroupIsSeenOnItsOwn) {
    const ConfigImage synced;
    {
        ConfigImage c = synced;
        c.setKeyColour(3, {0, 0, 1});
        const auto s = computeChanges(c, synced);
        EXPECT_TRUE(s.colours);
        EXPECT_TRUE(s.otherThanLighting());
        EXPECT_FALSE(s.lighting);
    }
    {
        ConfigImage c = synced;
        c.setColourMapEntry(3, KeyPositionMatrixCode(10), {1, 2, 3});
        const auto s = computeChanges(c, synced);
        ChangeSet want;
        want.maps[3] = true;
        EXPECT_EQ(s, want);
    }
    {
        ConfigImage c = synced;
        c.macroSlot(7)[100] = 1;
        c.macroSlot(30)[0] = 1;
        const auto s = computeChanges(c, synced);
        ChangeSet want;
        want.slots[7] = true;
        want.slots[30] = true;
        EXPECT_EQ(s, want);
    }
    {
        ConfigImage c = synced;
        c.setLightBrightness(20);
        const auto s = computeChanges(c, synced);
        EXPECT_TRUE(s.lighting);
        EXPECT_FALSE(s.otherThanLighting());
        EXPECT_TRUE(s.anything());
    }
    {
        ConfigImage c = synced;
        c.setGameMode(1);
        c.setReportRate(2);
        c.setKeyResponseTime(4);
        c.keyTable()[511] = 1; // bytes that belong to no key still count
        c.keyEnableMap()[17] = 1;
        const auto s = computeChanges(c, synced);
        EXPECT_TRUE(s.gameMode && s.reportRate && s.responseTime && s.keyTable && s.enableMap);
    }
}

} // namespace
} // namespace vantrel
