// SPDX-License-Identifier: MIT
#include "core/model/interface_language.h"

#include <algorithm>
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

} // namespace

std::span<const UiLanguage> interfaceLanguages() {
    static constexpr UiLanguage kLanguages[] = {UiLanguage::englishInterface(),
                                                UiLanguage::russianInterface(),
                                                UiLanguage::chineseInterface()};
    return kLanguages;
}

std::optional<UiLanguage> UiLanguage::fromName(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "en") {
        return englishInterface();
    }
    if (lower == "ru") {
        return russianInterface();
    }
    if (lower == "zh" || lower == "zh_cn" || lower == "zh-cn") {
        return chineseInterface();
    }
    return std::nullopt;
}

UiLanguage languageOfLocales(std::span<const std::string> preferred) {
    for (const std::string& tag : preferred) {
        const std::string primary = primarySubtag(tag);
        if (primary == "ru") {
            return UiLanguage::russianInterface();
        }
        if (primary == "zh") {
            return UiLanguage::chineseInterface();
        }
        if (primary == "en") {
            return UiLanguage::englishInterface();
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
