// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vantrel {

// Keyboard identification.
inline constexpr std::uint16_t kVendorIdPrimary = 0x04D9;
inline constexpr std::uint16_t kVendorIdSecondary = 0x4D95;
inline constexpr std::uint16_t kProductId = 0xA1DF;
inline constexpr const char* kControlInterfaceMatch = "mi_03";
inline constexpr const char* kNotificationInterfaceMatch = "ol04";
inline constexpr std::uint8_t kNotificationReportId = 4;

// Feature command codes (byte 1 of a feature report). A get command is the
// set code plus 0x80; 0x80 itself reads the version.
namespace cmd {
inline constexpr std::uint8_t kSetReportRate = 0x01;
inline constexpr std::uint8_t kSetKeyResponseTime = 0x04;
inline constexpr std::uint8_t kSetLighting = 0x08; // b2 = 1 begin, 2 end
inline constexpr std::uint8_t kSetGameMode = 0x09; // also SetModeOne with b2 = 1
inline constexpr std::uint8_t kWriteKeyTable = 0x0D;
inline constexpr std::uint8_t kWriteKeyEnableMap = 0x0E;
inline constexpr std::uint8_t kWriteMacroSlot = 0x11;
inline constexpr std::uint8_t kWriteColourMap = 0x12;
inline constexpr std::uint8_t kResetDevice = 0x13;
inline constexpr std::uint8_t kSetKeyColour = 0x14;
inline constexpr std::uint8_t kSetWristLighting = 0x15;
inline constexpr std::uint8_t kSetWristColour = 0x16;

inline constexpr std::uint8_t kGetVersion = 0x80;
inline constexpr std::uint8_t kGetReportRate = 0x81;
inline constexpr std::uint8_t kGetKeyResponseTime = 0x84;
inline constexpr std::uint8_t kGetLighting = 0x88;
inline constexpr std::uint8_t kGetGameMode = 0x89;
inline constexpr std::uint8_t kReadKeyTable = 0x8D;
inline constexpr std::uint8_t kReadKeyEnableMap = 0x8E;
inline constexpr std::uint8_t kReadMacroSlot = 0x91;
inline constexpr std::uint8_t kReadColourMap = 0x92;
inline constexpr std::uint8_t kGetKeyColour = 0x94;
inline constexpr std::uint8_t kGetWristLighting = 0x95;
inline constexpr std::uint8_t kGetWristColour = 0x96;

inline constexpr std::uint8_t kLightingBegin = 1;
inline constexpr std::uint8_t kLightingEnd = 2;
inline constexpr std::uint8_t kResetParameter = 0xFF;
inline constexpr std::uint8_t kEnableMapByteCount = 0x12;
inline constexpr std::uint8_t kKeyTableBlocks = 8;
inline constexpr std::uint8_t kMacroSlotBlocks = 3;
inline constexpr std::uint8_t kColourMapBlocks = 8;
} // namespace cmd

// Notification types (byte 1 of a notification report).
namespace note {
inline constexpr std::uint8_t kKeyAction = 0;
inline constexpr std::uint8_t kAcknowledge = 4;
inline constexpr std::uint8_t kEffect = 5;
inline constexpr std::uint8_t kSpeed = 6;
inline constexpr std::uint8_t kBrightness = 7;
inline constexpr std::uint8_t kDirection = 8;
inline constexpr std::uint8_t kWristEffect = 11;
inline constexpr std::uint8_t kIgnoredEffectValue = 0x32;
} // namespace note

} // namespace vantrel
