// SPDX-License-Identifier: MIT
#include "core/util/folders.h"
#include "core/util/path_text.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// An absolute path several levels below an existing folder, with names of
// Cyrillic and Chinese letters: every missing level is made, and told.
TEST(CreateFolders, MakesEveryMissingLevelOfAnAbsolutePath) {
    vantrel::testing::TempDir dir;
    const fs::path target =
        fs::absolute(dir.path()) / pathFromText("Пользователь") / pathFromText("数据") / "data";
    std::vector<fs::path> made;
    const std::error_code ec =
        createFolders(target, [&made](const fs::path& p) { made.push_back(p); });
    ASSERT_FALSE(ec) << ec.message();
    EXPECT_TRUE(fs::is_directory(target));
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(made.back(), target);
    // Again: nothing to make, no error.
    made.clear();
    EXPECT_FALSE(createFolders(target, [&made](const fs::path& p) { made.push_back(p); }));
    EXPECT_TRUE(made.empty());
}

TEST(CreateFolders, AFileInTheWayIsAnError) {
    vantrel::testing::TempDir dir;
    std::ofstream(dir / "file") << "x";
    EXPECT_TRUE(createFolders(dir / "file" / "below"));
    EXPECT_TRUE(createFolders(dir / "file"));
    EXPECT_FALSE(fs::is_directory(dir / "file"));
}

TEST(CreateFolders, ATrailingSeparatorAndARelativePathWork) {
    vantrel::testing::TempDir dir;
    fs::path trailing = dir / "a";
    trailing += fs::path::preferred_separator;
    EXPECT_FALSE(createFolders(trailing));
    EXPECT_TRUE(fs::is_directory(dir / "a"));
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const std::error_code ec = createFolders(fs::path("rel") / "deeper");
    fs::current_path(before);
    EXPECT_FALSE(ec);
    EXPECT_TRUE(fs::is_directory(dir / "rel" / "deeper"));
}

TEST(PathText, NonAsciiNamesGoBothWaysUnchanged) {
    const std::string name = "Z:/tmp/Пользователь/数据";
    EXPECT_EQ(pathText(pathFromText(name)), name);
    EXPECT_EQ(pathText(pathFromText("")), "");
}

TEST(PathText, AbsoluteMeansTheSameFromEveryCurrentFolder) {
#ifdef _WIN32
    for (const char* p : {"C:\\x", "c:/x", "Z:\\", "\\\\server\\share\\Music", "\\\\?\\C:\\x"}) {
        EXPECT_TRUE(isAbsolutePathText(p)) << p;
    }
    for (const char* p : {"C:x", "C:", "\\x", "\\\\", "x\\y", "", "/x"}) {
        EXPECT_FALSE(isAbsolutePathText(p)) << p;
    }
#else
    EXPECT_TRUE(isAbsolutePathText("/x"));
    for (const char* p : {"x/y", "", "C:\\x", "\\\\server\\share"}) {
        EXPECT_FALSE(isAbsolutePathText(p)) << p;
    }
#endif
}

} // namespace
} // namespace vantrel
