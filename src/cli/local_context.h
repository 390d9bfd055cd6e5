// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_context.h"
#include "core/device/pacer.h"
#include "core/device/sleeping_pacer.h"
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "platform/data_folder_lock.h"

#include <memory>
#include <optional>

namespace vantrel::sim {
class SimulatedKeyboard;
}

namespace vantrel::cli {

class ReadBackWaiter;

// A command that opens the keyboard itself: the transport (hidapi or the
// simulated keyboard), the optional trace and the device connection, with
// the data folder locked for the length of the command.
class LocalContext final : public Context {
public:
    LocalContext(const GlobalOptions& options, CommandOutput& output);
    ~LocalContext() override;

    // Takes the data folder's lock for the rest of the command. Another
    // vantrelctl is waited for a few seconds; the desktop program, which
    // keeps the folder while it runs, is named at once (Busy). A folder that
    // does not exist yet is locked when prepareDataFolder() creates it.
    Status lockDataFolder();
    // Creates the data folder when needed, and then locks it.
    Status prepareDataFolder() override;

    DeviceIdentity device() const override;

    // Saves the simulated keyboard's state when --sim-state names a file
    // that was loaded or did not exist yet, and `save` is true (a command
    // that refused its input writes nothing). A refused state file is never
    // written over.
    Status finish(bool save);

protected:
    Result<DeviceSnapshot> readKeyboard(Reading reading) override;
    Result<ApplyOutcome> sendImage(const ConfigImage& image, const ConfigImage& synced) override;
    Result<DeviceSnapshot> resetKeyboard() override;

private:
    Status openTransport();
    Status takeLock();

    // Released last, after everything that writes into the folder.
    std::optional<platform::DataFolderLock> lock_;
    bool lockWhenCreated_ = false;
    std::unique_ptr<sim::SimulatedKeyboard> keyboard_;
    bool simStateLoaded_ = false;
    std::unique_ptr<HidTransport> transport_;
    std::unique_ptr<TraceSink> traceSink_;
    std::unique_ptr<TraceWriter> trace_;
    std::unique_ptr<TracingTransport> tracedTransport_;
    SleepingPacer sleepingPacer_;
    std::unique_ptr<TracingPacer> tracedPacer_;
    std::unique_ptr<ReadBackWaiter> observer_;
    std::unique_ptr<DeviceConnection> connection_;
};

} // namespace vantrel::cli
