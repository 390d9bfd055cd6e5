// SPDX-License-Identifier: MIT
#include "platform/native_keys.h"

#include <algorithm>
#include <iterator>

namespace vantrel::platform {
namespace {

// Linux input event codes (linux/input-event-codes.h) and the virtual key
// Windows gives the same physical key. The keypad keys keep their keypad
// codes whatever Num Lock says; keypad Enter is 0x6C, the code the key name
// table gives it.
struct CodeToKey {
    std::uint16_t code;
    std::uint8_t vk;
};
// clang-format off
constexpr CodeToKey kEvdevToVirtualKey[] = {
    {1, 0x1B}, // Esc
    {2, 0x31}, // 1
    {3, 0x32}, // 2
    {4, 0x33}, // 3
    {5, 0x34}, // 4
    {6, 0x35}, // 5
    {7, 0x36}, // 6
    {8, 0x37}, // 7
    {9, 0x38}, // 8
    {10, 0x39}, // 9
    {11, 0x30}, // 0
    {12, 0xBD}, // -
    {13, 0xBB}, // =
    {14, 0x08}, // Backspace
    {15, 0x09}, // Tab
    {16, 0x51}, // Q
    {17, 0x57}, // W
    {18, 0x45}, // E
    {19, 0x52}, // R
    {20, 0x54}, // T
    {21, 0x59}, // Y
    {22, 0x55}, // U
    {23, 0x49}, // I
    {24, 0x4F}, // O
    {25, 0x50}, // P
    {26, 0xDB}, // [
    {27, 0xDD}, // ]
    {28, 0x0D}, // Enter
    {29, 0xA2}, // left Ctrl
    {30, 0x41}, // A
    {31, 0x53}, // S
    {32, 0x44}, // D
    {33, 0x46}, // F
    {34, 0x47}, // G
    {35, 0x48}, // H
    {36, 0x4A}, // J
    {37, 0x4B}, // K
    {38, 0x4C}, // L
    {39, 0xBA}, // ;
    {40, 0xDE}, // '
    {41, 0xC0}, // `
    {42, 0xA0}, // left Shift
    {43, 0xDC}, // backslash
    {44, 0x5A}, // Z
    {45, 0x58}, // X
    {46, 0x43}, // C
    {47, 0x56}, // V
    {48, 0x42}, // B
    {49, 0x4E}, // N
    {50, 0x4D}, // M
    {51, 0xBC}, // ,
    {52, 0xBE}, // .
    {53, 0xBF}, // /
    {54, 0xA1}, // right Shift
    {55, 0x6A}, // keypad *
    {56, 0xA4}, // left Alt
    {57, 0x20}, // Space
    {58, 0x14}, // Caps Lock
    {59, 0x70}, // F1
    {60, 0x71}, // F2
    {61, 0x72}, // F3
    {62, 0x73}, // F4
    {63, 0x74}, // F5
    {64, 0x75}, // F6
    {65, 0x76}, // F7
    {66, 0x77}, // F8
    {67, 0x78}, // F9
    {68, 0x79}, // F10
    {69, 0x90}, // Num Lock
    {70, 0x91}, // Scroll Lock
    {71, 0x67}, // keypad 7
    {72, 0x68}, // keypad 8
    {73, 0x69}, // keypad 9
    {74, 0x6D}, // keypad -
    {75, 0x64}, // keypad 4
    {76, 0x65}, // keypad 5
    {77, 0x66}, // keypad 6
    {78, 0x6B}, // keypad +
    {79, 0x61}, // keypad 1
    {80, 0x62}, // keypad 2
    {81, 0x63}, // keypad 3
    {82, 0x60}, // keypad 0
    {83, 0x6E}, // keypad .
    {86, 0xE2}, // the extra key of ISO keyboards
    {87, 0x7A}, // F11
    {88, 0x7B}, // F12
    {96, 0x6C}, // keypad Enter
    {97, 0xA3}, // right Ctrl
    {98, 0x6F}, // keypad /
    {99, 0x2C}, // Print Screen (SysRq)
    {100, 0xA5}, // right Alt (AltGr)
    {102, 0x24}, // Home
    {103, 0x26}, // Up
    {104, 0x21}, // Page Up
    {105, 0x25}, // Left
    {106, 0x27}, // Right
    {107, 0x23}, // End
    {108, 0x28}, // Down
    {109, 0x22}, // Page Down
    {110, 0x2D}, // Insert
    {111, 0x2E}, // Delete
    {113, 0xAD}, // Mute
    {114, 0xAE}, // Volume Down
    {115, 0xAF}, // Volume Up
    {119, 0x13}, // Pause
    {125, 0x5B}, // left Windows
    {126, 0x5C}, // right Windows
    {127, 0x5D}, // Menu (Apps)
    {128, 0xA9}, // browser stop
    {139, 0x5D}, // Menu, as some keyboards report it
    {140, 0xB7}, // calculator (second application key)
    {142, 0x5F}, // Sleep
    {155, 0xB4}, // mail
    {156, 0xAB}, // browser favourites
    {157, 0xB6}, // my computer (first application key)
    {158, 0xA6}, // browser back
    {159, 0xA7}, // browser forward
    {163, 0xB0}, // next track
    {164, 0xB3}, // play / pause
    {165, 0xB1}, // previous track
    {166, 0xB2}, // stop
    {171, 0xB5}, // media selection (consumer 0x183)
    {172, 0xAC}, // browser home
    {173, 0xA8}, // browser refresh
    {183, 0x7C}, // F13
    {184, 0x7D}, // F14
    {185, 0x7E}, // F15
    {186, 0x7F}, // F16
    {187, 0x80}, // F17
    {188, 0x81}, // F18
    {189, 0x82}, // F19
    {190, 0x83}, // F20
    {191, 0x84}, // F21
    {192, 0x85}, // F22
    {193, 0x86}, // F23
    {194, 0x87}, // F24
    {200, 0xFA}, // play
    {210, 0x2C}, // Print
    {217, 0xAA}, // browser search
    {226, 0xB5}, // media selection
};
// clang-format on

static_assert(std::is_sorted(std::begin(kEvdevToVirtualKey), std::end(kEvdevToVirtualKey),
                             [](const CodeToKey& a, const CodeToKey& b) {
                                 return a.code < b.code;
                             }));

// Windows' codes of both sides at once, and Enter.
constexpr std::uint32_t kVkShift = 0x10;
constexpr std::uint32_t kVkControl = 0x11;
constexpr std::uint32_t kVkMenu = 0x12;
constexpr std::uint32_t kVkReturn = 0x0D;
constexpr std::uint32_t kExtendedKey = 0x100;
constexpr std::uint32_t kRightShiftScanCode = 0x36;

} // namespace

std::optional<std::uint8_t> virtualKeyFromEvdev(std::uint32_t code) {
    const auto* end = std::end(kEvdevToVirtualKey);
    const auto* it =
        std::lower_bound(std::begin(kEvdevToVirtualKey), end, code,
                         [](const CodeToKey& e, std::uint32_t c) { return e.code < c; });
    if (it == end || it->code != code) {
        return std::nullopt;
    }
    return it->vk;
}

std::optional<std::uint8_t> virtualKeyFromXkbKeycode(std::uint32_t keycode) {
    if (keycode < kXkbKeycodeOffset) {
        return std::nullopt;
    }
    return virtualKeyFromEvdev(keycode - kXkbKeycodeOffset);
}

std::optional<std::uint8_t> virtualKeyFromWindows(std::uint32_t virtualKey,
                                                  std::uint32_t scanCode) {
    const bool extended = (scanCode & kExtendedKey) != 0;
    switch (virtualKey) {
    case kVkShift:
        return (scanCode & 0xFF) == kRightShiftScanCode ? 0xA1 : 0xA0;
    case kVkControl:
        return extended ? 0xA3 : 0xA2;
    case kVkMenu:
        return extended ? 0xA5 : 0xA4;
    case kVkReturn:
        return extended ? 0x6C : 0x0D;
    default:
        break;
    }
    if (virtualKey == 0 || virtualKey > 0xFF) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(virtualKey);
}

} // namespace vantrel::platform
