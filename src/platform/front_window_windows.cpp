// SPDX-License-Identifier: MIT
#include "core/util/windows_text.h"
#include "platform/front_window.h"

#include <vector>
#include <windows.h>

namespace vantrel::platform {
namespace {

// Image paths are at most 32767 wide characters long.
constexpr DWORD kLongestPath = 32768;
constexpr int kLongestClass = 256;

class WindowsWatcher;

// The system calls a foreground hook with no word of the caller's own, so
// the one watcher of the thread is found here; out-of-context hooks are
// called on the thread that set them, from its message loop.
thread_local WindowsWatcher* threadWatcher = nullptr;

std::string imageOf(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr) {
        return {};
    }
    std::wstring path(kLongestPath, L'\0');
    DWORD length = kLongestPath;
    const bool named = QueryFullProcessImageNameW(process, 0, path.data(), &length) != 0;
    CloseHandle(process);
    if (!named) {
        return {};
    }
    path.resize(length);
    return windows::utf8FromWide(path);
}

FrontProgram programOf(HWND window) {
    FrontProgram front;
    if (window == nullptr) {
        return front;
    }
    DWORD pid = 0;
    if (GetWindowThreadProcessId(window, &pid) != 0 && pid != 0) {
        front.executable = imageOf(pid);
    }
    wchar_t name[kLongestClass] = {};
    if (const int n = GetClassNameW(window, name, kLongestClass); n > 0) {
        front.windowClass = windows::utf8FromWide(std::wstring_view(name, static_cast<size_t>(n)));
    }
    return front;
}

// EVENT_SYSTEM_FOREGROUND comes whenever another window is brought to the
// front, whichever program it belongs to. Wine sends only the focus event
// on such a change, so that one is heard too; it comes far more often (every
// focus change inside a program), and only a new foreground window counts.
class WindowsWatcher final : public FrontWindowWatcher {
public:
    WindowsWatcher() {
        for (const DWORD event : {EVENT_SYSTEM_FOREGROUND, EVENT_OBJECT_FOCUS}) {
            HWINEVENTHOOK hook = SetWinEventHook(event, event, nullptr, &WindowsWatcher::heard, 0,
                                                 0, WINEVENT_OUTOFCONTEXT);
            if (hook != nullptr) {
                hooks_.push_back(hook);
            }
        }
        if (hooked()) {
            threadWatcher = this;
        }
    }
    ~WindowsWatcher() override {
        for (HWINEVENTHOOK hook : hooks_) {
            UnhookWinEvent(hook);
        }
        if (threadWatcher == this) {
            threadWatcher = nullptr;
        }
    }
    bool hooked() const { return !hooks_.empty(); }

    FrontProgram current() override {
        front_ = GetForegroundWindow();
        return programOf(front_);
    }
    int descriptor() const override { return -1; }
    void setWake(std::function<void()> wake) override { wake_ = std::move(wake); }

    Result<std::optional<FrontProgram>> takeChanges() override {
        if (!pending_) {
            return std::optional<FrontProgram>();
        }
        pending_ = false;
        return std::optional<FrontProgram>(current());
    }

private:
    static void CALLBACK heard(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
        WindowsWatcher* w = threadWatcher;
        if (w == nullptr || GetForegroundWindow() == w->front_) {
            return;
        }
        w->front_ = GetForegroundWindow();
        w->pending_ = true;
        if (w->wake_) {
            w->wake_();
        }
    }

    std::vector<HWINEVENTHOOK> hooks_;
    HWND front_ = nullptr;
    bool pending_ = false;
    std::function<void()> wake_;
};

} // namespace

Result<std::unique_ptr<FrontWindowWatcher>> watchFrontWindow() {
    if (threadWatcher != nullptr) {
        return makeError(ErrorCode::Busy, "the program in front is already being watched");
    }
    auto watcher = std::make_unique<WindowsWatcher>();
    if (!watcher->hooked()) {
        return makeError(ErrorCode::Unsupported, "Windows does not report the window in front: " +
                                                     windows::lastErrorText());
    }
    return std::unique_ptr<FrontWindowWatcher>(std::move(watcher));
}

std::string executableOf(long pid) {
    return pid > 0 ? imageOf(static_cast<DWORD>(pid)) : std::string();
}

} // namespace vantrel::platform
