// SPDX-License-Identifier: MIT
#include "cli/cli_context.h"
#include "core/util/path_text.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

bool takesValue(const std::string& name) {
    return name == "--sim-state" || name == "--trace" || name == "--data-dir" ||
           name == "--complete";
}

// Sets the flag `name`; false when it is none of the global flags.
bool setFlag(GlobalOptions& o, const std::string& name) {
    if (name == "--simulate") {
        o.simulate = true;
    } else if (name == "--local") {
        o.local = true;
    } else if (name == "--help" || name == "-h") {
        o.help = true;
    } else if (name == "--version") {
        o.version = true;
    } else {
        return false;
    }
    return true;
}

Status setValue(GlobalOptions& o, const std::string& name, const std::string& value) {
    // An empty name is a slip of the shell (an unset variable), not a wish
    // for the current folder or no file; --complete says itself what it takes.
    if (value.empty() && name != "--complete") {
        return makeError(ErrorCode::InvalidArgument,
                         name + " needs " + (name == "--data-dir" ? "a folder" : "a file name") +
                             ", not an empty value; see 'vantrelctl --help'.");
    }
    if (name == "--sim-state") {
        o.simState = pathFromText(value);
        o.simulate = true; // a state file only makes sense for the simulated keyboard
    } else if (name == "--trace") {
        o.trace = pathFromText(value);
    } else if (name == "--data-dir") {
        o.dataDir = pathFromText(value);
    } else {
        o.complete = value;
    }
    return Status::success();
}

void addPositional(GlobalOptions& o, std::string word) {
    if (o.command.empty()) {
        o.command = std::move(word);
    } else {
        o.args.push_back(std::move(word));
    }
}

} // namespace

Result<GlobalOptions> parseGlobalOptions(int argc, char** argv) {
    GlobalOptions o;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg == "--") {
            if (optionsEnded) {
                addPositional(o, arg);
            }
            optionsEnded = true;
            continue;
        }
        // "--name=value" or "--name value".
        const auto eq = arg.find('=');
        const std::string name = arg.rfind("--", 0) == 0 ? arg.substr(0, eq) : arg;
        const bool inlineValue = name.size() != arg.size();
        if (takesValue(name)) {
            if (!inlineValue && i + 1 >= argc) {
                return makeError(ErrorCode::InvalidArgument,
                                 name + " needs a value; see 'vantrelctl --help'.");
            }
            const std::string value = inlineValue ? arg.substr(eq + 1) : std::string(argv[++i]);
            if (Status s = setValue(o, name, value); !s) {
                return s.error();
            }
        } else if (GlobalOptions probe; setFlag(probe, name)) {
            if (inlineValue) {
                return makeError(ErrorCode::InvalidArgument,
                                 name + " takes no value; see 'vantrelctl --help'.");
            }
            setFlag(o, name);
        } else if (arg.rfind('-', 0) == 0 && arg.size() > 1 && o.command.empty()) {
            return makeError(ErrorCode::InvalidArgument,
                             "unknown option '" + arg + "'; see 'vantrelctl --help'.");
        } else {
            // A command's own options (--loop, --json) stay with its arguments.
            addPositional(o, arg);
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
