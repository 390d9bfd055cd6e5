// SPDX-License-Identifier: MIT
#ifdef _WIN32

#include "ui/instance_mutex.h"

#include <windows.h>

namespace vantrel::ui {

InstanceMutex::InstanceMutex(const QString& name) {
    const std::wstring wide = name.toStdWString();
    // Not owned: only its existence counts.
    handle_ = CreateMutexW(nullptr, FALSE, wide.c_str());
    existed_ = handle_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

InstanceMutex::~InstanceMutex() {
    if (handle_ != nullptr) {
        CloseHandle(static_cast<HANDLE>(handle_));
    }
}

void* findWindowTitled(const QString& title) {
    const std::wstring wide = title.toStdWString();
    return FindWindowW(nullptr, wide.c_str());
}

void allowToComeForward(void* window) {
    DWORD process = 0;
    if (window != nullptr && GetWindowThreadProcessId(static_cast<HWND>(window), &process) != 0) {
        AllowSetForegroundWindow(process);
    }
}

void bringForward(void* window, bool show) {
    if (window == nullptr) {
        return;
    }
    HWND w = static_cast<HWND>(window);
    if (show) {
        // Asynchronously: a copy that hangs must not hang this one.
        ShowWindowAsync(w, IsIconic(w) ? SW_RESTORE : SW_SHOW);
    }
    SetForegroundWindow(w);
}

} // namespace vantrel::ui

#endif
