// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace vantrel::platform {

// Where keymap.bin, MacroDefine.bin, VER.bin and Configure/ live by default:
// the program's own folder on Windows (where the files have always been),
// the per-user configuration folder elsewhere ($XDG_CONFIG_HOME/vantrel or
// ~/.config/vantrel). `--data-dir` overrides it.
std::filesystem::path defaultDataFolder();

// The folder of the running executable (for the updater and bundled files).
std::filesystem::path programFolder();

} // namespace vantrel::platform
