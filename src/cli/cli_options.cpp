// SPDX-License-Identifier: MIT
#include "cli/cli_context.h"

#include <cstdio>

namespace vantrel::cli {

Result<GlobalOptions> parseGlobalOptions(int argc, char** argv) {
    GlobalOptions o;
    int i = 1;
    auto needValue = [&](const std::string& name) -> Result<std::string> {
        if (i + 1 >= argc) {
            return makeError(ErrorCode::InvalidArgument,
                             name + " needs a value; see 'vantrelctl --help'.");
        }
        return std::string(argv[++i]);
    };
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--simulate") {
            o.simulate = true;
        } else if (arg == "--sim-state" || arg == "--trace" || arg == "--data-dir") {
            auto v = needValue(arg);
            if (!v) {
                return v.error();
            }
            if (arg == "--sim-state") {
                o.simState = *v;
                o.simulate = true; // a state file only makes sense for the simulated keyboard
            } else if (arg == "--trace") {
                o.trace = *v;
            } else {
                o.dataDir = *v;
            }
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg.rfind("-", 0) == 0 && arg.size() > 1) {
            return makeError(ErrorCode::InvalidArgument,
                             "unknown option '" + arg + "'; see 'vantrelctl --help'.");
        } else {
            o.command = arg;
            for (++i; i < argc; ++i) {
                o.args.emplace_back(argv[i]);
            }
            break;
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
