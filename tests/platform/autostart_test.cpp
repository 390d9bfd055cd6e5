// SPDX-License-Identifier: MIT
#include "platform/autostart.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vantrel::platform {
namespace {

std::string read(const std::filesystem::path& p) {
    std::ifstream in(p);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void write(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p) << text;
}

TEST(Autostart, EnableWritesAnEntryThatStartsTheProgramInTheBackgroundAndDisableRemovesIt) {
    vantrel::testing::TempDir dir;
    AutostartEntry entry(dir / "autostart" / std::string(AutostartEntry::kFileName));
    EXPECT_FALSE(entry.enabled());
    ASSERT_TRUE(entry.enable("/usr/bin/vantrel").ok()); // the folder is made
    EXPECT_TRUE(entry.enabled());
    const std::string text = read(entry.file());
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nExec=/usr/bin/vantrel --background\n"), std::string::npos);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    ASSERT_TRUE(entry.disable().ok());
    EXPECT_FALSE(std::filesystem::exists(entry.file()));
    EXPECT_TRUE(entry.disable().ok()); // nothing left to remove
}

TEST(Autostart, ProgramPathsWithBlanksQuotesAndPercentSignsAreQuotedForTheDesktop) {
    EXPECT_NE(AutostartEntry::text("/opt/my apps/vantrel")
                  .find("\nExec=\"/opt/my apps/vantrel\" --background\n"),
              std::string::npos);
    // In the file a quoted backslash escape is itself escaped once more.
    EXPECT_NE(AutostartEntry::text("/opt/a\"b$c%d/vantrel")
                  .find("\nExec=\"/opt/a\\\\\"b\\\\$c%%d/vantrel\" --background\n"),
              std::string::npos);
}

TEST(Autostart, AnEntrySwitchedOffInTheDesktopSettingsIsNotEnabled) {
    vantrel::testing::TempDir dir;
    AutostartEntry entry(dir / "vantrel.desktop");
    write(entry.file(), "[Desktop Entry]\nExec=vantrel\nHidden=true\n");
    EXPECT_FALSE(entry.enabled());
    write(entry.file(), "[Desktop Entry]\nExec=vantrel\nX-GNOME-Autostart-enabled=false\n");
    EXPECT_FALSE(entry.enabled());
    // Keys of another group do not count.
    write(entry.file(), "[Desktop Entry]\nExec=vantrel\n[Desktop Action x]\nHidden=true\n");
    EXPECT_TRUE(entry.enabled());
    // Choosing the menu item again replaces the switched-off entry.
    write(entry.file(), "[Desktop Entry]\nHidden=true\n");
    ASSERT_TRUE(entry.enable("/usr/bin/vantrel").ok());
    EXPECT_TRUE(entry.enabled());
}

TEST(Autostart, AFolderInThePlaceOfTheEntryIsNeitherEnabledNorOverwritten) {
    vantrel::testing::TempDir dir;
    AutostartEntry entry(dir / "vantrel.desktop");
    std::filesystem::create_directories(entry.file() / "inside");
    EXPECT_FALSE(entry.enabled());
    const Status written = entry.enable("/usr/bin/vantrel");
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(std::filesystem::exists(entry.file() / "inside"));
    EXPECT_FALSE(entry.disable().ok());
    EXPECT_TRUE(std::filesystem::exists(entry.file() / "inside"));
}

TEST(Autostart, TheUsersEntryIsInTheXdgConfigFolder) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/vantrel-xdg", 1);
    EXPECT_EQ(
        AutostartEntry::forCurrentUser().file(),
        std::filesystem::path("/tmp/vantrel-xdg/autostart/io.github.vantrel.Vantrel.desktop"));
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(AutostartEntry::forCurrentUser().file().parent_path(),
              std::filesystem::path("/home/someone/.config/autostart"));
    ::setenv("HOME", home.c_str(), 1);
    if (old) {
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

} // namespace
} // namespace vantrel::platform
