// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

class QWidget;

namespace vantrel::ui {

// One key press or release seen while the hook is installed: the key's
// Windows virtual-key code (0-255) and whether it was released.
struct MacroEventRecorded {
    std::uint8_t virtualKey = 0;
    bool release = false;
};

// The key capture the key assignment dialog and the macro manager listen
// through. While installed, every press and release reaches the receiver
// as one MacroEventRecorded, and key-downs are swallowed, so no field or
// dialog reacts to them (Tab, Enter and Esc included). Only one window
// holds the hook at a time.
class KeyHook {
public:
    // Mode 0: one event per keystroke (presses; auto-repeat dropped).
    // Mode 1: presses and releases (recording).
    enum Mode : int { kKeystrokes = 0, kPressesAndReleases = 1 };
    using Receiver = std::function<void(MacroEventRecorded)>;

    virtual ~KeyHook() = default;
    // Starts delivering to `receiver` for `window`; false when the hook
    // cannot be put in place (nothing arrives then).
    virtual bool installhook(QWidget* window, int mode, Receiver receiver) = 0;
    // Stops delivering; harmless when nothing is installed.
    virtual void removehook() = 0;
};

} // namespace vantrel::ui
