// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/pacer.h"

#include <chrono>
#include <thread>

namespace vantrel {

// The real pacing. A plain sleep overshoots by the scheduler's timer slack
// on every pause, which adds up over the ninety pauses of a read-back; so
// the pacer sleeps until just before the deadline and yields the processor
// for the last fraction of a millisecond. A pause is never shorter than
// asked: the keyboard needs at least that long.
class SleepingPacer final : public Pacer {
public:
    void pause(std::chrono::milliseconds duration) override {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + duration;
        if (duration > kSpinMargin) {
            std::this_thread::sleep_for(duration - kSpinMargin);
        }
        while (Clock::now() < deadline) {
            std::this_thread::yield();
        }
    }
    void yield() override { std::this_thread::yield(); }

private:
    static constexpr std::chrono::microseconds kSpinMargin{300};
};

} // namespace vantrel
