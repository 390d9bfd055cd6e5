// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vantrel::platform {

// The program's entry in the desktop's start-on-login folder (the XDG
// autostart folder, $XDG_CONFIG_HOME/autostart or ~/.config/autostart).
class AutostartEntry {
public:
    // The file name of the program's own desktop entry.
    static constexpr std::string_view kFileName = "io.github.vantrel.Vantrel.desktop";

    explicit AutostartEntry(std::filesystem::path file) : file_(std::move(file)) {}
    // The entry in the current user's autostart folder.
    static AutostartEntry forCurrentUser();

    // True when the desktop will start the program on login: the entry is
    // there and was not switched off in the desktop's own settings
    // (Hidden=true, X-GNOME-Autostart-enabled=false).
    bool enabled() const;
    // Writes the entry (atomically, creating the folder) so that the desktop
    // starts `program` with --background.
    Status enable(const std::filesystem::path& program);
    // Removes the entry; nothing to do when there is none.
    Status disable();

    const std::filesystem::path& file() const { return file_; }

    // The entry's text for `program`, with the path quoted as desktop
    // entries want it.
    static std::string text(const std::filesystem::path& program);

private:
    std::filesystem::path file_;
};

} // namespace vantrel::platform
