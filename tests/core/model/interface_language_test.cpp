// SPDX-License-Identifier: MIT
#include "core/model/interface_language.h"

#include <algorithm>
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
    // A Dutch desktop that also reads Russian gets Russian; one that reads
    // English before Russian gets English.
    EXPECT_EQ(ofLocales({"nl-NL", "ru"}), UiLanguage::russianInterface());
    EXPECT_EQ(ofLocales({"nl-NL", "en", "ru"}), UiLanguage::englishInterface());
    // Every language of the menu is reached from its desktops; Portuguese
    // of any country gets the Brazilian texts, the nearest we have.
    EXPECT_EQ(ofLocales({"fr-FR"}), UiLanguage(UiLanguage::kFrench));
    EXPECT_EQ(ofLocales({"pt_BR.UTF-8"}), UiLanguage(UiLanguage::kPortuguese));
    EXPECT_EQ(ofLocales({"pt-PT"}), UiLanguage(UiLanguage::kPortuguese));
    EXPECT_EQ(ofLocales({"uk_UA.UTF-8", "ru"}), UiLanguage(UiLanguage::kUkrainian));
    EXPECT_EQ(ofLocales({"ja_JP"}), UiLanguage(UiLanguage::kJapanese));
    EXPECT_EQ(ofLocales({"ko-KR"}), UiLanguage(UiLanguage::kKorean));
    EXPECT_EQ(ofLocales({"nl-NL", "de", "en"}), UiLanguage(UiLanguage::kGerman));
    // Each language from its own desktop's locale, in either spelling.
    for (UiLanguage l : interfaceLanguages()) {
        const std::string name(l.catalogue());
        std::string tag = name;
        std::replace(tag.begin(), tag.end(), '_', '-');
        EXPECT_EQ(ofLocales({name + ".UTF-8"}), l) << name;
        EXPECT_EQ(ofLocales({"nl", tag}), l) << tag;
    }
    // Everything else, and nothing at all, is English.
    EXPECT_EQ(ofLocales({"nl-NL"}), UiLanguage::englishInterface());
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
    for (const char* pt : {"pt", "pt_BR", "PT-br"}) {
        EXPECT_EQ(UiLanguage::fromName(pt), UiLanguage(UiLanguage::kPortuguese)) << pt;
    }
    for (const char* bad : {"", "nl", "english", "ru_RU", "zh_TW", "pt_PT", "d"}) {
        EXPECT_EQ(UiLanguage::fromName(bad), std::nullopt) << bad;
    }
    // Every language's catalogue name reads back as that language, so a
    // saved choice survives the round trip.
    for (UiLanguage l : interfaceLanguages()) {
        EXPECT_EQ(UiLanguage::fromName(l.catalogue()), l) << l.catalogue();
    }
    // Each language has a name of its own in the menu.
    std::vector<std::string_view> names;
    for (UiLanguage l : interfaceLanguages()) {
        EXPECT_FALSE(l.autonym().empty());
        EXPECT_EQ(std::count(names.begin(), names.end(), l.autonym()), 0) << l.autonym();
        names.push_back(l.autonym());
    }
    EXPECT_EQ(names.size(), 11u);
    EXPECT_EQ(UiLanguage(UiLanguage::kJapanese).autonym(), "\u65e5\u672c\u8a9e");
    // Only Chinese moves texts and takes the Chinese skins; only the
    // languages the skins were drawn for keep their label places.
    for (UiLanguage l : interfaceLanguages()) {
        EXPECT_EQ(l.keepsSkinPlaces(), l.russian() || l.chinese()) << l.catalogue();
    }
    // Only Chinese moves texts and takes the Chinese skins.
    EXPECT_EQ(UiLanguage::russianInterface().skinBranch(), "english");
    EXPECT_EQ(UiLanguage::englishInterface().skinBranch(), "english");
    EXPECT_EQ(UiLanguage::chineseInterface().skinBranch(), "Chinese");
    EXPECT_EQ(UiLanguage{}, UiLanguage::englishInterface());
}

} // namespace
} // namespace vantrel
