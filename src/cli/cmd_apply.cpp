// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

Status checkApply(const std::vector<std::string>& args,
                  const std::filesystem::path& workingFolder) {
    if (args.size() != 1) {
        return makeError(ErrorCode::InvalidArgument,
                         "apply needs exactly one PROFILE file; see 'vantrelctl --help'.");
    }
    // Read once here so that a bad profile is refused before the keyboard
    // is touched: the file named is the command's input.
    ConfigImage image;
    AssignmentTable table;
    if (Status s = LoadProfileFile(userFile(workingFolder, args[0]), image, table); !s) {
        return makeError(ErrorCode::InvalidArgument, s.error().message);
    }
    return Status::success();
}

int runApply(Context& context, const std::vector<std::string>& args) {
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    ConfiguratorModel& m = context.model();
    if (Status s = LoadProfileFile(context.userFile(args[0]), m.image(), m.assignments()); !s) {
        return context.fail(makeError(ErrorCode::BadFile, s.error().message));
    }
    m.assignments().writeOwnKeys();
    if (Status s = context.applyChanges(); !s) {
        return context.fail(s.error());
    }
    context.print("applied %s\n", args[0].c_str());
    return kExitOk;
}

} // namespace

CliCommand applyCommand() {
    return {"apply", "PROFILE", "send a profile file to the keyboard", "", checkApply, runApply};
}

} // namespace vantrel::cli
