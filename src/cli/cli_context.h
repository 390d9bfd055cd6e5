// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_connection.h"
#include "core/device/pacer.h"
#include "core/device/sleeping_pacer.h"
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "core/model/configurator_model.h"
#include "core/model/state_files.h"
#include "core/util/result.h"
#include "platform/data_folder_lock.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::sim {
class SimulatedKeyboard;
}

namespace vantrel::cli {

// Exit statuses of vantrelctl.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDevice = 1; // no keyboard, no acknowledgement, permission, files
                                      // (missing, damaged or of the wrong size)
inline constexpr int kExitUsage = 2;  // bad usage or input; nothing was sent

struct GlobalOptions {
    bool simulate = false;
    std::optional<std::filesystem::path> simState;
    std::optional<std::filesystem::path> trace;
    std::optional<std::filesystem::path> dataDir;
    bool help = false;
    bool version = false;
    // --complete WHAT: the words the shell completion offers.
    std::optional<std::string> complete;
    std::string command;
    std::vector<std::string> args;
};

// Global options may come before or after the command, as "--name value" or
// "--name=value"; "--" ends them. Other options after the command are the
// command's own and stay in its arguments. InvalidArgument for an unknown
// option before the command or a missing value.
Result<GlobalOptions> parseGlobalOptions(int argc, char** argv);

// Prints "vantrelctl: <message>" on stderr and returns the exit status the
// error calls for.
int reportError(const Error& error);
int exitStatusFor(const Error& error);

// Everything one command run needs: the transport (hidapi or the simulated
// keyboard), the optional trace, the device connection and the model with
// its data folder.
class Context {
public:
    explicit Context(const GlobalOptions& options);
    ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    // Opens the keyboard and reads it back, then loads keymap.bin with the
    // keyboard's values winning, takes the synced copies and saves
    // keymap.bin, as the program does when a read-back finishes.
    Status connect();

    // Sends what the model's image changed against its synced copy. On
    // success the image as sent becomes both copies, the assignments are
    // synced and keymap.bin saved; on failure the synced copies stay.
    Status applyChanges();

    // Resets the keyboard, re-reads it and resets the model and keymap.bin.
    Status factoryReset();

    Status saveKeymap();

    // Takes the data folder's lock for the rest of the command. Another
    // vantrelctl is waited for a few seconds; the desktop program, which
    // keeps the folder while it runs, is named at once (Busy). A folder that
    // does not exist yet is locked when prepareDataFolder() creates it.
    Status lockDataFolder();
    // Creates the data folder when needed (and then locks it); every
    // command calls it before it reads a file it may write back.
    Status prepareDataFolder();

    ConfiguratorModel& model() { return *model_; }
    DeviceConnection& connection() { return *connection_; }
    const DataFolder& dataFolder() const { return data_; }
    const GlobalOptions& options() const { return options_; }
    bool simulated() const { return options_.simulate; }

    // Saves the simulated keyboard's state when --sim-state names a file
    // that was loaded or did not exist yet, and `save` is true (a command
    // that refused its input writes nothing). A refused state file is never
    // written over.
    Status finish(bool save);

private:
    class Observer;

    Status openTransport();
    Status takeLock();

    GlobalOptions options_;
    // Released last, after everything that writes into the folder.
    std::optional<platform::DataFolderLock> lock_;
    bool lockWhenCreated_ = false;
    DataFolder data_;
    std::unique_ptr<sim::SimulatedKeyboard> keyboard_;
    bool simStateLoaded_ = false;
    std::unique_ptr<HidTransport> transport_;
    std::unique_ptr<TraceSink> traceSink_;
    std::unique_ptr<TraceWriter> trace_;
    std::unique_ptr<TracingTransport> tracedTransport_;
    SleepingPacer sleepingPacer_;
    std::unique_ptr<TracingPacer> tracedPacer_;
    std::unique_ptr<Observer> observer_;
    std::unique_ptr<ConfiguratorModel> model_;
    std::unique_ptr<DeviceConnection> connection_;
};

} // namespace vantrel::cli
