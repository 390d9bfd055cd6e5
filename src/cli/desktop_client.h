// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_context.h"

#include <optional>

namespace vantrel::cli {

// When the running desktop program keeps the data folder of `options`, it
// owns the keyboard and the files: the command is handed to it, and its
// output and exit status are given out as if the command had run here.
// Nothing when no desktop program keeps the folder (the command runs here).
std::optional<int> runThroughDesktop(const GlobalOptions& options);

} // namespace vantrel::cli
