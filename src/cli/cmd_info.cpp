// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

int runInfo(Context& context, const std::vector<std::string>&) {
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
    const FirmwareVersion shipped = LoadVersionFile(context.dataFolder().version());
    std::printf("firmware of the updater: %s\n",
                shipped == FirmwareVersion{} ? "none" : shipped.toString().c_str());
    std::printf("data folder: %s\n", context.dataFolder().path().string().c_str());
    return kExitOk;
}

} // namespace

CliCommand infoCommand() {
    return {"info", "",      "show the keyboard, its firmware and the data folder",
            "",     nullptr, runInfo};
}

} // namespace vantrel::cli
