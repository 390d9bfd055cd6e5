// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/firmware_version.h"
#include "core/model/interface_language.h"

#include <string_view>

namespace vantrel {

// True when the keyboard's firmware is older than the one the updater
// brings. A shipped version of 0.0 (no VER.bin) never asks.
constexpr bool firmwareUpdateDue(FirmwareVersion keyboard, FirmwareVersion shipped) {
    return keyboard.major < shipped.major ||
           (keyboard.major == shipped.major && keyboard.minor < shipped.minor);
}

// The update prompt, by interface language (4 is Chinese).
struct FirmwarePrompt {
    std::string_view text;
    std::string_view caption;
};
FirmwarePrompt firmwareUpdatePrompt(UiLanguage language);

// The driver-update confirmation of the help menu, the same in every language.
FirmwarePrompt driverUpdatePrompt();

// The updater's file name in the program folder.
std::string_view updaterFileName();

} // namespace vantrel
