// SPDX-License-Identifier: MIT
#pragma once

#include <bitset>
#include <cstdint>

namespace vantrel::ui {

// What a system-wide key hook does with one key event: whether the
// receiver hears of it, and whether the rest of the system never sees it.
struct KeystrokeVerdict {
    bool deliver = false;
    bool swallow = false;
};

// The decisions of a low-level key hook, apart from the hook itself so
// that they hold on every platform. The system reports a held key as a
// stream of presses without saying which are repeats, so the filter
// remembers which keys are down. A press is swallowed, and with it its
// release, so nothing else ever sees half a keystroke; the release of a
// key pressed before the hook came passes, or the system would think it
// still held.
class KeystrokeFilter {
public:
    // `mode` as KeyHook::Mode: 0 presses only, 1 presses and releases.
    explicit KeystrokeFilter(int mode) : mode_(mode) {}

    KeystrokeVerdict onKey(std::uint8_t virtualKey, bool release);

private:
    int mode_;
    std::bitset<256> down_;
};

} // namespace vantrel::ui
