// SPDX-License-Identifier: MIT
// Runs a built program through the shell, as a user or a script would, and
// keeps what it said.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

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
    const std::string cmd = "cd '" + folder.string() + "' && " + command + " > out.txt 2> err.txt";
    const int raw = std::system(cmd.c_str());
    ProgramRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(folder / "out.txt");
    r.err = slurp(folder / "err.txt");
    return r;
}

} // namespace vantrel::testing
