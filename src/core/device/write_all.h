// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_commands.h"
#include "core/model/change_set.h"
#include "core/model/config_image.h"
#include "core/util/result.h"

namespace vantrel {

// The keyboard acknowledges every set command and every completed write run
// with a notification. The waiter keeps count of what was sent and what came
// back; after each step the write-all waits until the keyboard has
// acknowledged everything so far, so that a late acknowledgement (of the
// wrist-rest commands, which are not waited for, or of the seventh colour)
// never stands in for the one of the next step.
class AcknowledgementWaiter {
public:
    virtual ~AcknowledgementWaiter() = default;
    // Starts counting from zero.
    virtual void begin() = 0;
    // Until every acknowledgement owed so far has arrived. NoAcknowledge
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
