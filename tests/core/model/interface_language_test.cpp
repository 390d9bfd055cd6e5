// SPDX-License-Identifier: MIT
#include "core/model/interface_language.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantrel {
namespace {

UiLanguage ofLocales(std::vector<std::string> tags) {
    return languageOfLocales(tags);
}

TEST(InterfaceLanguage, SessionLocalesChooseTheFirstKnownLanguage) {
    EXPECT_EQ(ofLocales({"ru-RU", "ru"}), UiLanguage::russianInterface());
    EXPECT_EQ(ofLocales({"zh-Hans-CN", "zh-CN", "zh"}), UiLanguage::chineseInterface());
    EXPECT_EQ(ofLocales({"zh-TW"}), UiLanguage::chineseInterface());
    EXPECT_EQ(ofLocales({"en-US", "en"}), UiLanguage::englishInterface());
    EXPECT_EQ(ofLocales({"ru_RU.UTF-8"}), UiLanguage::russianInterface());
    // A German desktop that also reads Russian gets Russian; one that reads
    // English before Russian gets English.
    EXPECT_EQ(ofLocales({"de-DE", "ru"}), UiLanguage::russianInterface());
    EXPECT_EQ(ofLocales({"de-DE", "en", "ru"}), UiLanguage::englishInterface());
    // Everything else, and nothing at all, is English.
    EXPECT_EQ(ofLocales({"fr-FR"}), UiLanguage::englishInterface());
    EXPECT_EQ(ofLocales({"C"}), UiLanguage::englishInterface());
    EXPECT_EQ(ofLocales({}), UiLanguage::englishInterface());
    EXPECT_EQ(ofLocales({"rus"}), UiLanguage::englishInterface()) << "a primary subtag exactly";
}

TEST(InterfaceLanguage, OptionThenSavedChoiceThenLocale) {
    const std::vector<std::string> russianDesktop{"ru-RU"};
    const auto zh = UiLanguage::chineseInterface();
    const auto en = UiLanguage::englishInterface();
    EXPECT_EQ(chooseInterfaceLanguage(en, zh, russianDesktop), en);
    EXPECT_EQ(chooseInterfaceLanguage(std::nullopt, zh, russianDesktop), zh);
    EXPECT_EQ(chooseInterfaceLanguage(std::nullopt, std::nullopt, russianDesktop),
              UiLanguage::russianInterface());
}

TEST(InterfaceLanguage, NamesAndCatalogues) {
    EXPECT_EQ(UiLanguage::fromName("en"), UiLanguage::englishInterface());
    EXPECT_EQ(UiLanguage::fromName("RU"), UiLanguage::russianInterface());
    for (const char* zh : {"zh", "zh_CN", "zh-cn"}) {
        EXPECT_EQ(UiLanguage::fromName(zh), UiLanguage::chineseInterface()) << zh;
    }
    for (const char* bad : {"", "de", "english", "ru_RU", "zh_TW"}) {
        EXPECT_EQ(UiLanguage::fromName(bad), std::nullopt) << bad;
    }
    // Every language's catalogue name reads back as that language, so a
    // saved choice survives the round trip.
    for (UiLanguage l : interfaceLanguages()) {
        EXPECT_EQ(UiLanguage::fromName(l.catalogue()), l) << l.catalogue();
    }
    // Only Chinese moves texts and takes the Chinese skins.
    EXPECT_EQ(UiLanguage::russianInterface().skinBranch(), "english");
    EXPECT_EQ(UiLanguage::englishInterface().skinBranch(), "english");
    EXPECT_EQ(UiLanguage::chineseInterface().skinBranch(), "Chinese");
    EXPECT_EQ(UiLanguage{}, UiLanguage::englishInterface());
}

} // namespace
} // namespace vantrel
