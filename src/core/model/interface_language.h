// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel {

// The interface language, a Windows primary-language identifier: English
// (9, the source language of every text), Russian (0x19), Chinese (4) and
// the others of interfaceLanguages(). Chinese selects the Chinese texts,
// their positions and the Chinese skin branch; every other language takes
// the other positions and the English branch.
class UiLanguage {
public:
    static constexpr std::uint16_t kChinese = 4;
    static constexpr std::uint16_t kGerman = 7;
    static constexpr std::uint16_t kEnglish = 9;
    static constexpr std::uint16_t kSpanish = 0x0A;
    static constexpr std::uint16_t kFrench = 0x0C;
    static constexpr std::uint16_t kJapanese = 0x11;
    static constexpr std::uint16_t kKorean = 0x12;
    static constexpr std::uint16_t kPolish = 0x15;
    static constexpr std::uint16_t kPortuguese = 0x16; // Brazilian Portuguese texts
    static constexpr std::uint16_t kRussian = 0x19;
    static constexpr std::uint16_t kUkrainian = 0x22;

    constexpr UiLanguage() = default;
    constexpr explicit UiLanguage(std::uint16_t id) : id_(id) {}
    static constexpr UiLanguage chineseInterface() { return UiLanguage(kChinese); }
    static constexpr UiLanguage russianInterface() { return UiLanguage(kRussian); }
    static constexpr UiLanguage englishInterface() { return UiLanguage(kEnglish); }

    constexpr std::uint16_t id() const { return id_; }
    constexpr bool chinese() const { return id_ == kChinese; }
    constexpr bool russian() const { return id_ == kRussian; }

    // The one way a position or a picture is chosen: the first for Chinese,
    // the second for every other language.
    template <class T> constexpr T pick(T chinese, T other) const {
        return this->chinese() ? chinese : other;
    }

    // The skins' label places were drawn for the Russian and Chinese texts;
    // every other language centres a button's text in its box instead.
    constexpr bool keepsSkinPlaces() const { return chinese() || russian(); }

    // The skin branch below "png": dialogs that follow the language read
    // their pictures from "png/Chinese/<folder>" or "png/english/<folder>".
    constexpr std::string_view skinBranch() const {
        return pick<std::string_view>("Chinese", "english");
    }

    // The catalogue's name: "en", "ru", "zh_CN", "pt_BR", "de"...
    std::string_view catalogue() const;
    // The language's name in itself ("Deutsch", "日本語"), UTF-8: how the
    // language menu offers it, the same in every interface language.
    std::string_view autonym() const;

    // A catalogue name or its primary subtag ("zh", "zh-CN", "pt", "pt-BR"),
    // any case; nothing for others.
    static std::optional<UiLanguage> fromName(std::string_view name);

    friend constexpr bool operator==(UiLanguage, UiLanguage) = default;

private:
    std::uint16_t id_ = kEnglish;
};

// The languages the interface speaks, English first. A new language needs
// its catalogue and its row in the table behind this.
std::span<const UiLanguage> interfaceLanguages();

// The language of a desktop session's preferred languages (BCP 47 tags or
// POSIX names, most wanted first): the first one the interface speaks wins;
// English when none is.
UiLanguage languageOfLocales(std::span<const std::string> preferred);

// The interface language: the command line's choice, else the one the user
// picked in the tray menu, else the session's.
UiLanguage chooseInterfaceLanguage(std::optional<UiLanguage> option,
                                   std::optional<UiLanguage> saved,
                                   std::span<const std::string> preferred);

} // namespace vantrel
