// SPDX-License-Identifier: MIT
#include "core/model/state_files.h"
#include "platform/data_folder.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kUsage = "usage: vantrelctl [--data-dir DIR] [--help] [--version]\n"
                               "\n"
                               "Configures the Vantrel gaming keyboard from the command line.\n";

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("vantrelctl %s\n", VANTREL_VERSION);
            return 0;
        }
    }
    std::fputs(kUsage, stderr);
    return 2;
}
