// SPDX-License-Identifier: MIT
#pragma once

#include "hid/report_descriptor.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// What sysfs tells about a hidraw node and its HID device.
struct HidrawSysfsInfo {
    std::string hidId; // HID_ID: "bus:vendor:product" in hex
    std::string name;  // HID_NAME
    std::string phys;  // HID_PHYS
    std::optional<int> interfaceNumber;
    // Where the interface number came from: "phys", "bInterfaceNumber",
    // "hidapi", or empty when nothing told it.
    std::string interfaceSource;
    std::vector<std::uint8_t> descriptor;
    bool descriptorRead = false;
    std::vector<TopLevelCollection> collections;
    std::string descriptorError; // why the descriptor could not be parsed
};

// The whole content of a sysfs file; empty when it cannot be opened or read
// (the device went away while it was read).
std::optional<std::vector<std::uint8_t>> readSysfsFile(const std::filesystem::path& p);

// The USB interface number at the end of a USB HID device's phys
// ("usb-0000:00:14.0-1/input3" -> 3); empty for any other phys.
std::optional<int> interfaceNumberFromPhys(std::string_view phys);

// Reads the node's ("/dev/hidrawN") HID device from sysfs. The interface
// number comes from the phys, which every USB HID device has (usbhid
// writes it; a uhid device is given one), else from the USB parent's
// bInterfaceNumber, else from `fallbackInterface` (hidapi's, when >= 0).
HidrawSysfsInfo readHidrawSysfs(const std::string& devicePath, int fallbackInterface);

// The match name of a hidraw node: its interface number and the count of
// top-level collections of its report descriptor (buildMatchName).
std::string hidrawMatchName(const std::string& devicePath, int fallbackInterface);

} // namespace vantrel
