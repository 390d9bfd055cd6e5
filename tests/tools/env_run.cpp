// SPDX-License-Identifier: MIT
// env_run NAME=VALUE... -- PROGRAM ARGS...: runs a Windows program with
// those variables set. Wine hands no variable whose name starts with QT_
// to a Windows program, so the test runner passes Qt's through this.
#include "support/windows_process.h"

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
    int i = 1;
    for (; i < argc && std::wcscmp(argv[i], L"--") != 0; ++i) {
        const std::wstring entry = argv[i];
        const auto eq = entry.find(L'=');
        if (eq == std::wstring::npos || eq == 0) {
            std::fwprintf(stderr, L"env_run: not NAME=VALUE: %ls\n", argv[i]);
            return 125;
        }
        SetEnvironmentVariableW(entry.substr(0, eq).c_str(), entry.substr(eq + 1).c_str());
    }
    if (++i >= argc) {
        std::fwprintf(stderr, L"env_run: no program after --\n");
        return 125;
    }
    std::wstring line;
    for (int k = i; k < argc; ++k) {
        line += (k == i ? L"" : L" ") + vantrel::testing::quotedArgument(argv[k]);
    }
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                        &pi)) {
        std::fwprintf(stderr, L"env_run: cannot start %ls (error %lu)\n", argv[i], GetLastError());
        return 127;
    }
    return vantrel::testing::waitForExit(pi);
}
