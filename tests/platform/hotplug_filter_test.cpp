// SPDX-License-Identifier: MIT
#include "platform/hotplug_filter.h"
#include "platform/hotplug_monitor.h"

#include <gtest/gtest.h>

namespace vantrel::platform {
namespace {

const std::string kNode3 =
    "/sys/devices/pci0000:00/usb1/1-1/1-1:1.3/0003:04D9:A1DF.0004/hidraw/hidraw3";
const std::string kNode4 =
    "/sys/devices/pci0000:00/usb1/1-1/1-1:1.2/0003:04D9:A1DF.0003/hidraw/hidraw2";
const std::string kMouse =
    "/sys/devices/pci0000:00/usb1/1-2/1-2:1.0/0003:046D:C077.0005/hidraw/hidraw5";

TEST(HotplugFilter, ParsesHidIdProperty) {
    auto id = parseHidId("0003:000004D9:0000A1DF");
    ASSERT_TRUE(id);
    EXPECT_EQ(id->vendor, 0x04D9);
    EXPECT_EQ(id->product, 0xA1DF);
    EXPECT_TRUE(isKeyboardId(*parseHidId("0003:00004D95:0000A1DF")));
    EXPECT_FALSE(isKeyboardId(*parseHidId("0003:000004D9:0000A126")));
    EXPECT_FALSE(parseHidId(""));
    EXPECT_FALSE(parseHidId("0003:04D9"));
    EXPECT_FALSE(parseHidId("0003:0001FFFF:0000A1DF")); // vendor does not fit 16 bits
    EXPECT_FALSE(parseHidId("0003:zz:0000A1DF"));
}

TEST(HotplugFilter, OnlyTheKeyboardsNodesCount) {
    HotplugFilter f;
    const HidId keyboard{0x04D9, 0xA1DF};
    const HidId mouse{0x046D, 0xC077};
    EXPECT_EQ(f.onEvent("add", kMouse, mouse), HotplugChange::None);
    EXPECT_EQ(f.onEvent("add", kNode3, keyboard), HotplugChange::Arrived);
    EXPECT_EQ(f.onEvent("change", kNode3, keyboard), HotplugChange::None);
    // Removal events no longer carry the parent's attributes.
    EXPECT_EQ(f.onEvent("remove", kMouse, std::nullopt), HotplugChange::None);
    EXPECT_EQ(f.onEvent("remove", kNode3, std::nullopt), HotplugChange::Removed);
    EXPECT_EQ(f.onEvent("remove", kNode3, std::nullopt), HotplugChange::None); // forgotten
    EXPECT_EQ(f.knownNodes(), 0u);
}

TEST(HotplugFilter, NodesPresentAtStartAreRecognisedOnRemoval) {
    HotplugFilter f;
    f.notePresent(kNode4, HidId{0x4D95, 0xA1DF});
    f.notePresent(kMouse, HidId{0x046D, 0xC077});
    EXPECT_EQ(f.knownNodes(), 1u);
    EXPECT_EQ(f.onEvent("remove", kMouse, std::nullopt), HotplugChange::None);
    EXPECT_EQ(f.onEvent("remove", kNode4, std::nullopt), HotplugChange::Removed);
}

TEST(HotplugMonitor, StartsAndStopsCleanly) {
    int calls = 0;
    HotplugMonitor m({[&] { ++calls; }, [&] { ++calls; }});
    const Status s = m.start();
    if (!s.ok()) {
        GTEST_SKIP() << s.error().message; // no udev in this sandbox
    }
    m.stop();
    m.stop();
    EXPECT_EQ(calls, 0);
}

} // namespace
} // namespace vantrel::platform
