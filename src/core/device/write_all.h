// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_commands.h"
#include "core/model/change_set.h"
#include "core/model/config_image.h"
#include "core/util/result.h"

namespace vantrel {

// The keyboard acknowledges a step with a notification. Each step clears the
// waiter before its commands and then waits for an acknowledgement that
// arrived after the clear; what the keyboard sent before (a late
// acknowledgement of the wrist-rest commands, which are not waited for) is
// taken in by the clear, so it cannot end the step's wait.
class AcknowledgementWaiter {
public:
    virtual ~AcknowledgementWaiter() = default;
    virtual void clear() = 0;
    // Until an acknowledgement arrived after the last clear. NoAcknowledge
    // when the limit passed, Disconnected when the keyboard went away.
    virtual Status wait() = 0;
};

struct WriteAllResult {
    // The image as sent: Windows-key bit applied, wrist-rest command byte
    // set. On success it becomes both the image and the synced copy.
    ConfigImage image;
    ChangeSet changes;
};

// Sends what differs between `image` and `synced`, in the keyboard's fixed
// order, waiting for the acknowledgement after each step. The wrist-rest
// record and colours always go out. On failure the sequence stops; if the
// lighting begin phase was sent the end phase is still sent so that the
// keyboard leaves its update mode, and the error is returned (the synced
// copy must then stay as it was).
Result<WriteAllResult> WriteAll(DeviceCommands& commands, AcknowledgementWaiter& acks,
                                ConfigImage image, const ConfigImage& synced);

} // namespace vantrel
