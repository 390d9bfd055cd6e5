// SPDX-License-Identifier: MIT
// The holder's line of a data folder's lock file and what the programs kept
// waiting say about it; shared by the systems' own locks.
#pragma once

#include "core/util/result.h"
#include "platform/data_folder_lock.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

namespace vantrel::platform {

inline constexpr std::chrono::milliseconds kLockRetryInterval{20};
inline constexpr std::size_t kMaxHolderText = 128;

// "<program> <pid>\n", as every holder writes it.
std::string holderLine(std::string_view program, long pid);
// The first line of a lock file; empty when it names nobody.
std::optional<FolderHolder> parseHolder(std::string_view text);

// Busy, naming the holder (the desktop program is told apart: it keeps the
// folder until it is closed).
Error heldBy(const std::filesystem::path& folder, const std::optional<FolderHolder>& holder);

// Whether a kept-waiting program gives up now: the desktop program is not
// waited for, anyone else until the deadline.
bool stopWaiting(const std::optional<FolderHolder>& holder,
                 std::chrono::steady_clock::time_point deadline);

// The holder alone writes the folder's state files, so a temporary file of
// theirs that is there now is left by a save that never finished.
void sweepAfterCrash(const std::filesystem::path& folder);

} // namespace vantrel::platform
