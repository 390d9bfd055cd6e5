// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <functional>
#include <system_error>

namespace vantrel {

// Creates `folder` and the missing folders above it, calling `made` for each
// one it created. Unlike std::filesystem::create_directories it never asks
// for the root itself ("/", "C:", "C:\", "\\server\share"): wine's C library
// says a drive exists but is no folder, which failed every absolute path.
// An existing component that is not a folder is not_a_directory.
std::error_code createFolders(const std::filesystem::path& folder,
                              const std::function<void(const std::filesystem::path&)>& made = {});

} // namespace vantrel
