// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_connection.h"

namespace vantrel::bench {

// A connection's owner that ignores every event.
class QuietObserver : public ConnectionObserver {
public:
    void readBackDone(const Result<DeviceSnapshot>&) override {}
    void deviceLighting(std::uint8_t, std::uint8_t) override {}
    void keyAction(std::uint8_t) override {}
    void connectionChanged(bool) override {}
};

} // namespace vantrel::bench
