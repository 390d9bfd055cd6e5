// SPDX-License-Identifier: MIT
#include "platform/data_folder.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantrel::platform {
namespace fs = std::filesystem;

fs::path programFolder() {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return fs::path(std::wstring(buffer, n)).parent_path();
#else
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
#endif
}

fs::path defaultDataFolder() {
#ifdef _WIN32
    return programFolder();
#else
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        return fs::path(xdg) / "vantrel";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return fs::path(home) / ".config" / "vantrel";
    }
    return fs::current_path() / "vantrel";
#endif
}

} // namespace vantrel::platform
