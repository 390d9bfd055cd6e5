// SPDX-License-Identifier: MIT
#pragma once

#include "cli/command_output.h"
#include "core/device/device_connection.h"
#include "core/model/configurator_model.h"
#include "core/model/state_files.h"
#include "core/util/result.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// mingw's printf checks default to Microsoft's C runtime, which lacks %zu;
// the C++ runtime prints through mingw's own, which has it.
#ifdef __MINGW_PRINTF_FORMAT
#define VANTREL_PRINTF __MINGW_PRINTF_FORMAT
#else
#define VANTREL_PRINTF printf
#endif

namespace vantrel::cli {

// Exit statuses of vantrelctl.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDevice = 1; // no keyboard, no acknowledgement, permission, files
                                      // (missing, damaged or of the wrong size)
inline constexpr int kExitUsage = 2;  // bad usage or input; nothing was sent

// What a command says when there is no keyboard, run here or by the desktop
// program.
inline constexpr const char* kNoKeyboardMessage =
    "No keyboard found; plug it in (or try --simulate).";

struct GlobalOptions {
    bool simulate = false;
    std::optional<std::filesystem::path> simState;
    std::optional<std::filesystem::path> trace;
    std::optional<std::filesystem::path> dataDir;
    bool help = false;
    bool version = false;
    // Run here even when the desktop program keeps the data folder (and
    // then wait for it like for any other holder of the folder).
    bool local = false;
    // --complete WHAT: the words the shell completion offers.
    std::optional<std::string> complete;
    std::string command;
    std::vector<std::string> args;
    // Where file names among the arguments are relative to; empty for the
    // current folder. Set when the desktop program runs a command for
    // vantrelctl, whose current folder is not its own.
    std::filesystem::path workingFolder;
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

// A file name the user typed, as the program opens it.
std::filesystem::path userFile(const std::filesystem::path& workingFolder, const std::string& name);

// Everything one command run needs: the keyboard, the model with its data
// folder, and where the output goes. The keyboard is either opened by the
// command itself (LocalContext) or the one the running desktop program
// holds (ServedContext); commands cannot tell the two apart.
class Context {
public:
    // What connect() needs of the keyboard.
    enum class Reading {
        // Its configuration as last read or sent: a keyboard already held
        // by the desktop program is not read again.
        Known,
        // Read now, because the command reports what the keyboard holds.
        Fresh,
    };

    virtual ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    // Gets the keyboard's configuration, then loads keymap.bin with the
    // keyboard's values winning, takes the synced copies and saves
    // keymap.bin, as the program does when a read-back finishes.
    Status connect(Reading reading = Reading::Known);

    // Sends what the model's image changed against its synced copy. On
    // success the image as sent becomes both copies, the assignments are
    // synced and keymap.bin saved; on failure the synced copies stay.
    Status applyChanges();

    // Resets the keyboard, re-reads it and resets the model and keymap.bin.
    Status factoryReset();

    Status saveKeymap();

    // Creates the data folder when needed; every command calls it before
    // it reads a file it may write back.
    virtual Status prepareDataFolder();

    // The keyboard connect() reached.
    virtual DeviceIdentity device() const = 0;

    ConfiguratorModel& model() { return *model_; }
    const DataFolder& dataFolder() const { return data_; }
    const GlobalOptions& options() const { return options_; }
    bool simulated() const { return options_.simulate; }
    // A file name among the command's arguments, as it is to be opened.
    std::filesystem::path userFile(const std::string& name) const {
        return cli::userFile(options_.workingFolder, name);
    }

    // The command's standard output.
    void write(std::string_view text) { output_.out(text); }
    void print(const char* format, ...) __attribute__((format(VANTREL_PRINTF, 2, 3)));
    // "vantrelctl: <message>" on the command's standard error.
    void warn(std::string_view message);
    // warn()s the error and returns the exit status it calls for.
    int fail(const Error& error);

protected:
    Context(const GlobalOptions& options, DataFolder folder, CommandOutput& output);

    // The keyboard's configuration for connect().
    virtual Result<DeviceSnapshot> readKeyboard(Reading reading) = 0;
    virtual Result<ApplyOutcome> sendImage(const ConfigImage& image, const ConfigImage& synced) = 0;
    virtual Result<DeviceSnapshot> resetKeyboard() = 0;
    // connect() has loaded and synced the model.
    virtual void connected() {}

    GlobalOptions options_;
    DataFolder data_;

private:
    CommandOutput& output_;
    std::unique_ptr<ConfiguratorModel> model_;
};

} // namespace vantrel::cli
