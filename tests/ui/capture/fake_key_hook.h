// SPDX-License-Identifier: MIT
#pragma once

#include "ui/capture/key_hook.h"

namespace vantrel::ui::testing {

// A key capture the test types into: presses (and, in mode 1, releases)
// reach the receiver as the real hook delivers them.
struct FakeKeyHook : KeyHook {
    bool refuse = false; // installhook fails
    QWidget* window = nullptr;
    int mode = -1;
    Receiver receiver;
    int installs = 0, removes = 0;

    bool installhook(QWidget* w, int m, Receiver r) override {
        ++installs;
        if (refuse) {
            return false;
        }
        window = w;
        mode = m;
        receiver = std::move(r);
        return true;
    }
    void removehook() override {
        ++removes;
        window = nullptr;
        receiver = nullptr;
    }
    bool installed() const { return static_cast<bool>(receiver); }

    // One keystroke of the key with this virtual-key code.
    void keystroke(std::uint8_t vk) {
        if (receiver) {
            const Receiver r = receiver;
            r(MacroEventRecorded{vk, false});
            if (mode == kPressesAndReleases && receiver) {
                receiver(MacroEventRecorded{vk, true});
            }
        }
    }
};

} // namespace vantrel::ui::testing
