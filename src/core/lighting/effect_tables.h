// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel::lighting {

// Keyboard effect codes the panel names or treats specially.
inline constexpr std::uint8_t kEffectSteady = 1;
inline constexpr std::uint8_t kEffectBreathing = 2;
inline constexpr std::uint8_t kEffectWave = 3;
inline constexpr std::uint8_t kEffectNeon = 8;
inline constexpr std::uint8_t kEffectRadar = 13;
// Codes from here on have no speed; from kFirstPerKeyEffect on, the colours
// come from one of the five colour maps.
inline constexpr std::uint8_t kFirstSpeedlessEffect = 50;
inline constexpr std::uint8_t kFirstPerKeyEffect = 51;
inline constexpr std::uint8_t kLastPerKeyEffect = 55;

inline constexpr std::uint8_t kWristBreathing = 0;
inline constexpr std::uint8_t kWristProgress = 1;
inline constexpr std::uint8_t kWristSteady = 2;
inline constexpr std::uint8_t kWristWave = 3;
inline constexpr std::uint8_t kWristOff = 4;

// Names are English source texts; the window layer translates them in the
// contexts below.
inline constexpr const char* kKeyboardEffectContext = "KeyboardEffect";
inline constexpr const char* kWristEffectContext = "WristEffect";

struct KeyboardEffect {
    std::uint8_t code;
    const char* name;
};

struct WristEffect {
    std::uint8_t code;
    const char* name;
};

inline constexpr std::size_t kKeyboardEffectCount = 16;
inline constexpr std::size_t kWristEffectCount = 5;

// List order is row order.
const std::array<KeyboardEffect, kKeyboardEffectCount>& keyboardEffects();
const std::array<WristEffect, kWristEffectCount>& wristEffects();

// Codes the keyboard may report that are not in the tables have no entry.
std::optional<KeyboardEffect> findKeyboardEffect(std::uint8_t code);
std::optional<WristEffect> findWristEffect(std::uint8_t code);

constexpr bool isPerKeyEffect(std::uint8_t code) {
    return code >= kFirstPerKeyEffect && code <= kLastPerKeyEffect;
}

} // namespace vantrel::lighting
