// SPDX-License-Identifier: MIT
#ifdef _WIN32

#include "ui/capture/windows_key_hook.h"

#include "platform/native_keys.h"

#include <QMetaObject>
#include <utility>
#include <windows.h>

namespace vantrel::ui {
namespace {

// The hook procedure gets no argument of ours, so the installed hook of
// this thread is kept here: set on install, cleared on removal, and read
// only by the procedure, which the system calls on the installing thread.
thread_local WindowsKeyHook* installedHook = nullptr;

LRESULT CALLBACK onLowLevelKey(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && installedHook != nullptr) {
        // The flags tell press from release, for Alt and F10 as for any key.
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        if (installedHook->take(key.vkCode, key.scanCode, key.flags)) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

} // namespace

WindowsKeyHook::WindowsKeyHook(QObject* parent) : QObject(parent) {}

WindowsKeyHook::~WindowsKeyHook() {
    removehook();
}

bool WindowsKeyHook::installhook(QWidget* window, int mode, Receiver receiver) {
    removehook();
    if (window == nullptr || !receiver || installedHook != nullptr) {
        return false;
    }
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, onLowLevelKey, GetModuleHandleW(nullptr), 0);
    if (hook == nullptr) {
        return false;
    }
    hook_ = hook;
    filter_.emplace(mode);
    receiver_ = std::move(receiver);
    ++installation_;
    installedHook = this;
    return true;
}

void WindowsKeyHook::removehook() {
    if (hook_ == nullptr) {
        return;
    }
    UnhookWindowsHookEx(static_cast<HHOOK>(hook_));
    hook_ = nullptr;
    installedHook = nullptr;
    filter_.reset();
    receiver_ = nullptr;
    ++installation_; // what is still queued is dropped
}

bool WindowsKeyHook::take(std::uint32_t virtualKey, std::uint32_t scanCode, std::uint32_t flags) {
    if (!filter_) {
        return false;
    }
    const std::uint32_t extended = (flags & LLKHF_EXTENDED) != 0 ? 0x100 : 0;
    const auto vk = platform::virtualKeyFromWindows(virtualKey, (scanCode & 0xFF) | extended);
    if (!vk) {
        return false;
    }
    const bool release = (flags & LLKHF_UP) != 0;
    const KeystrokeVerdict verdict = filter_->onKey(*vk, release);
    if (verdict.deliver) {
        deliver(MacroEventRecorded{*vk, release});
    }
    return verdict.swallow;
}

void WindowsKeyHook::deliver(MacroEventRecorded event) {
    QMetaObject::invokeMethod(
        this,
        [this, event, installation = installation_] {
            if (installation != installation_ || !receiver_) {
                return;
            }
            // A copy: the receiver may remove the hook while it runs.
            const Receiver receiver = receiver_;
            receiver(event);
        },
        Qt::QueuedConnection);
}

} // namespace vantrel::ui

#endif
