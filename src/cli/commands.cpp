// SPDX-License-Identifier: MIT
#include "cli/commands.h"

namespace vantrel::cli {

const std::vector<CliCommand>& allCommands() {
    // Adding a command: write cmd_<name>.cpp with a <name>Command() factory,
    // declare it in commands.h and list it here.
    static const std::vector<CliCommand> commands = {
        infoCommand(),  readCommand(),   setCommand(),   applyCommand(),   exportCommand(),
        resetCommand(), assignCommand(), macroCommand(), profileCommand(), diagnoseCommand(),
    };
    return commands;
}

const CliCommand* findCommand(std::string_view name) {
    for (const auto& c : allCommands()) {
        if (name == c.name) {
            return &c;
        }
    }
    return nullptr;
}

int runChecked(const CliCommand& command, Context& context) {
    const GlobalOptions& o = context.options();
    if (command.check) {
        if (Status s = command.check(o.args, o.workingFolder); !s) {
            return context.fail(s.error());
        }
    }
    return command.run(context, o.args);
}

} // namespace vantrel::cli
