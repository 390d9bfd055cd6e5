// SPDX-License-Identifier: MIT
#include "platform/data_folder.h"
#include "platform/data_folder_parts.h"

#include <cstdlib>

namespace vantrel::platform {
namespace fs = std::filesystem;

fs::path programFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        return exe.parent_path();
    }
    const fs::path here = fs::current_path(ec);
    return ec ? fs::path(".") : here;
}

fs::path userConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        return fs::path(xdg);
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return fs::path(home) / ".config";
    }
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    return ec ? fs::path(".") : here;
}

DataFolderChoice defaultDataFolderChoice() {
    return {userConfigFolder() / "vantrel"};
}

fs::path stateFolder() {
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg) {
        return fs::path(xdg) / "vantrel";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return fs::path(home) / ".local" / "state" / "vantrel";
    }
    return defaultDataFolder().parent_path() / "vantrel-state";
}

} // namespace vantrel::platform
