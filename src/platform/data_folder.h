// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>

namespace vantrel::platform {

// Where keymap.bin, MacroDefine.bin, VER.bin and Configure/ live by default:
// the program's own folder on Windows (where the files have always been),
// the per-user configuration folder elsewhere ($XDG_CONFIG_HOME/vantrel or
// ~/.config/vantrel). `--data-dir` overrides it.
std::filesystem::path defaultDataFolder();

// Where the simulated keyboard's files live when no `--data-dir` is given:
// a folder of their own under the user's state folder ($XDG_STATE_HOME/vantrel
// or ~/.local/state/vantrel; beside the program on Windows), so that trying
// the programs never touches the real keyboard's files. "simulated" without
// a state file; with one, a folder named after that file (its name and a
// short hash of its full path), so each simulated keyboard keeps its own.
std::filesystem::path simulatedDataFolder(const std::optional<std::filesystem::path>& simState);

// The data folder of one run: `--data-dir` when given, else the simulated
// keyboard's own folder when the run simulates, else defaultDataFolder().
std::filesystem::path chooseDataFolder(const std::optional<std::filesystem::path>& dataDir,
                                       bool simulate,
                                       const std::optional<std::filesystem::path>& simState);

// The folder of the running executable (for the updater and bundled files).
std::filesystem::path programFolder();

} // namespace vantrel::platform
