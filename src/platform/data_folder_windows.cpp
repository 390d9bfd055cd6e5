// SPDX-License-Identifier: MIT
#include "platform/data_folder.h"
#include "platform/data_folder_parts.h"

#include <cstdlib>
#include <string>
#include <windows.h>
// After windows.h, which they build on.
#include <knownfolders.h>
#include <shlobj.h>

namespace vantrel::platform {
namespace fs = std::filesystem;

namespace {

std::optional<fs::path> localAppDataFolder() {
    PWSTR known = nullptr;
    std::optional<fs::path> folder;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &known) == S_OK &&
        known != nullptr && *known != 0) {
        folder = fs::path(known);
    }
    CoTaskMemFree(known);
    if (folder) {
        return folder;
    }
    // A system without the known folder (a stripped-down service account).
    if (const wchar_t* env = _wgetenv(L"LOCALAPPDATA"); env != nullptr && *env != 0) {
        return fs::path(env);
    }
    return std::nullopt;
}

} // namespace

fs::path userConfigFolder() {
    // Where Qt keeps the settings of a program's user, which the language
    // choice already uses.
    if (auto local = localAppDataFolder()) {
        return *local;
    }
    return programFolder();
}

fs::path programFolder() {
    // Paths longer than MAX_PATH exist; the buffer grows until it holds it.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return fs::path(L".");
        }
        if (n < buffer.size()) {
            buffer.resize(n);
            return fs::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
}

DataFolderChoice defaultDataFolderChoice() {
    const fs::path program = programFolder();
    std::error_code ec;
    const bool installed = fs::is_regular_file(program / kUninstallerName, ec);
    return chooseProgramOrLocalFolder(program, canCreateFilesIn(program), localAppDataFolder(),
                                      installed);
}

fs::path stateFolder() {
    return defaultDataFolder();
}

} // namespace vantrel::platform
