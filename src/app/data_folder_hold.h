// SPDX-License-Identifier: MIT
#pragma once

#include "platform/data_folder_lock.h"

#include <QStringList>
#include <filesystem>
#include <optional>

namespace vantrel::app {

// Takes the data folder for the whole run of the desktop program, so that
// no vantrelctl command changes its files underneath it (and its close
// never writes over what a command stored). A command still running is
// waited for a few seconds. False when another program keeps the folder:
// that is told on stderr and, with `showBox`, in a message box, and the
// program must end. A folder that cannot be locked at all (one the user may
// not write) only adds a line to `problems`.
bool holdDataFolder(const std::filesystem::path& folder,
                    std::optional<platform::DataFolderLock>& lock, QStringList& problems,
                    bool showBox);

} // namespace vantrel::app
