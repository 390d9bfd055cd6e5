// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/diagnosis_report.h"
#include "cli/read_back_probe.h"
#include "core/util/atomic_file.h"
#include "hid/hidapi_transport.h"
#include "platform/data_folder_lock.h"

#include <chrono>
#include <ctime>

namespace vantrel::cli {

namespace {

struct DiagnoseArgs {
    bool probe = false;
    std::optional<std::string> output;
};

Result<DiagnoseArgs> parseDiagnoseArgs(const std::vector<std::string>& args) {
    DiagnoseArgs a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--probe") {
            a.probe = true;
        } else if (arg == "--output" || arg.rfind("--output=", 0) == 0) {
            std::string value = arg == "--output" ? (i + 1 < args.size() ? args[++i] : "")
                                                  : arg.substr(std::string("--output=").size());
            if (value.empty()) {
                return makeError(ErrorCode::InvalidArgument, "--output needs a file name.");
            }
            a.output = value;
        } else {
            return makeError(ErrorCode::InvalidArgument,
                             "diagnose takes --probe and --output FILE, not '" + arg + "'.");
        }
    }
    return a;
}

Status checkDiagnose(const std::vector<std::string>& args, const std::filesystem::path&) {
    auto a = parseDiagnoseArgs(args);
    return a ? Status::success() : Status(a.error());
}

std::string header() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    char when[32];
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S UTC", &utc);
    return std::string("Vantrel keyboard diagnosis: vantrelctl ") + VANTREL_VERSION + ", " + when;
}

// Why the keyboard must not be probed now; empty when it may.
std::string probeBlocker(const Context& context) {
    const auto holder = platform::DataFolderLock::holder(context.dataFolder().path());
    if (holder && holder->program == platform::kDesktopProgramName) {
        return "the desktop program (process " + std::to_string(holder->pid) +
               ") is using the keyboard; close it and run diagnose --probe again.";
    }
    return {};
}

int runDiagnose(Context& context, const std::vector<std::string>& args) {
    if (context.simulated()) {
        return context.fail(makeError(ErrorCode::InvalidArgument,
                                      "diagnose looks at the real keyboard: leave out --simulate "
                                      "and --sim-state."));
    }
    const DiagnoseArgs a = *parseDiagnoseArgs(args);
    Result<HidDiagnosis> diagnosis = makeError(ErrorCode::NoDevice, "");
    {
        // hidapi is set up once at a time: the probe sets it up again.
        auto hid = HidapiTransport::create();
        if (!hid) {
            return context.fail(hid.error());
        }
        diagnosis = diagnoseHid(**hid);
    }
    if (!diagnosis) {
        return context.fail(diagnosis.error());
    }
    std::optional<ProbeResult> probe;
    std::string skipped;
    if (a.probe) {
        skipped = diagnosis->nodes.empty() ? "no keyboard to read." : probeBlocker(context);
        if (skipped.empty()) {
            probe = probeReadBack();
        }
    }
    const DiagnosisText report = formatDiagnosis(*diagnosis, probe, skipped, header());
    if (a.output) {
        const auto file = context.userFile(*a.output);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(report.text.data());
        if (Status s = writeFileAtomically(file, {{bytes, report.text.size()}}); !s) {
            return context.fail(s.error());
        }
        context.print("wrote %s\n", a.output->c_str());
    } else {
        context.write(report.text);
    }
    if (!report.keyboardUsable) {
        context.warn(report.verdict);
        return kExitDevice;
    }
    if (a.output) {
        context.print("%s\n", report.verdict.c_str());
    }
    return kExitOk;
}

} // namespace

CliCommand diagnoseCommand() {
    CliCommand command{
        "diagnose",
        "[--probe] [--output FILE]",
        "report what this machine sees of the keyboard, for a bug report",
        "Lists the keyboard's HID interfaces (node, USB interface, collections and report\n"
        "IDs, report descriptor, access rights, udev; on Windows each collection's path,\n"
        "ids, interface and usage), which two the programs choose and why, and the udev\n"
        "rules that name the keyboard. --probe also reads the keyboard\n"
        "once, as the programs do when they start, and adds the trace. --output FILE\n"
        "writes the report to FILE. Exit status 1 when the keyboard cannot be used.\n",
        checkDiagnose,
        runDiagnose};
    command.runsHere = true;
    return command;
}

} // namespace vantrel::cli
