// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vantrel::uhid {

// uhid hands user space the report buffers exactly as hidraw got them, with
// the report number in byte 0 even for a device without numbered reports.
// usbhid, which drives a real USB keyboard, takes that byte off before the
// transfer when the number is 0, and on a Get_Report puts the number in byte
// 0 in front of what the device sent. These two functions do what usbhid
// does, so that the simulated keyboard sees (and answers) what a USB
// keyboard would.

// The bytes a USB device receives for a Set_Report or an interrupt-out
// transfer of report `reportNumber`, from the buffer uhid passed on.
std::span<const std::uint8_t> usbDataFromHidrawBuffer(std::span<const std::uint8_t> buffer,
                                                      std::uint8_t reportNumber);

// What hidraw's caller gets back for a Get_Report of `reportNumber` that the
// device answered with `deviceData`.
std::vector<std::uint8_t> hidrawBufferFromUsbData(std::uint8_t reportNumber,
                                                  std::span<const std::uint8_t> deviceData);

} // namespace vantrel::uhid
