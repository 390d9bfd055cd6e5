// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_context.h"
#include "core/model/profile_store.h"
#include "core/model/program_bindings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

// Where the program bindings live (the user's configuration folder).
std::filesystem::path bindingsFile();

// The bindings as the file holds them; a damaged file is moved aside and
// said so on stderr, and the bindings start empty.
Result<ProgramBindings> loadBindings(Context& context);

// The profile file of NAME in the data folder's profile folder;
// InvalidArgument (nothing to do) when there is none.
Result<std::filesystem::path> existingProfile(const Context& context, const std::string& name);

// PROGRAM as the window in front is matched against it: an executable's path
// with its links resolved (it must exist), or class:NAME as typed.
Result<std::string> programWord(const Context& context, const std::string& word, bool mustExist);

// The profile a finished command sent to the keyboard by name: `profile
// load NAME` that ended well; nothing for every other command.
std::optional<std::string> profileLoadedBy(const std::string& command,
                                           const std::vector<std::string>& args, int status);

int runBind(Context& context, const std::string& name, const std::string& program);
int runUnbind(Context& context, const std::string& program);
int runBindings(Context& context, bool json);

} // namespace vantrel::cli
