// SPDX-License-Identifier: MIT
#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/completion_words.h"
#include "cli/desktop_client.h"
#include "cli/local_context.h"
#include "core/util/guarded_main.h"
#include "platform/data_folder.h"
#include "platform/program_arguments.h"

#include <cstdio>
#include <string>

using namespace vantrel;
using namespace vantrel::cli;

namespace {

std::string usage() {
    std::string u = "usage: vantrelctl [OPTIONS] COMMAND [ARGS] [OPTIONS]\n"
                    "\n"
                    "Configures the Vantrel gaming keyboard from the command line.\n"
                    "\n"
                    "options:\n"
                    "  --simulate          use the built-in simulated keyboard\n"
                    "  --sim-state FILE    keep the simulated keyboard in FILE (implies\n"
                    "                      --simulate; created with factory settings)\n"
                    "  --trace FILE        write every transfer and pause to FILE\n"
                    "  --data-dir DIR      where keymap.bin and the other files live\n"
                    "  --local             run here even while the desktop program keeps the\n"
                    "                      data folder (which it otherwise runs commands for)\n"
                    "  --help              show this text (COMMAND --help: the command's)\n"
                    "  --version           show the version\n"
                    "options also go after the command, and as --option=VALUE; '--' ends them\n"
                    "\n"
                    "commands:\n";
    for (const auto& c : allCommands()) {
        std::string line = std::string("  ") + c.name;
        if (*c.arguments) {
            line += std::string(" ") + c.arguments;
        }
        line.resize(std::max<std::size_t>(line.size() + 1, 24), ' ');
        u += line + c.summary + "\n";
    }
    u += "\nexit status: 0 success, 1 keyboard or file error, 2 bad usage or input\n";
    return u;
}

int runCommandLine(int argc, char** argv) {
    auto parsed = parseGlobalOptions(argc, argv);
    if (!parsed) {
        return reportError(parsed.error());
    }
    const GlobalOptions& options = *parsed;
    if (options.complete) {
        auto words = completionWords(
            *options.complete, options.dataDir ? *options.dataDir : platform::defaultDataFolder());
        if (!words) {
            return reportError(words.error());
        }
        for (const auto& w : *words) {
            std::printf("%s\n", w.c_str());
        }
        return kExitOk;
    }
    if (options.version) {
        std::printf("vantrelctl %s\n", VANTREL_VERSION);
        return kExitOk;
    }
    if (options.command.empty()) {
        std::fputs(usage().c_str(), options.help ? stdout : stderr);
        return options.help ? kExitOk : kExitUsage;
    }
    const CliCommand* command = findCommand(options.command);
    if (command == nullptr) {
        return reportError(
            makeError(ErrorCode::InvalidArgument,
                      "unknown command '" + options.command + "'; see 'vantrelctl --help'."));
    }
    if (options.help ||
        (!options.args.empty() && (options.args[0] == "--help" || options.args[0] == "-h"))) {
        std::printf("usage: vantrelctl [OPTIONS] %s %s\n%s\n%s", command->name, command->arguments,
                    command->summary, command->help);
        return kExitOk;
    }
    if (command->check) {
        if (Status s = command->check(options.args, options.workingFolder); !s) {
            return reportError(s.error());
        }
    }
    if (!options.local && !command->runsHere) {
        if (auto status = runThroughDesktop(options)) {
            return *status;
        }
    }
    TerminalOutput terminal;
    LocalContext context(options, terminal);
    if (!command->runsHere) {
        if (Status s = context.lockDataFolder(); !s) {
            return reportError(s.error());
        }
    }
    int status = command->run(context, options.args);
    if (Status s = context.finish(status != kExitUsage); !s) {
        const int finishStatus = reportError(s.error());
        if (status == kExitOk) {
            status = finishStatus;
        }
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    return runGuarded("vantrelctl", kExitDevice, [&] {
        platform::useUtf8Console();
        std::vector<std::string> arguments = platform::programArguments(argc, argv);
        std::vector<char*> pointers = platform::argumentPointers(arguments);
        return runCommandLine(static_cast<int>(arguments.size()), pointers.data());
    });
}
