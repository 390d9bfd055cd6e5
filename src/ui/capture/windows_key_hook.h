// SPDX-License-Identifier: MIT
#pragma once

#ifdef _WIN32

#include "ui/capture/key_hook.h"
#include "ui/capture/keystroke_filter.h"

#include <QObject>
#include <cstdint>
#include <optional>

namespace vantrel::ui {

// The key capture on Windows: a low-level keyboard hook, so keys reach the
// receiver wherever the focus is, with the left and right modifiers told
// apart. The system calls the hook on the thread that installed it, from
// that thread's message loop, so install it from the window's thread; the
// events then reach the receiver from that loop too, one queued call each,
// never from inside the hook (the system drops a hook that keeps it
// waiting). Key presses are swallowed system-wide while installed.
class WindowsKeyHook : public QObject, public KeyHook {
public:
    explicit WindowsKeyHook(QObject* parent = nullptr);
    ~WindowsKeyHook() override;
    WindowsKeyHook(const WindowsKeyHook&) = delete;
    WindowsKeyHook& operator=(const WindowsKeyHook&) = delete;

    // False also while another WindowsKeyHook of this thread is installed.
    bool installhook(QWidget* window, int mode, Receiver receiver) override;
    void removehook() override;
    bool installed() const { return hook_ != nullptr; }

    // Decides about one event the system reports (virtual key, scan code,
    // its flags); true when it is swallowed. Called by the hook procedure.
    bool take(std::uint32_t virtualKey, std::uint32_t scanCode, std::uint32_t flags);

private:
    void deliver(MacroEventRecorded event);

    void* hook_ = nullptr;
    std::optional<KeystrokeFilter> filter_;
    Receiver receiver_;
    // Tells events queued for an earlier installation from this one's.
    std::uint64_t installation_ = 0;
};

} // namespace vantrel::ui

#endif
