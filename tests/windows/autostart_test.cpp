// SPDX-License-Identifier: MIT
// Start on login through the current user's Run key. The tests use keys of
// their own under HKEY_CURRENT_USER, removed at the end.
#include "core/util/path_text.h"
#include "platform/autostart.h"
#include "support/temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <windows.h>

namespace vantrel::platform {
namespace {

namespace fs = std::filesystem;

std::optional<std::wstring> readRunValue(const std::wstring& key, const std::wstring& name) {
    wchar_t data[1024];
    DWORD size = sizeof data;
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY, &type, data,
                     &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    return std::wstring(data, size / sizeof(wchar_t) - 1);
}

struct WindowsAutostart : ::testing::Test {
    std::wstring root = L"Software\\VantrelTests-" + std::to_wstring(std::random_device{}());
    std::wstring run = root + L"\\Run";
    std::wstring approval = root + L"\\StartupApproved";
    AutostartEntry entry{run, approval, L"Vantrel"};
    vantrel::testing::TempDir dir;
    // A program where a Russian user unpacked it, with a blank in the path.
    fs::path program = dir.path() / pathFromText("Мои программы") / "vantrel.exe";

    void SetUp() override {
        fs::create_directories(program.parent_path());
        std::ofstream(program) << "MZ";
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, root.c_str()); }
};

TEST_F(WindowsAutostart, EnableWritesTheQuotedProgramWithBackgroundAndDisableRemovesIt) {
    EXPECT_FALSE(entry.enabled());
    ASSERT_TRUE(entry.enable(program).ok());
    const auto value = readRunValue(run, L"Vantrel");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, L"\"" + program.wstring() + L"\" --background");
    EXPECT_TRUE(entry.enabled());
    ASSERT_TRUE(entry.disable().ok());
    EXPECT_FALSE(readRunValue(run, L"Vantrel").has_value());
    EXPECT_FALSE(entry.enabled());
    EXPECT_TRUE(entry.disable().ok()); // nothing left to remove
}

TEST_F(WindowsAutostart, AValueThatNamesNoProgramIsNotEnabled) {
    ASSERT_TRUE(entry.enable(program).ok());
    fs::remove(program);
    EXPECT_FALSE(entry.enabled()) << "the program is gone";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, run.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t unclosed[] = L"\"C:\\Program Files\\Vantrel\\vantrel.exe --background";
    RegSetValueExW(key, L"Vantrel", 0, REG_SZ, reinterpret_cast<const BYTE*>(unclosed),
                   sizeof unclosed);
    RegCloseKey(key);
    EXPECT_FALSE(entry.enabled()) << "an unclosed quote names nothing";
}

TEST_F(WindowsAutostart, SwitchedOffInTheStartUpSettingsIsNotEnabledUntilEnabledAgain) {
    ASSERT_TRUE(entry.enable(program).ok());
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, approval.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const BYTE off[12] = {0x03};
    RegSetValueExW(key, L"Vantrel", 0, REG_BINARY, off, sizeof off);
    RegCloseKey(key);
    EXPECT_FALSE(entry.enabled());
    ASSERT_TRUE(entry.enable(program).ok());
    EXPECT_TRUE(entry.enabled());
}

TEST(WindowsAutostartNames, TheUsersEntryIsTheVantrelValueOfTheRunKey) {
    const AutostartEntry entry = AutostartEntry::forCurrentUser();
    EXPECT_EQ(entry.runKey(), L"Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(entry.valueName(), L"Vantrel");
    EXPECT_EQ(AutostartEntry::text(fs::path(L"C:\\Program Files\\Vantrel\\vantrel.exe")),
              "\"C:\\Program Files\\Vantrel\\vantrel.exe\" --background");
}

} // namespace
} // namespace vantrel::platform
