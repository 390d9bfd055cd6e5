// SPDX-License-Identifier: MIT
#include "platform/program_arguments.h"

namespace vantrel::platform {

std::vector<std::string> programArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void useUtf8Console() {}

} // namespace vantrel::platform
