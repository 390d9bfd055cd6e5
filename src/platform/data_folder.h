// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vantrel::platform {

// Why a run uses the data folder it uses; vantrelctl info tells it.
enum class DataFolderReason {
    GivenOnCommandLine,    // --data-dir
    Simulated,             // the simulated keyboard's own folder
    ProgramFolder,         // Windows: beside the program, which the user may write to
    LocalAppData,          // Windows: the program folder is not writable
    InstalledCopy,         // Windows: the installer put the program in place
    ProgramFolderReadOnly, // Windows: neither is writable or known; the files cannot be saved
    UserConfiguration,     // elsewhere: the per-user configuration folder
};

struct DataFolderChoice {
    std::filesystem::path folder;
    DataFolderReason reason = DataFolderReason::UserConfiguration;
};

// The reason as a person reads it ("program folder") and as a script does
// ("programFolder").
std::string reasonText(DataFolderReason reason);
std::string reasonKey(DataFolderReason reason);

// Where keymap.bin, MacroDefine.bin, VER.bin and Configure/ live by default.
// On Windows the program's own folder (where the files have always been)
// when this user may write there, as for a copy unpacked from the zip;
// else, for a copy installed under Program Files, %LOCALAPPDATA%\Vantrel.
// Elsewhere the per-user configuration folder ($XDG_CONFIG_HOME/vantrel or
// ~/.config/vantrel). `--data-dir` overrides it.
DataFolderChoice defaultDataFolderChoice();
std::filesystem::path defaultDataFolder();

// The user's configuration folder, where the desktop program's own settings
// file (vantrel.conf) and the program bindings live: $XDG_CONFIG_HOME or
// ~/.config; on Windows the local application data folder.
std::filesystem::path userConfigFolder();

// The Windows rule above, apart from the system so that it can be tested:
// the program folder, whether it is writable, the local application data
// folder when the system names one, and whether the copy was installed. An
// installed copy keeps the user's files in their own folder even where its
// program folder takes files (an install for one user, or a system that
// checks no rights): the uninstaller and the next version share that folder.
DataFolderChoice
chooseProgramOrLocalFolder(const std::filesystem::path& programFolder, bool programFolderWritable,
                           const std::optional<std::filesystem::path>& localAppData,
                           bool installed = false);

// The installer leaves its uninstaller beside the programs; a portable copy
// has none.
inline constexpr const char* kUninstallerName = "uninstall.exe";

// Whether this user can create files in `folder`, found by creating and
// removing a file there: permissions, inherited rights, a read-only medium
// and policies all have their say, which no look at the rights would weigh.
bool canCreateFilesIn(const std::filesystem::path& folder);

// Where the simulated keyboard's files live when no `--data-dir` is given:
// a folder of their own under the user's state folder ($XDG_STATE_HOME/vantrel
// or ~/.local/state/vantrel; under the default data folder on Windows), so
// that trying the programs never touches the real keyboard's files.
// "simulated" without a state file; with one, a folder named after that
// file (its name and a short hash of its full path), so each simulated
// keyboard keeps its own.
std::filesystem::path simulatedDataFolder(const std::optional<std::filesystem::path>& simState);

// The data folder of one run: `--data-dir` when given, else the simulated
// keyboard's own folder when the run simulates, else defaultDataFolder().
DataFolderChoice explainDataFolder(const std::optional<std::filesystem::path>& dataDir,
                                   bool simulate,
                                   const std::optional<std::filesystem::path>& simState);
std::filesystem::path chooseDataFolder(const std::optional<std::filesystem::path>& dataDir,
                                       bool simulate,
                                       const std::optional<std::filesystem::path>& simState);

// The folder of the running executable (for the updater and bundled files).
std::filesystem::path programFolder();

} // namespace vantrel::platform
