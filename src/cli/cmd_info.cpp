// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

Status checkInfo(const std::vector<std::string>& args) {
    if (!args.empty()) {
        return makeError(ErrorCode::InvalidArgument,
                         "info takes no arguments (\"" + args[0] + "\"); see 'vantrelctl --help'.");
    }
    return Status::success();
}

int runInfo(Context& context, const std::vector<std::string>&) {
    const auto shipped = LoadVersionFile(context.dataFolder().version());
    if (!shipped) {
        return reportError(shipped.error());
    }
    if (Status s = context.connect(); !s) {
        return reportError(s.error());
    }
    const DeviceConnection& c = context.connection();
    const ConfiguratorModel& m = context.model();
    std::printf("keyboard: %04X:%04X%s\n", c.vendorId(), c.productId(),
                context.simulated() ? " (simulated)" : "");
    std::printf("control interface: %s\n", c.controlMatchName().c_str());
    std::printf("notification interface: %s\n", c.notificationMatchName().c_str());
    std::printf("firmware: %s\n", m.firmwareVersion().toString().c_str());
    std::printf("firmware of the updater: %s\n",
                *shipped == FirmwareVersion{} ? "none" : shipped->toString().c_str());
    std::printf("data folder: %s\n", context.dataFolder().path().string().c_str());
    return kExitOk;
}

} // namespace

CliCommand infoCommand() {
    return {"info", "",        "show the keyboard, its firmware and the data folder",
            "",     checkInfo, runInfo};
}

} // namespace vantrel::cli
