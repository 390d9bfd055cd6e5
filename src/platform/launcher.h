// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/key_action.h"
#include "core/util/result.h"

namespace vantrel::platform {

// The separator a stored launch path is split at on this system.
char launchPathSeparator();

// Starts what a launch key stands for, without waiting for it: a program is
// started directly (in its own folder), music, files and folders open in the
// desktop's default application. Never goes through a shell, so nothing in
// the path is interpreted. A path without a file name, a program that cannot
// be started or a missing opener is reported.
Status launch(const LaunchTarget& target);

// The path a launch key should keep for what the user typed, so that it
// works from wherever the desktop program runs: a program named without a
// folder is looked up in PATH, any other path without a folder or relative
// to the current one is made absolute (and must exist). An absolute path is
// kept as it is. InvalidArgument when a bare name cannot be found.
Result<std::string> resolveLaunchPath(AssignmentKind kind, const std::string& path);

// What the program does when the keyboard reports a launch key: finds the
// first record of an advanced kind for `key` and launches its path. A key
// without such a record does nothing (success).
Status launchKeyAction(const AssignmentTable& table, std::uint8_t key);

} // namespace vantrel::platform
