// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/firmware_version.h"

#include <string_view>

namespace vantrel {

// True when the keyboard's firmware is older than the one the updater
// brings. A shipped version of 0.0 (no VER.bin) never asks.
constexpr bool firmwareUpdateDue(FirmwareVersion keyboard, FirmwareVersion shipped) {
    return keyboard.major < shipped.major ||
           (keyboard.major == shipped.major && keyboard.minor < shipped.minor);
}

// A confirmation's English source texts and the context the window layer
// translates them in.
struct FirmwarePrompt {
    const char* context;
    const char* text;
    const char* caption;
};
// Asked when the keyboard's firmware is older than the shipped one.
FirmwarePrompt firmwareUpdatePrompt();
// The driver-update item of the help menu.
FirmwarePrompt driverUpdatePrompt();

// The updater's file name in the program folder.
std::string_view updaterFileName();

} // namespace vantrel
