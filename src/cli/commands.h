// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_context.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {

// One vantrelctl command. `run` gets the arguments after the command name
// and returns the exit status; it reports its own errors (reportError).
// `check` (optional) validates the arguments before anything is opened, so
// that bad input is refused without touching the keyboard; file names among
// them are relative to the working folder it is given (see userFile).
struct CliCommand {
    const char* name;
    const char* arguments; // for the usage line, e.g. "FIELD=VALUE..."
    const char* summary;
    const char* help; // longer text for "vantrelctl COMMAND --help"; may be empty
    Status (*check)(const std::vector<std::string>& args,
                    const std::filesystem::path& workingFolder);
    int (*run)(Context& context, const std::vector<std::string>& args);
    // True when, with these arguments, the command only reads the data
    // folder's files: then any keyboard may be asked for, since none is
    // opened. Null for a command that always needs the keyboard.
    bool (*readsOnlyFiles)(const std::vector<std::string>& args) = nullptr;
    // Runs in vantrelctl even while the desktop program keeps the data
    // folder, without the folder's lock: it looks at this machine, not at
    // the configuration.
    bool runsHere = false;

    bool needsKeyboard(const std::vector<std::string>& args) const {
        return readsOnlyFiles == nullptr || !readsOnlyFiles(args);
    }
};

// Each command lives in its own cmd_<name>.cpp and is listed in commands.cpp.
CliCommand infoCommand();
CliCommand readCommand();
CliCommand setCommand();
CliCommand applyCommand();
CliCommand exportCommand();
CliCommand resetCommand();
CliCommand assignCommand();
CliCommand macroCommand();
CliCommand diagnoseCommand();
CliCommand profileCommand();

// Every command, in the order the usage text lists them.
const std::vector<CliCommand>& allCommands();
// The command of that name; null for none.
const CliCommand* findCommand(std::string_view name);

// Checks the arguments and runs the command in `context`: its exit status.
int runChecked(const CliCommand& command, Context& context);

} // namespace vantrel::cli
