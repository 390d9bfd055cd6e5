// SPDX-License-Identifier: MIT
#include "core/util/windows_text.h"
#include "platform/program_arguments.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

namespace vantrel::platform {

std::vector<std::string> programArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(windows::utf8FromWide(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

void useUtf8Console() {
    SetConsoleOutputCP(CP_UTF8);
}

} // namespace vantrel::platform
