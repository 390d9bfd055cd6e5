// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {

// The words the shell completion offers (vantrelctl --complete WHAT):
// commands, options, fields (of set, with their "="), keys (as assign
// names them), targets (of assign) and functions. InvalidArgument for
// anything else.
Result<std::vector<std::string>> completionWords(std::string_view what);

} // namespace vantrel::cli
