// SPDX-License-Identifier: MIT
#include "platform/program_arguments.h"

namespace vantrel::platform {

std::vector<char*> argumentPointers(std::vector<std::string>& arguments) {
    std::vector<char*> pointers;
    pointers.reserve(arguments.size() + 1);
    for (auto& a : arguments) {
        pointers.push_back(a.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace vantrel::platform
