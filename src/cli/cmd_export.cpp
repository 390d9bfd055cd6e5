// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

Status checkExport(const std::vector<std::string>& args, const std::filesystem::path&) {
    if (args.size() != 1) {
        return makeError(ErrorCode::InvalidArgument,
                         "export needs exactly one FILE; see 'vantrelctl --help'.");
    }
    return Status::success();
}

int runExport(Context& context, const std::vector<std::string>& args) {
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    const ConfiguratorModel& m = context.model();
    if (Status s = SaveKeymapFile(context.userFile(args[0]), m.image(), m.assignments()); !s) {
        return context.fail(s.error());
    }
    context.print("exported the keyboard's configuration to %s\n", args[0].c_str());
    return kExitOk;
}

} // namespace

CliCommand exportCommand() {
    return {"export", "FILE",      "read the keyboard and write a profile file",
            "",       checkExport, runExport};
}

} // namespace vantrel::cli
