// SPDX-License-Identifier: MIT
#include "cli/cli_context.h"
#include "core/util/path_text.h"

#include <cstdio>

namespace vantrel::cli {

Result<GlobalOptions> parseGlobalOptions(int argc, char** argv) {
    GlobalOptions o;
    bool optionsEnded = false;
    auto positional = [&o](std::string word) {
        if (o.command.empty()) {
            o.command = std::move(word);
        } else {
            o.args.push_back(std::move(word));
        }
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded) {
            positional(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name=value" or "--name value".
        const auto eq = arg.find('=');
        const std::string name = arg.rfind("--", 0) == 0 ? arg.substr(0, eq) : arg;
        const bool inlineValue = name.size() != arg.size();
        auto value = [&]() -> Result<std::string> {
            if (inlineValue) {
                return arg.substr(eq + 1);
            }
            if (i + 1 >= argc) {
                return makeError(ErrorCode::InvalidArgument,
                                 name + " needs a value; see 'vantrelctl --help'.");
            }
            return std::string(argv[++i]);
        };
        const bool takesValue = name == "--sim-state" || name == "--trace" ||
                                name == "--data-dir" || name == "--complete";
        const bool flag = name == "--simulate" || name == "--local" || name == "--help" ||
                          name == "-h" || name == "--version";
        if (flag && inlineValue) {
            return makeError(ErrorCode::InvalidArgument,
                             name + " takes no value; see 'vantrelctl --help'.");
        }
        if (name == "--simulate") {
            o.simulate = true;
        } else if (name == "--local") {
            o.local = true;
        } else if (takesValue) {
            auto v = value();
            if (!v) {
                return v.error();
            }
            // An empty name is a slip of the shell (an unset variable), not a
            // wish for the current folder or no file; --complete says itself
            // what it takes.
            if (v->empty() && name != "--complete") {
                return makeError(ErrorCode::InvalidArgument,
                                 name + " needs " +
                                     (name == "--data-dir" ? "a folder" : "a file name") +
                                     ", not an empty value; see 'vantrelctl --help'.");
            }
            if (name == "--sim-state") {
                o.simState = pathFromText(*v);
                o.simulate = true; // a state file only makes sense for the simulated keyboard
            } else if (name == "--trace") {
                o.trace = pathFromText(*v);
            } else if (name == "--data-dir") {
                o.dataDir = pathFromText(*v);
            } else {
                o.complete = *v;
            }
        } else if (name == "--help" || name == "-h") {
            o.help = true;
        } else if (name == "--version") {
            o.version = true;
        } else if (arg.rfind('-', 0) == 0 && arg.size() > 1 && o.command.empty()) {
            return makeError(ErrorCode::InvalidArgument,
                             "unknown option '" + arg + "'; see 'vantrelctl --help'.");
        } else {
            // A command's own options (--loop, --json) stay with its arguments.
            positional(arg);
        }
    }
    return o;
}

int exitStatusFor(const Error& error) {
    switch (error.code) {
    case ErrorCode::InvalidArgument:
        return kExitUsage;
    default:
        return kExitDevice;
    }
}

int reportError(const Error& error) {
    std::fprintf(stderr, "vantrelctl: %s\n", error.message.c_str());
    return exitStatusFor(error);
}

} // namespace vantrel::cli
