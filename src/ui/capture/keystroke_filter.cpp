// SPDX-License-Identifier: MIT
#include "ui/capture/keystroke_filter.h"

#include "ui/capture/key_hook.h"

namespace vantrel::ui {

KeystrokeVerdict KeystrokeFilter::onKey(std::uint8_t virtualKey, bool release) {
    const bool wasDown = down_.test(virtualKey);
    if (!release) {
        down_.set(virtualKey);
        // A repeat is swallowed like the press it repeats, but not told.
        return KeystrokeVerdict{!wasDown, true};
    }
    down_.reset(virtualKey);
    return KeystrokeVerdict{mode_ == KeyHook::kPressesAndReleases, wasDown};
}

} // namespace vantrel::ui
