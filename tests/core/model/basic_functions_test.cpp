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
    EXPECT_EQ(rows.front().secondName, "поиск");
    EXPECT_EQ(rows.back().secondName, "Закрыть окно");
}

TEST(BasicFunctions, NamesAreUniqueAndFindTheirRow) {
    for (UiLanguage lang : {UiLanguage::chineseInterface(), UiLanguage{}}) {
        std::set<std::string_view> seen;
        for (const auto& r : BasicFunctionTable()) {
            EXPECT_TRUE(seen.insert(r.name(lang)).second || r.groupHeader) << r.name(lang);
            if (!r.groupHeader) {
                EXPECT_EQ(findBasicFunction(r.name(lang), lang), &r);
                EXPECT_EQ(findBasicFunctionByEntry(r.entry), &r);
            }
        }
    }
    EXPECT_EQ(findBasicFunction("Закрыть", UiLanguage::chineseInterface()), nullptr);
    EXPECT_EQ(findBasicFunction("Vol+", UiLanguage::chineseInterface()), nullptr);
    const auto* home = findBasicFunction("Главная страница", UiLanguage{9});
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->entry, (KeyTableEntry{3, 0, 0x23, 2}));
    EXPECT_EQ(findBasicFunction("任务管理器", UiLanguage{4})->entry,
              (KeyTableEntry{0, 0xE0, 0xE2, 0x4C}));
}

} // namespace
} // namespace vantrel
