// SPDX-License-Identifier: MIT
#include "core/model/interface_language.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vantrel {
namespace {

// The primary subtag of "zh-Hans-CN", "ru_RU.UTF-8" or "EN", in lower case.
std::string primarySubtag(std::string_view tag) {
    const auto end = tag.find_first_of("-_.@");
    std::string primary(tag.substr(0, end));
    std::transform(primary.begin(), primary.end(), primary.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return primary;
}

// One row a language: its identifier, catalogue, primary subtag and name.
struct LanguageRow {
    UiLanguage language;
    std::string_view catalogue;
    std::string_view subtag;
    std::string_view autonym;
};

constexpr LanguageRow kRows[] = {
    {UiLanguage::englishInterface(), "en", "en", "English"},
    {UiLanguage::russianInterface(), "ru", "ru", "\u0420\u0443\u0441\u0441\u043a\u0438\u0439"},
    {UiLanguage::chineseInterface(), "zh_CN", "zh", "\u4e2d\u6587"},
    {UiLanguage(UiLanguage::kGerman), "de", "de", "Deutsch"},
    {UiLanguage(UiLanguage::kFrench), "fr", "fr", "Fran\u00e7ais"},
    {UiLanguage(UiLanguage::kSpanish), "es", "es", "Espa\u00f1ol"},
    {UiLanguage(UiLanguage::kPortuguese), "pt_BR", "pt", "Portugu\u00eas (Brasil)"},
    {UiLanguage(UiLanguage::kPolish), "pl", "pl", "Polski"},
    {UiLanguage(UiLanguage::kUkrainian), "uk", "uk",
     "\u0423\u043a\u0440\u0430\u0457\u043d\u0441\u044c\u043a\u0430"},
    {UiLanguage(UiLanguage::kJapanese), "ja", "ja", "\u65e5\u672c\u8a9e"},
    {UiLanguage(UiLanguage::kKorean), "ko", "ko", "\ud55c\uad6d\uc5b4"},
};

constexpr std::array<UiLanguage, std::size(kRows)> languagesOf() {
    std::array<UiLanguage, std::size(kRows)> all{};
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = kRows[i].language;
    }
    return all;
}

const LanguageRow& rowOf(UiLanguage language) {
    for (const LanguageRow& row : kRows) {
        if (row.language == language) {
            return row;
        }
    }
    return kRows[0];
}

std::optional<UiLanguage> ofSubtag(std::string_view primary) {
    for (const LanguageRow& row : kRows) {
        if (row.subtag == primary) {
            return row.language;
        }
    }
    return std::nullopt;
}

std::string lowerCase(std::string_view s) {
    std::string lower(s);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

} // namespace

std::span<const UiLanguage> interfaceLanguages() {
    static constexpr auto kLanguages = languagesOf();
    return kLanguages;
}

std::string_view UiLanguage::catalogue() const {
    return rowOf(*this).catalogue;
}

std::string_view UiLanguage::autonym() const {
    return rowOf(*this).autonym;
}

std::optional<UiLanguage> UiLanguage::fromName(std::string_view name) {
    const std::string lower = lowerCase(name);
    for (const LanguageRow& row : kRows) {
        if (lower == lowerCase(row.catalogue)) {
            return row.language;
        }
    }
    // A region is accepted only where the catalogue names it ("zh-CN",
    // "pt-BR"); "ru_RU" or "zh_TW" are not ours to guess.
    std::string dashed = lower;
    std::replace(dashed.begin(), dashed.end(), '-', '_');
    for (const LanguageRow& row : kRows) {
        if (dashed == lowerCase(row.catalogue) || lower == row.subtag) {
            return row.language;
        }
    }
    return std::nullopt;
}

UiLanguage languageOfLocales(std::span<const std::string> preferred) {
    for (const std::string& tag : preferred) {
        if (const auto language = ofSubtag(primarySubtag(tag))) {
            return *language;
        }
    }
    return UiLanguage::englishInterface();
}

UiLanguage chooseInterfaceLanguage(std::optional<UiLanguage> option,
                                   std::optional<UiLanguage> saved,
                                   std::span<const std::string> preferred) {
    if (option) {
        return *option;
    }
    if (saved) {
        return *saved;
    }
    return languageOfLocales(preferred);
}

} // namespace vantrel
