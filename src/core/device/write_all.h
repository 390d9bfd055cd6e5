// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_commands.h"
#include "core/model/change_set.h"
#include "core/model/config_image.h"
#include "core/util/result.h"

namespace vantrel {

// The keyboard acknowledges each step of a write-all with a notification.
// `arm` is called before a step's first transfer, `wait` after its last; an
// acknowledgement that arrives in between counts.
class AcknowledgementWaiter {
public:
    virtual ~AcknowledgementWaiter() = default;
    virtual void arm() = 0;
    // NoAcknowledge when the limit passed, Disconnected when the keyboard
    // went away meanwhile.
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
