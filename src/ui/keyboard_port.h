// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_connection.h"

#include <functional>

namespace vantrel::ui {

// The device work the main window starts. Sequences run off the window's
// thread; their callbacks are delivered on the window's thread.
class KeyboardPort {
public:
    virtual ~KeyboardPort() = default;
    virtual bool present() const = 0;
    // True when this is the simulated keyboard (said on the window).
    virtual bool simulated() const = 0;
    // Which keyboard it is (for vantrelctl info).
    virtual DeviceIdentity identity() const { return {}; }
    virtual void apply(const ConfigImage& image, const ConfigImage& synced,
                       std::function<void(Result<ApplyOutcome>)> done) = 0;
    virtual void factoryReset(std::function<void(Result<DeviceSnapshot>)> done) = 0;
    virtual void readBack(std::function<void(Result<DeviceSnapshot>)> done) = 0;
};

} // namespace vantrel::ui
