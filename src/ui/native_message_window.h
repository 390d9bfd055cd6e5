// SPDX-License-Identifier: MIT
#pragma once

#ifdef _WIN32

namespace vantrel::ui {

// A hidden window of the program's own for messages the system sends to
// windows: device notifications, the end of the session. Its messages go
// to the application's native event filters as "windows_generic_MSG", as
// those of Qt's own windows do, so a filter reads them like any other
// native message and knows its window by handle; the window itself holds
// nothing. Qt's windows would not do: Qt may recreate their handles, makes
// none for hidden widgets or on the offscreen platform, and a program
// waiting behind its tray icon may have no top-level window at all.
class NativeMessageWindow {
public:
    enum class Kind {
        MessageOnly, // addressed only by handle (registrations)
        TopLevel,    // also reached by broadcasts, such as the session's end; never shown
    };
    // `title` tells the window apart for tools that list windows.
    NativeMessageWindow(Kind kind, const wchar_t* title);
    ~NativeMessageWindow();
    NativeMessageWindow(const NativeMessageWindow&) = delete;
    NativeMessageWindow& operator=(const NativeMessageWindow&) = delete;

    // The HWND; null when it could not be made (GetLastError says why).
    void* handle() const { return handle_; }

    // The class of every such window, for finding them.
    static const wchar_t* className();

private:
    void* handle_ = nullptr;
};

} // namespace vantrel::ui

#endif
