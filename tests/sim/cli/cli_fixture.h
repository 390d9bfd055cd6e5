// SPDX-License-Identifier: MIT
// Runs the built vantrelctl in a temporary folder against the simulated
// keyboard kept in a state file, as a user or a script would.
#pragma once

#include "core/model/state_files.h"
#include "hid/sim/simulated_keyboard.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel::testing {

// The program as the build made it ($VANTRELCTL overrides it).
inline std::filesystem::path vantrelctl() {
    if (const char* env = std::getenv("VANTRELCTL")) {
        return env;
    }
    return VANTRELCTL_PATH;
}

using CliRun = ProgramRun;

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(vantrelctl())) {
            FAIL() << "vantrelctl not built at " << vantrelctl();
        }
    }

    // The command line of vantrelctl --sim-state kb.bin --data-dir data ARGS.
    std::string commandLine(const std::string& args, bool simulated = true) const {
        return environment + " '" + vantrelctl().string() + "' " +
               (simulated ? "--sim-state kb.bin --data-dir data " : "") + args;
    }

    // vantrelctl --sim-state kb.bin --data-dir data ARGS, in the temp dir.
    CliRun run(const std::string& args, bool simulated = true) {
        return runInFolder(dir.path(), commandLine(args, simulated));
    }

    ConfigImage keyboardState() {
        sim::SimulatedKeyboard kb;
        EXPECT_TRUE(kb.loadState(dir / "kb.bin"));
        return kb.state();
    }

    // The feature commands of the last write-all in a trace file, from the
    // wrist-rest record that opens every write-all on: the command code, with
    // the phase for 08 (01 begin, 02 end) and the slot for 11.
    std::vector<std::string> writeAllCommands(const std::string& traceFile) {
        std::istringstream in(slurp(dir / traceFile));
        std::vector<std::string> sets;
        std::string line;
        const std::string prefix = "> set-feature 00 ";
        while (std::getline(in, line)) {
            if (line.rfind(prefix, 0) != 0) {
                continue;
            }
            const std::string code = line.substr(prefix.size(), 2);
            if (code == "15") {
                sets.clear();
            }
            if (code == "08") {
                sets.push_back(code + " " + line.substr(prefix.size() + 3, 2));
            } else if (code == "11") {
                sets.push_back(code + " " + line.substr(prefix.size() + 6, 2));
            } else {
                sets.push_back(code);
            }
        }
        return sets;
    }

    vantrel::testing::TempDir dir;
    // Put before the program, such as "env HOME=/tmp/x".
    std::string environment;
};

} // namespace vantrel::testing
