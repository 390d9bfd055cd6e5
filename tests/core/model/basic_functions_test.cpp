// SPDX-License-Identifier: MIT
#include "core/model/basic_functions.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vantrel {
namespace {

TEST(BasicFunctions, TreeShape) {
    const auto rows = BasicFunctionTable();
    std::vector<std::pair<std::string, int>> groups; // header, children
    std::size_t roots = 0;
    for (const auto& r : rows) {
        if (r.groupHeader) {
            groups.emplace_back(std::string(r.chineseName), 0);
            EXPECT_EQ(findBasicFunction(r.englishName), nullptr) << "a group is no function";
        } else if (r.inGroup) {
            ASSERT_FALSE(groups.empty());
            ++groups.back().second;
        } else {
            ++roots;
        }
    }
    EXPECT_EQ(roots, 6u);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0], (std::pair<std::string, int>{"多媒体", 8}));
    EXPECT_EQ(groups[1], (std::pair<std::string, int>{"快捷健", 7}));
    EXPECT_EQ(groups[2], (std::pair<std::string, int>{"Закрыть", 2}));
    EXPECT_EQ(rows.front().russianName, "поиск");
    EXPECT_EQ(rows.back().russianName, "Закрыть окно");
    EXPECT_STREQ(rows.back().englishName, "Close window");
}

TEST(BasicFunctions, NamesAreUniqueAndFindTheirRow) {
    // A name picked in one interface must never stand for another row in
    // any language: the dialog and the command line accept all three.
    std::set<std::string_view> all;
    for (UiLanguage lang : interfaceLanguages()) {
        std::set<std::string_view> seen;
        for (const auto& r : BasicFunctionTable()) {
            EXPECT_TRUE(seen.insert(r.name(lang)).second || r.groupHeader) << r.name(lang);
            if (!r.groupHeader) {
                EXPECT_EQ(findBasicFunction(r.name(lang)), &r) << r.name(lang);
                EXPECT_EQ(findBasicFunctionByEntry(r.entry), &r);
            }
        }
    }
    EXPECT_EQ(findBasicFunction("Закрыть"), nullptr);
    EXPECT_EQ(findBasicFunction("Window"), nullptr);
    EXPECT_EQ(findBasicFunction("Vol+")->entry, (KeyTableEntry{3, 0, 0xE9, 0}));
    const auto* home = findBasicFunction("Главная страница");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->entry, (KeyTableEntry{3, 0, 0x23, 2}));
    EXPECT_EQ(findBasicFunction("Browser home"), home);
    EXPECT_EQ(findBasicFunction("任务管理器")->entry, (KeyTableEntry{0, 0xE0, 0xE2, 0x4C}));
    EXPECT_EQ(findBasicFunction("task manager"), nullptr) << "names are matched exactly";
    // The languages beyond the table's own three, as the command line gets them.
    EXPECT_EQ(findBasicFunction("Stumm"), findBasicFunction("Mute"));
    EXPECT_EQ(findBasicFunction("\u30df\u30e5\u30fc\u30c8")->id, "mute"); // Japanese
    EXPECT_EQ(findBasicFunction("\uc74c\uc18c\uac70")->id, "mute");       // Korean
    EXPECT_EQ(findBasicFunction("Gestionnaire des t\u00e2ches")->id, "task-manager");
    EXPECT_EQ(findBasicFunction("Fenster"), nullptr) << "a group header, in German";
    EXPECT_EQ(BasicFunctionTable()[0].name(UiLanguage(UiLanguage::kPolish)), "Szukaj");
    EXPECT_EQ(BasicFunctionTable()[0].name(UiLanguage::englishInterface()), "Search");
}

} // namespace
} // namespace vantrel
