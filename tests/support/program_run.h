// SPDX-License-Identifier: MIT
// Runs a built program as a user or a script would, and keeps what it said.
// The tests write their command lines for a POSIX shell; on Windows the same
// line is split as the shell would split it (quotes, backslashes, a leading
// `env` with its assignments and -u) and started without a shell, with each
// word passed as one argument.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#ifdef _WIN32
#include "support/windows_process.h"
#else
#include <sys/wait.h>
#endif

namespace vantrel::testing {

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct ProgramRun {
    int status = -1; // the exit status; -1 when the program did not exit
    std::string out;
    std::string err;
};

// Runs `command` in `folder`; its output goes to out.txt and err.txt there.
inline ProgramRun runInFolder(const std::filesystem::path& folder, const std::string& command) {
    ProgramRun r;
#ifdef _WIN32
    r.status = runWindowsCommand(folder, command, folder / "out.txt", folder / "err.txt");
#else
    const std::string cmd = "cd '" + folder.string() + "' && " + command + " > out.txt 2> err.txt";
    const int raw = std::system(cmd.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    r.out = slurp(folder / "out.txt");
    r.err = slurp(folder / "err.txt");
    return r;
}

} // namespace vantrel::testing
