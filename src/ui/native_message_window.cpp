// SPDX-License-Identifier: MIT
#ifdef _WIN32

#include "ui/native_message_window.h"

#include <QAbstractEventDispatcher>
#include <QByteArray>
#include <windows.h>

namespace vantrel::ui {
namespace {

constexpr wchar_t kClassName[] = L"VantrelNativeMessages";

LRESULT CALLBACK passToFilters(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        MSG msg{};
        msg.hwnd = window;
        msg.message = message;
        msg.wParam = w;
        msg.lParam = l;
        qintptr result = 0;
        if (dispatcher->filterNativeEvent(QByteArrayLiteral("windows_generic_MSG"), &msg,
                                          &result)) {
            return static_cast<LRESULT>(result);
        }
    }
    return DefWindowProcW(window, message, w, l);
}

bool registerClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = passToFilters;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    // The second window finds the class already there.
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

NativeMessageWindow::NativeMessageWindow(Kind kind, const wchar_t* title) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registerClass(instance)) {
        return;
    }
    HWND parent = kind == Kind::MessageOnly ? HWND_MESSAGE : nullptr;
    // Without WS_VISIBLE, and never shown: no taskbar button, no pixels.
    handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, title, WS_POPUP, 0, 0, 0, 0, parent,
                              nullptr, instance, nullptr);
}

NativeMessageWindow::~NativeMessageWindow() {
    if (handle_ != nullptr) {
        DestroyWindow(static_cast<HWND>(handle_));
    }
}

const wchar_t* NativeMessageWindow::className() {
    return kClassName;
}

} // namespace vantrel::ui

#endif
