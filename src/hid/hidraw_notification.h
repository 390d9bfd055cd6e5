// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"

#include <memory>
#include <string>

namespace vantrel {

#if defined(__linux__)
// The keyboard's notification collection read straight from its hidraw node
// (the reads hidapi's hidraw backend makes), so that a read can block in
// poll() on the node together with a wake descriptor: no timer, and a wake
// ends the read at once. `fd` is the open node; the handle owns it.
Result<std::unique_ptr<NotificationHandle>> makeHidrawNotificationHandle(int fd, std::string path);
#endif

} // namespace vantrel
