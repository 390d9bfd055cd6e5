// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <functional>
#include <memory>

namespace vantrel::platform {

// Watches the system for the keyboard's hidraw nodes coming and going, on a
// thread of its own. The callbacks run on that thread, once per node (the
// keyboard has several), and never for other devices; they must not block
// for long and must not destroy the monitor.
class HotplugMonitor {
public:
    struct Callbacks {
        std::function<void()> arrived;
        std::function<void()> removed;
    };

    explicit HotplugMonitor(Callbacks callbacks);
    ~HotplugMonitor();
    HotplugMonitor(const HotplugMonitor&) = delete;
    HotplugMonitor& operator=(const HotplugMonitor&) = delete;

    // Starts watching; Unsupported where the platform has no udev.
    Status start();
    // Stops the thread; safe to call more than once.
    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vantrel::platform
