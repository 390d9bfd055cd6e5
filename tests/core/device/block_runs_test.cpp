// SPDX-License-Identifier: MIT
#include "core/device/device_commands.h"
#include "scripted_control.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vantrel;
using ::testing::ElementsAre;

namespace {

using test::Rig;

// The log with every transfer reduced to its kind (and command code for
// feature reports), so that orders and pauses read at a glance.
std::vector<std::string> shape(const std::vector<std::string>& log) {
    std::vector<std::string> out;
    for (const auto& line : log) {
        if (line.rfind("> set-feature", 0) == 0) {
            out.push_back("set " + line.substr(17, 2));
        } else if (line.rfind("< get-feature", 0) == 0) {
            out.push_back("get");
        } else if (line.rfind("> write", 0) == 0) {
            out.push_back("write");
        } else if (line.rfind("< read", 0) == 0) {
            out.push_back("read");
        } else {
            out.push_back(line);
        }
    }
    return out;
}

BlockReport block(std::uint8_t fill) {
    BlockReport b{};
    std::fill(b.begin() + 1, b.end(), fill);
    return b;
}

} // namespace

TEST(BlockRuns, KeyTableWriteAndRead) {
    Rig rig;
    auto table = rig.image.keyTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = static_cast<std::uint8_t>(i);
    }
    ASSERT_TRUE(rig.commands.writeKeyTable(rig.image));
    EXPECT_EQ(rig.log[0], "> set-feature 00 0D 00 00 08 00 00 00 EA");
    EXPECT_THAT(shape(rig.log),
                ElementsAre("set 0D", "pause 50", "write", "write", "write", "write", "write",
                            "write", "write", "write", "pause 60"));
    const auto& w = rig.control.written();
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(w[k][0], 0);
        EXPECT_TRUE(std::equal(w[k].begin() + 1, w[k].end(), table.begin() + 64 * k));
    }

    // The read fills all 512 bytes, the 8 that belong to no key included.
    rig.log.clear();
    for (std::uint8_t k = 0; k < 8; ++k) {
        rig.control.queueBlock(block(0xA0 + k));
    }
    ASSERT_TRUE(rig.commands.readKeyTable(rig.image));
    EXPECT_THAT(shape(rig.log), ElementsAre("set 8D", "get", "read", "read", "read", "read", "read",
                                            "read", "read", "read"));
    EXPECT_EQ(table[0], 0xA0);
    EXPECT_EQ(table[511], 0xA7);
}

TEST(BlockRuns, EnableMapBlockIsZeroPaddedAndReadDerivesWinLock) {
    Rig rig;
    std::fill(rig.image.keyEnableMap().begin(), rig.image.keyEnableMap().end(), 0xEE);
    rig.image.setByteAt(image::kEnableMapReserved, 0xFF); // behind the map: never sent
    ASSERT_TRUE(rig.commands.writeKeyEnableMap(rig.image));
    EXPECT_EQ(rig.log[0], "> set-feature 00 0E 00 00 12 00 00 00 DF");
    EXPECT_THAT(shape(rig.log), ElementsAre("set 0E", "pause 10", "write"));
    const auto& b = rig.control.written().at(0);
    EXPECT_TRUE(std::all_of(b.begin() + 1, b.begin() + 19, [](auto v) { return v == 0xEE; }));
    EXPECT_TRUE(std::all_of(b.begin() + 19, b.end(), [](auto v) { return v == 0; }));

    rig.log.clear();
    BlockReport in = block(0xFF);
    in[2] = 0xFE; // map byte 1, bit 0 clear: Windows key locked
    rig.control.queueBlock(in);
    rig.image.setByteAt(image::kEnableMapReserved, 0x11);
    ASSERT_TRUE(rig.commands.readKeyEnableMap(rig.image));
    EXPECT_EQ(rig.log[0], "> set-feature 00 8E 00 00 12 00 00 00 5F");
    EXPECT_THAT(shape(rig.log), ElementsAre("set 8E", "get", "read"));
    EXPECT_EQ(rig.image.keyEnableMap()[1], 0xFE);
    EXPECT_EQ(rig.image.byteAt(image::kEnableMapReserved), 0x11);
    EXPECT_EQ(rig.image.winLock(), 1);
}

TEST(BlockRuns, MacroSlotIsSentWholeFromTheCallersBuffer) {
    Rig rig;
    std::array<std::uint8_t, image::kMacroSlotSize> buffer{};
    buffer[0] = 0x11;
    buffer[191] = 0x22;
    ASSERT_TRUE(rig.commands.writeMacroSlot(31, buffer));
    EXPECT_EQ(rig.log[0], "> set-feature 00 11 00 1F 03 00 00 00 CC");
    EXPECT_THAT(shape(rig.log),
                ElementsAre("set 11", "pause 1", "write", "yield", "write", "yield", "write"));
    EXPECT_EQ(rig.control.written()[0][1], 0x11);
    EXPECT_EQ(rig.control.written()[2][64], 0x22);

    rig.log.clear();
    for (std::uint8_t k = 0; k < 3; ++k) {
        rig.control.queueBlock(block(k + 1));
    }
    ASSERT_TRUE(rig.commands.readMacroSlot(rig.image, 5));
    EXPECT_EQ(rig.log[0], "> set-feature 00 91 00 05 00 00 00 00 69");
    EXPECT_THAT(shape(rig.log), ElementsAre("set 91", "get", "read", "read", "read"));
    EXPECT_EQ(rig.image.macroSlot(5)[0], 1);
    EXPECT_EQ(rig.image.macroSlot(5)[191], 3);
    EXPECT_EQ(rig.image.macroSlot(4)[191], 0);
    EXPECT_EQ(rig.image.macroSlot(6)[0], 0);
}

TEST(BlockRuns, ColourMapsArePacedEveryBlock) {
    Rig rig;
    ASSERT_TRUE(rig.commands.writeColourMap(rig.image, 4));
    EXPECT_EQ(rig.log[0], "> set-feature 00 12 00 04 08 00 00 00 E1");
    std::vector<std::string> expected = {"set 12", "pause 5"};
    for (int k = 0; k < 8; ++k) {
        expected.insert(expected.end(), {"write", "pause 5"});
    }
    EXPECT_EQ(shape(rig.log), expected);

    rig.log.clear();
    ASSERT_TRUE(rig.commands.readColourMap(rig.image, 2));
    EXPECT_EQ(rig.log[0], "> set-feature 00 92 00 02 08 00 00 00 63");
    expected = {"set 92", "pause 5", "get", "pause 5"};
    for (int k = 0; k < 8; ++k) {
        expected.insert(expected.end(), {"read", "pause 5"});
    }
    EXPECT_EQ(shape(rig.log), expected);
}

TEST(BlockRuns, ABrokenReadLeavesTheAreaAsItWas) {
    Rig rig;
    std::fill(rig.image.colourMap(1).begin(), rig.image.colourMap(1).end(), 0x5A);
    for (int k = 0; k < 8; ++k) {
        rig.control.queueBlock(block(0x01));
    }
    rig.control.failReadsAfter(3);
    Status s = rig.commands.readColourMap(rig.image, 1);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.error().code, ErrorCode::DeviceIo);
    EXPECT_TRUE(std::all_of(rig.image.colourMap(1).begin(), rig.image.colourMap(1).end(),
                            [](auto v) { return v == 0x5A; }));
}
