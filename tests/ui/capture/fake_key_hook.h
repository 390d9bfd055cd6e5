// SPDX-License-Identifier: MIT
#pragma once

#include "ui/capture/key_hook.h"

#include <cstdint>
#include <utility>

namespace vantrel::ui::testing {

// A key capture the test types into: key() delivers one event as the real
// capture does (in mode 0 only presses arrive).
struct FakeKeyHook : KeyHook {
    int installs = 0, removes = 0;
    int mode = -1;
    bool fail = false;
    QWidget* window = nullptr;
    Receiver receiver;

    bool installed() const { return static_cast<bool>(receiver); }
    bool installhook(QWidget* w, int m, Receiver r) override {
        ++installs;
        if (fail) {
            return false;
        }
        window = w;
        mode = m;
        receiver = std::move(r);
        return true;
    }
    void removehook() override {
        ++removes;
        receiver = nullptr;
    }
    void key(std::uint8_t vk, bool release) {
        if (receiver) {
            Receiver r = receiver; // the receiver may remove the hook
            r(MacroEventRecorded{vk, release});
        }
    }
    void stroke(std::uint8_t vk) {
        key(vk, false);
        key(vk, true);
    }
};

} // namespace vantrel::ui::testing
