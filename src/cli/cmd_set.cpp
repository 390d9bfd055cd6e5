// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/set_fields.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

Status checkSet(const std::vector<std::string>& args, const std::filesystem::path&) {
    auto edits = parseFieldEdits(args);
    if (!edits) {
        return edits.error();
    }
    return Status::success();
}

int runSet(Context& context, const std::vector<std::string>& args) {
    auto edits = parseFieldEdits(args);
    if (!edits) {
        return context.fail(edits.error());
    }
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    for (const auto& edit : *edits) {
        edit(context.model().image());
    }
    if (Status s = context.applyChanges(); !s) {
        return context.fail(s.error());
    }
    context.print("applied %zu setting%s\n", edits->size(), edits->size() == 1 ? "" : "s");
    return kExitOk;
}

} // namespace

CliCommand setCommand() {
    static const std::string help = fieldHelp();
    return {"set",        "FIELD=VALUE...", "change settings and send them to the keyboard",
            help.c_str(), checkSet,         runSet};
}

} // namespace vantrel::cli
