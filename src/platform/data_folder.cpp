// SPDX-License-Identifier: MIT
#include "platform/data_folder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

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
    if (!ec) {
        return exe.parent_path();
    }
    const fs::path here = fs::current_path(ec);
    return ec ? fs::path(".") : here;
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
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    return (ec ? fs::path(".") : here) / "vantrel";
#endif
}

namespace {

fs::path stateFolder() {
#ifdef _WIN32
    if (const char* local = std::getenv("LOCALAPPDATA"); local && *local) {
        return fs::path(local) / "vantrel";
    }
    return programFolder();
#else
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg) {
        return fs::path(xdg) / "vantrel";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return fs::path(home) / ".local" / "state" / "vantrel";
    }
    return defaultDataFolder().parent_path() / "vantrel-state";
#endif
}

// FNV-1a: the same name for the same state file in every run and build.
std::uint32_t stableHash(const std::string& text) {
    std::uint32_t h = 2166136261u;
    for (const unsigned char c : text) {
        h = (h ^ c) * 16777619u;
    }
    return h;
}

std::string folderNameFor(const fs::path& simState) {
    constexpr std::size_t kMaxStem = 40;
    std::string stem;
    for (const char c : simState.stem().string()) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (stem.size() < kMaxStem) {
            stem.push_back(plain ? c : '_');
        }
    }
    std::error_code ec;
    const fs::path full = fs::absolute(simState, ec).lexically_normal();
    char hash[16];
    std::snprintf(hash, sizeof hash, "%08x",
                  static_cast<unsigned>(stableHash((ec ? simState : full).string())));
    return "simulated-" + stem + "-" + hash;
}

} // namespace

fs::path simulatedDataFolder(const std::optional<fs::path>& simState) {
    return stateFolder() / (simState ? folderNameFor(*simState) : std::string("simulated"));
}

fs::path chooseDataFolder(const std::optional<fs::path>& dataDir, bool simulate,
                          const std::optional<fs::path>& simState) {
    if (dataDir) {
        return *dataDir;
    }
    if (simulate || simState) {
        return simulatedDataFolder(simState);
    }
    return defaultDataFolder();
}

} // namespace vantrel::platform
