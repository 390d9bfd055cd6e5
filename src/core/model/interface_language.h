// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace vantrel {

// The interface language, a primary-language identifier. Chinese (4) selects
// the Chinese texts and the Chinese skin branch; every other value the
// Russian texts and the English branch. The programs run with 9.
class UiLanguage {
public:
    static constexpr std::uint16_t kChinese = 4;
    static constexpr std::uint16_t kDefault = 9;

    constexpr UiLanguage() = default;
    constexpr explicit UiLanguage(std::uint16_t id) : id_(id) {}
    static constexpr UiLanguage chineseInterface() { return UiLanguage(kChinese); }

    constexpr std::uint16_t id() const { return id_; }
    constexpr bool chinese() const { return id_ == kChinese; }

    // The one way a text is chosen: the first for Chinese, the second for
    // every other language.
    template <class T> constexpr T pick(T chinese, T other) const {
        return this->chinese() ? chinese : other;
    }

    // The skin branch below "png": dialogs that follow the language read
    // their pictures from "png/Chinese/<folder>" or "png/english/<folder>".
    constexpr std::string_view skinBranch() const {
        return pick<std::string_view>("Chinese", "english");
    }

    friend constexpr bool operator==(UiLanguage, UiLanguage) = default;

private:
    std::uint16_t id_ = kDefault;
};

} // namespace vantrel
