// SPDX-License-Identifier: MIT
#include "hid/sim/simulated_keyboard.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace vantrel::sim {
namespace {

TEST(SimulatorStateFile, RoundTripsStateAndFirmwareVersion) {
    vantrel::testing::TempDir dir;
    SimulatedKeyboard a;
    ConfigImage img = a.state();
    img.setLightEffect(0x33);
    img.macroSlot(5)[17] = 0x99;
    a.setState(img);
    a.setFirmwareVersion({2, 7});
    ASSERT_TRUE(a.saveState(dir / "kb.state").ok());

    SimulatedKeyboard b;
    ASSERT_TRUE(b.loadState(dir / "kb.state").ok());
    EXPECT_EQ(b.state(), img);
    EXPECT_EQ(b.firmwareVersion(), (FirmwareVersion{2, 7}));
}

TEST(SimulatorStateFile, RefusesBadFilesAndKeepsItsState) {
    vantrel::testing::TempDir dir;
    SimulatedKeyboard kb;
    kb.setFirmwareVersion({3, 3});
    ASSERT_TRUE(kb.saveState(dir / "good").ok());
    { std::ofstream(dir / "short", std::ios::binary) << "VNTRLSIM"; }
    std::ifstream in(dir / "good", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    bytes[0] = 'X';
    std::ofstream(dir / "magic", std::ios::binary) << bytes;
    bytes[0] = 'V';
    bytes[8] = 9;
    std::ofstream(dir / "version", std::ios::binary) << bytes;

    SimulatedKeyboard fresh;
    for (const char* name : {"short", "magic", "version"}) {
        const Status s = fresh.loadState(dir / name);
        ASSERT_FALSE(s.ok()) << name;
        EXPECT_EQ(s.error().code, ErrorCode::BadFile) << name;
        EXPECT_NE(s.error().message.find(name), std::string::npos) << s.error().message;
    }
    EXPECT_EQ(fresh.loadState(dir / "missing").error().code, ErrorCode::Io);
    EXPECT_EQ(fresh.state(), SimulatedKeyboard::factoryState());
    EXPECT_EQ(fresh.firmwareVersion(), (FirmwareVersion{1, 4}));
}

TEST(SimulatorStateFile, OnlyAMissingFileIsAFreshKeyboard) {
    vantrel::testing::TempDir dir;
    SimulatedKeyboard kb;
    EXPECT_TRUE(kb.loadStateIfPresent(dir / "missing").ok());
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

    std::filesystem::create_directory(dir / "folder");
    const Status folder = kb.loadStateIfPresent(dir / "folder");
    ASSERT_FALSE(folder.ok());
    EXPECT_NE(folder.error().message.find("folder is a folder"), std::string::npos)
        << folder.error().message;

#ifndef _WIN32 // Windows reports such a name as one that is not there
    // A name the system refuses to look at is reported, not thrown.
    const Status tooLong = kb.loadStateIfPresent(dir / std::string(300, 'n'));
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.error().code, ErrorCode::Io);
#endif
    EXPECT_EQ(kb.state(), SimulatedKeyboard::factoryState());
}

} // namespace
} // namespace vantrel::sim
