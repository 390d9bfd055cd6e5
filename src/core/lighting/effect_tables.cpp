// SPDX-License-Identifier: MIT
#include "core/lighting/effect_tables.h"

#include "core/util/translatable.h"

namespace vantrel::lighting {

const std::array<KeyboardEffect, kKeyboardEffectCount>& keyboardEffects() {
    static constexpr std::array<KeyboardEffect, kKeyboardEffectCount> table{{
        {1, VANTREL_TR_NOOP("KeyboardEffect", "Steady")},
        {2, VANTREL_TR_NOOP("KeyboardEffect", "Breathing")},
        {3, VANTREL_TR_NOOP("KeyboardEffect", "Wave")},
        {4, VANTREL_TR_NOOP("KeyboardEffect", "Reactive")},
        {5, VANTREL_TR_NOOP("KeyboardEffect", "Snake")},
        {6, VANTREL_TR_NOOP("KeyboardEffect", "Ripple")},
        {8, VANTREL_TR_NOOP("KeyboardEffect", "Neon")},
        {10, VANTREL_TR_NOOP("KeyboardEffect", "Raindrops")},
        {11, VANTREL_TR_NOOP("KeyboardEffect", "Ring")},
        {12, VANTREL_TR_NOOP("KeyboardEffect", "Collision")},
        {13, VANTREL_TR_NOOP("KeyboardEffect", "Radar")},
        {51, VANTREL_TR_NOOP("KeyboardEffect", "DIY1")},
        {52, VANTREL_TR_NOOP("KeyboardEffect", "DIY2")},
        {53, VANTREL_TR_NOOP("KeyboardEffect", "DIY3")},
        {54, VANTREL_TR_NOOP("KeyboardEffect", "DIY4")},
        {55, VANTREL_TR_NOOP("KeyboardEffect", "DIY5")},
    }};
    return table;
}

const std::array<WristEffect, kWristEffectCount>& wristEffects() {
    static constexpr std::array<WristEffect, kWristEffectCount> table{{
        {0, VANTREL_TR_NOOP("WristEffect", "Breathing")},
        {1, VANTREL_TR_NOOP("WristEffect", "Neon")},
        {2, VANTREL_TR_NOOP("WristEffect", "Steady")},
        {3, VANTREL_TR_NOOP("WristEffect", "Wave")},
        {4, VANTREL_TR_NOOP("WristEffect", "Off")},
    }};
    return table;
}

std::optional<KeyboardEffect> findKeyboardEffect(std::uint8_t code) {
    for (const KeyboardEffect& e : keyboardEffects()) {
        if (e.code == code) {
            return e;
        }
    }
    return std::nullopt;
}

std::optional<WristEffect> findWristEffect(std::uint8_t code) {
    for (const WristEffect& e : wristEffects()) {
        if (e.code == code) {
            return e;
        }
    }
    return std::nullopt;
}

} // namespace vantrel::lighting
