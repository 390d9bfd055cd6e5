// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/pacer.h"
#include "core/device/sleeping_pacer.h"

#include <chrono>

namespace vantrel::bench {

// Sleeps like the real pacer and adds up what it was asked for.
class SummingPacer final : public Pacer {
public:
    void pause(std::chrono::milliseconds d) override {
        asked_ += d;
        inner_.pause(d);
    }
    void yield() override { inner_.yield(); }
    std::chrono::milliseconds asked() const { return asked_; }
    void reset() { asked_ = {}; }

private:
    SleepingPacer inner_;
    std::chrono::milliseconds asked_{0};
};

} // namespace vantrel::bench
