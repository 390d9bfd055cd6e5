// SPDX-License-Identifier: MIT
#include "cli/desktop_client.h"

#include "cli/commands.h"
#include "core/device/trace.h"
#include "core/util/path_text.h"
#include "platform/data_folder.h"
#include "platform/data_folder_lock.h"
#include "platform/instance_socket.h"
#include "remote/client.h"

#include <cstdio>

namespace vantrel::cli {
namespace {

std::string absoluteName(const std::filesystem::path& p) {
    std::error_code ec;
    auto full = std::filesystem::weakly_canonical(std::filesystem::absolute(p, ec), ec);
    return pathText(ec ? std::filesystem::absolute(p) : full);
}

} // namespace

std::optional<int> runThroughDesktop(const GlobalOptions& options) {
    const auto folder =
        platform::chooseDataFolder(options.dataDir, options.simulate, options.simState);
    const auto holder = platform::DataFolderLock::holder(folder);
    if (!holder || holder->program != platform::kDesktopProgramName) {
        return std::nullopt;
    }
    // The trace file is the command's own output: made here, as a command
    // run here makes it, before anything is sent; not at all for a command
    // that opens no keyboard (nor does one run here).
    const CliCommand* command = findCommand(options.command);
    const bool traced = options.trace && command != nullptr && command->needsKeyboard(options.args);
    std::unique_ptr<FileTraceSink> trace;
    if (traced) {
        auto sink = FileTraceSink::open(*options.trace);
        if (!sink) {
            return reportError(sink.error());
        }
        trace = std::move(*sink);
    }
    remote::CommandRequest request;
    request.command = options.command;
    request.args = options.args;
    request.dataFolder = absoluteName(folder);
    request.simulate = options.simulate;
    request.simState = options.simState ? absoluteName(*options.simState) : std::string();
    request.workingFolder = absoluteName(std::filesystem::current_path());
    request.trace = traced;
    auto answer = remote::sendRequest(platform::instanceSocketName(), request);
    if (!answer) {
        const Error& e = answer.error();
        if (e.code == ErrorCode::InvalidArgument) {
            return reportError(e);
        }
        const std::string who = "the desktop program (process " + std::to_string(holder->pid) +
                                ") keeps " + pathText(folder);
        return reportError(
            makeError(ErrorCode::Io, e.code == ErrorCode::Busy
                                         ? who + " and refused the command: " + e.message
                                         : who + " but could not run the command: " + e.message +
                                               "; close it, or end it, and try again."));
    }
    std::fwrite(answer->standardOutput.data(), 1, answer->standardOutput.size(), stdout);
    std::fwrite(answer->standardError.data(), 1, answer->standardError.size(), stderr);
    if (trace) {
        for (const auto& line : answer->trace) {
            trace->writeLine(line);
        }
    }
    return answer->status;
}

} // namespace vantrel::cli
