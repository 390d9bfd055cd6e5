// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vantrel::uhid {

// The keyboard's four USB HID interfaces as the kernel sees them: a boot
// keyboard, media keys, an interface of four top-level collections whose
// fourth carries the notifications (report ID 4), and the control interface
// (unnumbered 8-byte feature report, 64-byte input and output reports).
inline constexpr int kInterfaceCount = 4;
inline constexpr int kBootKeyboardInterface = 0;
inline constexpr int kMediaKeysInterface = 1;
inline constexpr int kNotificationInterface = 2;
inline constexpr int kControlInterface = 3;

// The report descriptor of interface `number` (0-3).
std::span<const std::uint8_t> keyboardReportDescriptor(int number);

// A HID device of any ids with the control interface's descriptor, for
// devices that must not be taken for the keyboard.
std::span<const std::uint8_t> controlLikeReportDescriptor();

// What usbhid writes into a USB HID interface's phys: the USB path of the
// device ("usb-" controller "-" port) and "/input" with the interface number.
std::string usbPhys(const std::string& controller, const std::string& port, int interfaceNumber);

} // namespace vantrel::uhid
