// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {

// The words the shell completion offers (vantrelctl --complete WHAT):
// commands, options, fields (of set, with their "="), keys (as assign
// names them), targets (of assign), functions, profile-actions and
// profiles (the names in `dataFolder`). InvalidArgument for anything else.
Result<std::vector<std::string>> completionWords(std::string_view what,
                                                 const std::filesystem::path& dataFolder = {});

} // namespace vantrel::cli
