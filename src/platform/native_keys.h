// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

// The key capture names keys by their Windows virtual-key codes, the codes
// the assignment records and the key name table use. These turn what the
// window systems report into those codes, by the physical key (so keyboard
// layouts and Num Lock do not matter) and with the left and right modifiers
// told apart.
namespace vantrel::platform {

// X11 and Wayland number keys as the Linux input layer does, plus 8.
inline constexpr std::uint32_t kXkbKeycodeOffset = 8;

// A Linux input event code (KEY_*); nothing for keys without a code of
// their own.
std::optional<std::uint8_t> virtualKeyFromEvdev(std::uint32_t code);
// An X11 / Wayland key code.
std::optional<std::uint8_t> virtualKeyFromXkbKeycode(std::uint32_t keycode);
// Windows reports the virtual key itself, but Shift, Ctrl and Alt without
// their side and both Enter keys alike; the scan code (with the extended
// key bit 0x100) tells them apart.
std::optional<std::uint8_t> virtualKeyFromWindows(std::uint32_t virtualKey, std::uint32_t scanCode);

} // namespace vantrel::platform
