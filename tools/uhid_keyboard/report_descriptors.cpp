// SPDX-License-Identifier: MIT
#include "report_descriptors.h"

#include <array>

namespace vantrel::uhid {

namespace {

// Short items of the HID report descriptor language, by their prefix byte.
constexpr std::uint8_t kUsagePage = 0x05;
constexpr std::uint8_t kUsagePage16 = 0x06;
constexpr std::uint8_t kUsage = 0x09;
constexpr std::uint8_t kUsageMinimum = 0x19;
constexpr std::uint8_t kUsageMaximum = 0x29;
constexpr std::uint8_t kUsageMaximum16 = 0x2A;
constexpr std::uint8_t kCollection = 0xA1;
constexpr std::uint8_t kEndCollection = 0xC0;
constexpr std::uint8_t kLogicalMinimum = 0x15;
constexpr std::uint8_t kLogicalMaximum = 0x25;
constexpr std::uint8_t kLogicalMaximum16 = 0x26;
constexpr std::uint8_t kReportSize = 0x75;
constexpr std::uint8_t kReportCount = 0x95;
constexpr std::uint8_t kReportId = 0x85;
constexpr std::uint8_t kInput = 0x81;
constexpr std::uint8_t kOutput = 0x91;
constexpr std::uint8_t kFeature = 0xB1;

constexpr std::uint8_t kApplication = 0x01;
constexpr std::uint8_t kGenericDesktop = 0x01;
constexpr std::uint8_t kKeyboardPage = 0x07;
constexpr std::uint8_t kLedPage = 0x08;
constexpr std::uint8_t kConsumerPage = 0x0C;
constexpr std::uint8_t kUsageKeyboard = 0x06;
constexpr std::uint8_t kUsageSystemControl = 0x80;
constexpr std::uint8_t kUsageConsumerControl = 0x01;
constexpr std::uint8_t kData = 0x00;
constexpr std::uint8_t kConstant = 0x01;
constexpr std::uint8_t kVariable = 0x02;

// Modifier byte, reserved byte, five LEDs out, six key codes: the boot
// keyboard report of every USB keyboard.
#define VANTREL_KEYBOARD_BODY                                                                      \
    kUsagePage, kKeyboardPage, kUsageMinimum, 0xE0, kUsageMaximum, 0xE7, kLogicalMinimum, 0x00,    \
        kLogicalMaximum, 0x01, kReportSize, 0x01, kReportCount, 0x08, kInput, kVariable,           \
        kReportCount, 0x01, kReportSize, 0x08, kInput, kConstant, kReportCount, 0x05, kReportSize, \
        0x01, kUsagePage, kLedPage, kUsageMinimum, 0x01, kUsageMaximum, 0x05, kOutput, kVariable,  \
        kReportCount, 0x01, kReportSize, 0x03, kOutput, kConstant, kReportCount, 0x06,             \
        kReportSize, 0x08, kLogicalMinimum, 0x00, kLogicalMaximum16, 0xFF, 0x00, kUsagePage,       \
        kKeyboardPage, kUsageMinimum, 0x00, kUsageMaximum16, 0xFF, 0x00, kInput, kData

#define VANTREL_CONSUMER_BODY                                                                      \
    kLogicalMinimum, 0x00, kLogicalMaximum16, 0xFF, 0x03, kUsageMinimum, 0x00, kUsageMaximum16,    \
        0xFF, 0x03, kReportSize, 0x10, kReportCount, 0x01, kInput, kData

#define VANTREL_SYSTEM_BODY                                                                        \
    kUsageMinimum, 0x81, kUsageMaximum, 0x83, kLogicalMinimum, 0x00, kLogicalMaximum, 0x01,        \
        kReportSize, 0x01, kReportCount, 0x03, kInput, kVariable, kReportCount, 0x05, kInput,      \
        kConstant

constexpr std::array kBootKeyboard = std::to_array<std::uint8_t>({
    kUsagePage,
    kGenericDesktop,
    kUsage,
    kUsageKeyboard,
    kCollection,
    kApplication,
    VANTREL_KEYBOARD_BODY,
    kEndCollection,
});

constexpr std::array kMediaKeys = std::to_array<std::uint8_t>({
    kUsagePage,   kConsumerPage,   kUsage, kUsageConsumerControl, kCollection,
    kApplication, kReportId,       0x01,   VANTREL_CONSUMER_BODY, kEndCollection,
    kUsagePage,   kGenericDesktop, kUsage, kUsageSystemControl,   kCollection,
    kApplication, kReportId,       0x02,   VANTREL_SYSTEM_BODY,   kEndCollection,
});

// The fourth collection is the keyboard's own: three bytes behind report ID 4
// (type, value, unused).
constexpr std::array kNotifications = std::to_array<std::uint8_t>({
    kUsagePage,
    kGenericDesktop,
    kUsage,
    kUsageKeyboard,
    kCollection,
    kApplication,
    kReportId,
    0x01,
    VANTREL_KEYBOARD_BODY,
    kEndCollection,
    kUsagePage,
    kConsumerPage,
    kUsage,
    kUsageConsumerControl,
    kCollection,
    kApplication,
    kReportId,
    0x02,
    VANTREL_CONSUMER_BODY,
    kEndCollection,
    kUsagePage,
    kGenericDesktop,
    kUsage,
    kUsageSystemControl,
    kCollection,
    kApplication,
    kReportId,
    0x03,
    VANTREL_SYSTEM_BODY,
    kEndCollection,
    kUsagePage16,
    0x00,
    0xFF,
    kUsage,
    0x01,
    kCollection,
    kApplication,
    kReportId,
    0x04,
    kUsage,
    0x02,
    kLogicalMinimum,
    0x00,
    kLogicalMaximum16,
    0xFF,
    0x00,
    kReportSize,
    0x08,
    kReportCount,
    0x03,
    kInput,
    kVariable,
    kEndCollection,
});

// No report IDs: feature reports travel as report 0, so the host's 9-byte
// buffers are the ID byte and 8 bytes on the wire.
constexpr std::array kControl = std::to_array<std::uint8_t>({
    kUsagePage16,   0x01,
    0xFF,           kUsage,
    0x01,           kCollection,
    kApplication,   kLogicalMinimum,
    0x00,           kLogicalMaximum16,
    0xFF,           0x00,
    kReportSize,    0x08,
    kUsage,         0x02,
    kReportCount,   0x08,
    kFeature,       kVariable,
    kUsage,         0x03,
    kReportCount,   0x40,
    kInput,         kVariable,
    kUsage,         0x04,
    kReportCount,   0x40,
    kOutput,        kVariable,
    kEndCollection,
});

#undef VANTREL_KEYBOARD_BODY
#undef VANTREL_CONSUMER_BODY
#undef VANTREL_SYSTEM_BODY

} // namespace

std::span<const std::uint8_t> keyboardReportDescriptor(int number) {
    switch (number) {
    case kBootKeyboardInterface:
        return kBootKeyboard;
    case kMediaKeysInterface:
        return kMediaKeys;
    case kNotificationInterface:
        return kNotifications;
    default:
        return kControl;
    }
}

std::span<const std::uint8_t> controlLikeReportDescriptor() {
    return kControl;
}

std::string usbPhys(const std::string& controller, const std::string& port, int interfaceNumber) {
    return "usb-" + controller + "-" + port + "/input" + std::to_string(interfaceNumber);
}

} // namespace vantrel::uhid
