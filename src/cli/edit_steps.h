// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_context.h"
#include "core/macro/macro_table.h"
#include "core/util/result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vantrel::cli {

// Reads MacroDefine.bin without creating, repairing or moving anything, for
// commands that only look and for checking an edit before anything is
// written. A missing file is an empty table; a file of the wrong size is
// BadFile, anything but a regular file Io. Used records with gaps between them are moved together
// in the copy, as the loader does.
Status peekMacroFile(const std::filesystem::path& path, MacroTable& table);

// Loads MacroDefine.bin into the model the way the program does at start:
// a missing file is created, one of the wrong size is moved aside. What the
// loader had to do is told on stderr.
Status loadMacros(Context& context);

// Runs the write-all for what the command changed. The files are already
// saved at this point, so a failure says how to send the change again.
Status sendEdits(Context& context, std::string_view retry);

// A macro number as typed: 0-based, the macro's place in the list.
Result<std::size_t> parseMacroIndex(std::string_view word);

// How a key of the picture is named back to the user: the name that
// `assign` accepts for it, or "#N" for a key without a name.
std::string keyLabel(const KeyNameTable& names, std::size_t position);

} // namespace vantrel::cli
