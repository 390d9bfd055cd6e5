// SPDX-License-Identifier: MIT
#include "core/util/folders.h"

namespace vantrel {
namespace fs = std::filesystem;

std::error_code createFolders(const fs::path& folder,
                              const std::function<void(const fs::path&)>& made) {
    std::error_code ec;
    // The root (drive, share, "/") is where the walk starts, not a step of it.
    fs::path step = folder.root_path();
    const fs::path rest = folder.relative_path();
    for (const auto& part : rest) {
        if (part.empty()) {
            continue; // a trailing separator
        }
        step /= part;
        if (fs::is_directory(step, ec)) {
            continue;
        }
        if (fs::create_directory(step, ec)) {
            if (made) {
                made(step);
            }
            continue;
        }
        // Raced by another program, or in the way.
        std::error_code typeError;
        if (fs::is_directory(step, typeError)) {
            ec.clear();
            continue;
        }
        return ec ? ec : std::make_error_code(std::errc::not_a_directory);
    }
    return {};
}

} // namespace vantrel
