// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/pacer.h"

#include <thread>

namespace vantrel {

// The real pacing: sleeps for each pause, yields the processor for a yield.
class SleepingPacer final : public Pacer {
public:
    void pause(std::chrono::milliseconds duration) override {
        std::this_thread::sleep_for(duration);
    }
    void yield() override { std::this_thread::yield(); }
};

} // namespace vantrel
