// SPDX-License-Identifier: MIT
#include "core/model/firmware_check.h"

#include "core/util/translatable.h"

namespace vantrel {

FirmwarePrompt firmwareUpdatePrompt() {
    return {"FirmwareUpdate",
            VANTREL_TR_NOOP("FirmwareUpdate", "Update the keyboard to the new firmware?"),
            VANTREL_TR_NOOP("FirmwareUpdate", "Firmware update")};
}

FirmwarePrompt driverUpdatePrompt() {
    return {"DriverUpdate",
            VANTREL_TR_NOOP("DriverUpdate",
                            "After the firmware update, restore the factory settings, or hold "
                            "Fn and Pause together for 5 seconds, to finish the update."),
            VANTREL_TR_NOOP("DriverUpdate", "Firmware Update")};
}

std::string_view updaterFileName() {
#ifdef _WIN32
    return "VANTREL_Update.exe";
#else
    return "VANTREL_Update";
#endif
}

} // namespace vantrel
