// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/json_writer.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

Status checkInfo(const std::vector<std::string>& args) {
    if (!args.empty() && args != std::vector<std::string>{"--json"}) {
        return makeError(ErrorCode::InvalidArgument, "info takes only --json.");
    }
    return Status::success();
}

std::string hex4(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", v);
    return buf;
}

int runInfo(Context& context, const std::vector<std::string>& args) {
    const auto shipped = LoadVersionFile(context.dataFolder().version());
    if (!shipped) {
        return reportError(shipped.error());
    }
    if (Status s = context.connect(); !s) {
        return reportError(s.error());
    }
    const DeviceConnection& c = context.connection();
    const ConfiguratorModel& m = context.model();
    const FirmwareVersion updater = *shipped;
    if (!args.empty()) {
        JsonWriter j;
        j.beginObject();
        j.key("vendorId");
        j.value(hex4(c.vendorId()));
        j.key("productId");
        j.value(hex4(c.productId()));
        j.key("simulated");
        j.value(context.simulated());
        j.key("controlInterface");
        j.value(c.controlMatchName());
        j.key("notificationInterface");
        j.value(c.notificationMatchName());
        j.key("firmware");
        j.value(m.firmwareVersion().toString());
        j.key("updaterFirmware");
        if (updater == FirmwareVersion{}) {
            j.null();
        } else {
            j.value(updater.toString());
        }
        j.key("dataFolder");
        j.value(context.dataFolder().path().string());
        j.endObject();
        std::fputs(j.text().c_str(), stdout);
        return kExitOk;
    }
    std::printf("keyboard: %04X:%04X%s\n", c.vendorId(), c.productId(),
                context.simulated() ? " (simulated)" : "");
    std::printf("control interface: %s\n", c.controlMatchName().c_str());
    std::printf("notification interface: %s\n", c.notificationMatchName().c_str());
    std::printf("firmware: %s\n", m.firmwareVersion().toString().c_str());
    std::printf("firmware of the updater: %s\n",
                updater == FirmwareVersion{} ? "none" : updater.toString().c_str());
    std::printf("data folder: %s\n", context.dataFolder().path().string().c_str());
    return kExitOk;
}

} // namespace

CliCommand infoCommand() {
    return {"info", "[--json]", "show the keyboard, its firmware and the data folder",
            "",     checkInfo,  runInfo};
}

} // namespace vantrel::cli
