// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vantrel::platform {

// The program's entry among what the desktop starts on login: a file in the
// XDG autostart folder ($XDG_CONFIG_HOME/autostart or ~/.config/autostart),
// or on Windows a value of the current user's Run key in the registry.
class AutostartEntry {
public:
#ifdef _WIN32
    static constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    // Where Explorer's start-up settings switch entries of the Run key off.
    static constexpr const wchar_t* kApprovalKey =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
    static constexpr const wchar_t* kValueName = L"Vantrel";

    // The value `valueName` of the key `runKey` under HKEY_CURRENT_USER, and
    // its switch under `approvalKey`.
    AutostartEntry(std::wstring runKey, std::wstring approvalKey, std::wstring valueName)
        : runKey_(std::move(runKey)), approvalKey_(std::move(approvalKey)),
          valueName_(std::move(valueName)) {}
#else
    // The file name of the program's own desktop entry.
    static constexpr std::string_view kFileName = "io.github.vantrel.Vantrel.desktop";

    explicit AutostartEntry(std::filesystem::path file) : file_(std::move(file)) {}
#endif
    // The entry of the current user.
    static AutostartEntry forCurrentUser();

    // True when the desktop will start the program on login: the entry is
    // there, names a program, and was not switched off in the desktop's own
    // settings (Hidden=true, X-GNOME-Autostart-enabled=false; Explorer's
    // start-up switch on Windows).
    bool enabled() const;
    // Writes the entry (atomically, creating the folder) so that the desktop
    // starts `program` with --background; an entry switched off in the
    // desktop's settings is switched on again.
    Status enable(const std::filesystem::path& program);
    // Removes the entry; nothing to do when there is none.
    Status disable();

#ifdef _WIN32
    const std::wstring& runKey() const {
        return runKey_;
    }
    const std::wstring& valueName() const {
        return valueName_;
    }
#else
    const std::filesystem::path& file() const {
        return file_;
    }
#endif

    // What the entry holds for `program`: the desktop entry's text, or on
    // Windows the command of the Run value, the program's path in quotes.
    static std::string text(const std::filesystem::path& program);

private:
#ifdef _WIN32
    std::wstring runKey_;
    std::wstring approvalKey_;
    std::wstring valueName_;
#else
    std::filesystem::path file_;
#endif
};

} // namespace vantrel::platform
