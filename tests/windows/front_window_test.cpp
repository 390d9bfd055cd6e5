// SPDX-License-Identifier: MIT
// The program in front on Windows: the foreground event wakes the watcher
// from the message loop, and the window's class and process image name it.
#include "core/util/windows_text.h"
#include "platform/front_window.h"

#include <chrono>
#include <gtest/gtest.h>
#include <windows.h>

namespace vantrel::platform {
namespace {

HWND makeWindow(const wchar_t* className) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, className, className, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                             100, nullptr, nullptr, wc.hInstance, nullptr);
    return w;
}

// Runs the thread's message loop until `done` or `limit` has passed.
template <class Done>
bool pumpUntil(Done done, std::chrono::milliseconds limit = std::chrono::seconds(2)) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < until) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&m);
        }
    }
    return done();
}

std::string ownImage() {
    std::wstring path(MAX_PATH * 4, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return windows::utf8FromWide(path);
}

TEST(WindowsFrontWindow, TheForegroundEventNamesTheWindowsClassAndProgram) {
    HWND a = makeWindow(L"VantrelFrontA");
    HWND b = makeWindow(L"VantrelFrontB");
    ASSERT_TRUE(a != nullptr && b != nullptr);
    auto watcher = watchFrontWindow();
    ASSERT_TRUE(watcher) << watcher.error().message;
    EXPECT_EQ((*watcher)->descriptor(), -1);
    // One watcher to a thread: the hook finds it there.
    EXPECT_FALSE(watchFrontWindow());

    int wakes = 0;
    (*watcher)->setWake([&] { ++wakes; });
    (*watcher)->current();
    for (HWND w : {a, b}) {
        const int before = wakes;
        SetForegroundWindow(w);
        ASSERT_TRUE(pumpUntil([&] { return wakes > before; })) << "no foreground event";
        auto change = (*watcher)->takeChanges();
        ASSERT_TRUE(change && *change);
        EXPECT_EQ((*change)->windowClass, w == a ? "VantrelFrontA" : "VantrelFrontB");
        EXPECT_EQ((*change)->executable, ownImage());
        // Read once: nothing more until the next event.
        auto again = (*watcher)->takeChanges();
        ASSERT_TRUE(again);
        EXPECT_FALSE(*again);
    }
    // Focus moving inside the window in front is no change of program.
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, b, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    const int before = wakes;
    SetFocus(edit);
    pumpUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(wakes, before);
    EXPECT_EQ(executableOf(static_cast<long>(GetCurrentProcessId())), ownImage());
    EXPECT_EQ(executableOf(0), "");
    DestroyWindow(a);
    DestroyWindow(b);
}

} // namespace
} // namespace vantrel::platform
