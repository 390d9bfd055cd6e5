// SPDX-License-Identifier: MIT
#include "core/util/path_text.h"
#include "core/util/windows_text.h"
#include "platform/autostart.h"

#include <optional>
#include <vector>
#include <windows.h>

namespace vantrel::platform {
namespace fs = std::filesystem;

namespace {

Error registryError(const std::string& what, LSTATUS code) {
    return makeError(ErrorCode::Io,
                     what + ": " + windows::errorText(static_cast<DWORD>(code)) + ".");
}

std::optional<std::wstring> readString(const std::wstring& key, const std::wstring& name) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                     data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(size / sizeof(wchar_t));
    while (!data.empty() && data.back() == L'\0') {
        data.pop_back();
    }
    return data;
}

// The program a Run command starts: what its quotes hold, or its first word.
fs::path programOf(std::wstring_view command) {
    if (!command.empty() && command.front() == L'"') {
        const auto end = command.find(L'"', 1);
        return end == std::wstring_view::npos ? fs::path() : fs::path(command.substr(1, end - 1));
    }
    return fs::path(command.substr(0, command.find(L' ')));
}

// Explorer's start-up settings keep 12 bytes per entry; an odd first byte
// means the user switched the entry off.
bool switchedOff(const std::wstring& key, const std::wstring& name) {
    BYTE data[16] = {};
    DWORD size = sizeof data;
    return RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_BINARY, nullptr,
                        data, &size) == ERROR_SUCCESS &&
           size > 0 && (data[0] & 1) != 0;
}

LSTATUS removeValue(const std::wstring& key, const std::wstring& name) {
    const LSTATUS s = RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str());
    return s == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : s;
}

} // namespace

AutostartEntry AutostartEntry::forCurrentUser() {
    return AutostartEntry(kRunKey, kApprovalKey, kValueName);
}

std::string AutostartEntry::text(const fs::path& program) {
    // Quoted: a program under "C:\Program Files" would otherwise start as
    // "C:\Program" with the rest for its arguments.
    return "\"" + pathText(program) + "\" --background";
}

bool AutostartEntry::enabled() const {
    const auto command = readString(runKey_, valueName_);
    if (!command) {
        return false;
    }
    const fs::path program = programOf(*command);
    std::error_code ec;
    return !program.empty() && fs::is_regular_file(program, ec) &&
           !switchedOff(approvalKey_, valueName_);
}

Status AutostartEntry::enable(const fs::path& program) {
    const std::wstring command = windows::wideFromUtf8(text(program));
    HKEY key = nullptr;
    LSTATUS s = RegCreateKeyExW(HKEY_CURRENT_USER, runKey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                nullptr, &key, nullptr);
    if (s != ERROR_SUCCESS) {
        return registryError("Cannot open the registry key of the programs started on login", s);
    }
    s = RegSetValueExW(key, valueName_.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (s != ERROR_SUCCESS) {
        return registryError("Cannot add the program to those started on login", s);
    }
    // Asked for again: whatever the start-up settings said before is gone.
    removeValue(approvalKey_, valueName_);
    return Status::success();
}

Status AutostartEntry::disable() {
    if (const LSTATUS s = removeValue(runKey_, valueName_); s != ERROR_SUCCESS) {
        return registryError("Cannot remove the program from those started on login", s);
    }
    removeValue(approvalKey_, valueName_);
    return Status::success();
}

} // namespace vantrel::platform
