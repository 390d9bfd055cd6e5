// SPDX-License-Identifier: MIT
// Which device-interface events of Windows concern the keyboard.
#include "platform/device_interface_filter.h"

#include <gtest/gtest.h>

namespace vantrel::platform {
namespace {

constexpr char16_t kKeyboard[] =
    u"\\\\?\\USB#VID_04D9&PID_A1DF#6&2b1e0d7&0&3#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
constexpr char16_t kSecondVendorLowerCase[] =
    u"\\\\?\\usb#vid_4d95&pid_a1df#5&1f0c4a&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
constexpr char16_t kMouse[] =
    u"\\\\?\\USB#VID_046D&PID_C077#5&3a1b&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

TEST(DeviceInterfaceFilter, KeyboardArrivesAndGoesByEitherVendorInAnyCase) {
    EXPECT_EQ(deviceInterfaceChange(kDeviceArrival, kKeyboard), HotplugChange::Arrived);
    EXPECT_EQ(deviceInterfaceChange(kDeviceRemoveComplete, kKeyboard), HotplugChange::Removed);
    EXPECT_EQ(deviceInterfaceChange(kDeviceArrival, kSecondVendorLowerCase),
              HotplugChange::Arrived);
    EXPECT_EQ(deviceInterfaceChange(kDeviceRemoveComplete, kSecondVendorLowerCase),
              HotplugChange::Removed);
}

TEST(DeviceInterfaceFilter, OtherDevicesAndOtherEventsAreNothing) {
    EXPECT_EQ(deviceInterfaceChange(kDeviceArrival, kMouse), HotplugChange::None);
    EXPECT_EQ(deviceInterfaceChange(kDeviceRemoveComplete, kMouse), HotplugChange::None);
    // Query-remove (0x8001), remove-pending (0x8003), custom (0x8006).
    for (std::uint32_t event : {0x8001u, 0x8003u, 0x8006u, 0x0007u}) {
        EXPECT_EQ(deviceInterfaceChange(event, kKeyboard), HotplugChange::None) << event;
    }
    // The keyboard's sibling with another product (its updater mode).
    EXPECT_EQ(deviceInterfaceChange(kDeviceArrival, u"\\\\?\\USB#VID_04D9&PID_A126#1#{x}"),
              HotplugChange::None);
    EXPECT_EQ(deviceInterfaceChange(kDeviceArrival, u""), HotplugChange::None);
}

TEST(DeviceInterfaceFilter, IdsAreExactlyFourHexDigits) {
    const auto id = usbIdFromDevicePath(u"\\\\?\\HID#vid_04d9&PID_a1dF&MI_03#7&1");
    ASSERT_TRUE(id);
    EXPECT_EQ(id->vendor, 0x04D9);
    EXPECT_EQ(id->product, 0xA1DF);
    EXPECT_FALSE(usbIdFromDevicePath(u"USB#VID_04D9&PID_A1DF0#1")); // a fifth digit
    EXPECT_FALSE(usbIdFromDevicePath(u"USB#VID_04D&PID_A1DF#1"));   // three digits
    EXPECT_FALSE(usbIdFromDevicePath(u"USB#VID_04D9#PID_A1DF#1"));  // not joined by '&'
    EXPECT_FALSE(usbIdFromDevicePath(u"USB#VID_04G9&PID_A1DF#1"));  // not hex
    EXPECT_FALSE(usbIdFromDevicePath(u"USB#VID_04D9&PID_A1D"));     // cut short
    EXPECT_FALSE(usbIdFromDevicePath(u"ROOT#SYSTEM#0000#{guid}"));
}

} // namespace
} // namespace vantrel::platform
