// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_connection.h"

#include <future>
#include <mutex>

namespace vantrel::cli {

// Hands a connection's first read-back to a one-shot command waiting for
// it; lighting changes and key actions have no one to go to there.
class ReadBackWaiter final : public ConnectionObserver {
public:
    void readBackDone(const Result<DeviceSnapshot>& snapshot) override {
        std::call_once(once_, [&] { promise_.set_value(snapshot); });
    }
    void deviceLighting(std::uint8_t, std::uint8_t) override {}
    void keyAction(std::uint8_t) override {}
    void connectionChanged(bool) override {}

    // Blocks until the first read-back has ended; call once.
    Result<DeviceSnapshot> wait() { return future_.get(); }

private:
    std::once_flag once_;
    std::promise<Result<DeviceSnapshot>> promise_;
    std::future<Result<DeviceSnapshot>> future_ = promise_.get_future();
};

} // namespace vantrel::cli
