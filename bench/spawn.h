// SPDX-License-Identifier: MIT
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/types.h>
#include <unistd.h> // environ (a GNU extension, which g++ enables)
#include <vector>

namespace vantrel::bench {

// Starts args[0] with the rest as its arguments and this process's
// environment; with `quiet` its output goes nowhere. -1 when it cannot be
// started.
inline pid_t spawnProgram(const std::vector<std::string>& args, bool quiet = false) {
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed != 0 ? -1 : pid;
}

} // namespace vantrel::bench
