// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

Status checkReset(const std::vector<std::string>& args, const std::filesystem::path&) {
    if (!args.empty()) {
        return makeError(ErrorCode::InvalidArgument, "reset takes no arguments.");
    }
    return Status::success();
}

int runReset(Context& context, const std::vector<std::string>&) {
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    if (Status s = context.factoryReset(); !s) {
        return context.fail(s.error());
    }
    context.print("the keyboard and keymap.bin are back to the factory settings\n");
    return kExitOk;
}

} // namespace

CliCommand resetCommand() {
    return {"reset", "",         "restore the factory settings (keyboard and keymap.bin)",
            "",      checkReset, runReset};
}

} // namespace vantrel::cli
