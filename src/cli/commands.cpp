// SPDX-License-Identifier: MIT
#include "cli/commands.h"

namespace vantrel::cli {

const std::vector<CliCommand>& allCommands() {
    // Adding a command: write cmd_<name>.cpp with a <name>Command() factory,
    // declare it in commands.h and list it here.
    static const std::vector<CliCommand> commands = {
        infoCommand(),   readCommand(),  setCommand(),    applyCommand(),
        exportCommand(), resetCommand(), assignCommand(), macroCommand(),
    };
    return commands;
}

} // namespace vantrel::cli
