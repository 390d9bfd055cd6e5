// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "core/util/path_text.h"
#include "platform/data_folder.h"

#include <cstdio>

namespace vantrel::cli {

namespace {

Status checkInfo(const std::vector<std::string>& args, const std::filesystem::path&) {
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

// Why the folder is the one used, when this run's options chose it (a
// command the desktop program runs uses the program's folder).
std::optional<platform::DataFolderReason> folderReason(const Context& context) {
    const GlobalOptions& o = context.options();
    const auto choice = platform::explainDataFolder(o.dataDir, o.simulate, o.simState);
    if (choice.folder != context.dataFolder().path()) {
        return std::nullopt;
    }
    return choice.reason;
}

int runInfo(Context& context, const std::vector<std::string>& args) {
    const auto shipped = LoadVersionFile(context.dataFolder().version());
    if (!shipped) {
        return context.fail(shipped.error());
    }
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    const DeviceIdentity c = context.device();
    const ConfiguratorModel& m = context.model();
    const FirmwareVersion updater = *shipped;
    if (!args.empty()) {
        JsonWriter j;
        j.beginObject();
        j.key("vendorId");
        j.value(hex4(c.vendorId));
        j.key("productId");
        j.value(hex4(c.productId));
        j.key("simulated");
        j.value(context.simulated());
        j.key("controlInterface");
        j.value(c.controlInterface);
        j.key("notificationInterface");
        j.value(c.notificationInterface);
        j.key("firmware");
        j.value(m.firmwareVersion().toString());
        j.key("updaterFirmware");
        if (updater == FirmwareVersion{}) {
            j.null();
        } else {
            j.value(updater.toString());
        }
        j.key("dataFolder");
        j.value(pathText(context.dataFolder().path()));
        j.key("dataFolderReason");
        if (const auto reason = folderReason(context)) {
            j.value(platform::reasonKey(*reason));
        } else {
            j.null();
        }
        j.endObject();
        context.write(j.text());
        return kExitOk;
    }
    context.print("keyboard: %04X:%04X%s\n", c.vendorId, c.productId,
                  context.simulated() ? " (simulated)" : "");
    context.print("control interface: %s\n", c.controlInterface.c_str());
    context.print("notification interface: %s\n", c.notificationInterface.c_str());
    context.print("firmware: %s\n", m.firmwareVersion().toString().c_str());
    context.print("firmware of the updater: %s\n",
                  updater == FirmwareVersion{} ? "none" : updater.toString().c_str());
    const auto reason = folderReason(context);
    context.print("data folder: %s%s\n", pathText(context.dataFolder().path()).c_str(),
                  reason ? (" (" + platform::reasonText(*reason) + ")").c_str() : "");
    return kExitOk;
}

} // namespace

CliCommand infoCommand() {
    return {"info", "[--json]", "show the keyboard, its firmware and the data folder",
            "",     checkInfo,  runInfo};
}

} // namespace vantrel::cli
