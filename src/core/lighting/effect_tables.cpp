// SPDX-License-Identifier: MIT
#include "core/lighting/effect_tables.h"

namespace vantrel::lighting {

const std::array<KeyboardEffect, kKeyboardEffectCount>& keyboardEffects() {
    static constexpr std::array<KeyboardEffect, kKeyboardEffectCount> table{{
        {1, u8"全亮", u8"Постоянный режим"},
        {2, u8"呼吸", u8"Режим пульсации"},
        {3, u8"波浪", u8"волновой режим"},
        {4, u8"隨按漸滅", u8"Нажмите для вкл./выкл. режима"},
        {5, u8"蛇形跑馬", u8"Режим S-образного перехода"},
        {6, u8"漣漪", u8"Режим ряби"},
        {8, u8"霓虹", u8"Режим выполнения"},
        {10, u8"雨滴", u8"Режим дождя"},
        {11, u8"環形跑馬", u8"Режим кругового перехода"},
        {12, u8"對衝", u8"режим взаимного столкновения"},
        {13, u8"雷達", u8"Режим радара"},
        {51, u8"DIY1", u8"DIY1"},
        {52, u8"DIY2", u8"DIY2"},
        {53, u8"DIY3", u8"DIY3"},
        {54, u8"DIY4", u8"DIY4"},
        {55, u8"DIY5", u8"DIY5"},
    }};
    return table;
}

const std::array<WristEffect, kWristEffectCount>& wristEffects() {
    static constexpr std::array<WristEffect, kWristEffectCount> table{{
        {0, u8"Режим пульсации"},
        {1, u8"Режим выполнения"},
        {2, u8"Постоянный режим"},
        {3, u8"волновой режим"},
        {4, u8"OFF"},
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

std::u8string_view keyboardEffectName(const KeyboardEffect& e, UiLanguage language) {
    return language.pick(e.nameChinese, e.nameRussian);
}

} // namespace vantrel::lighting
