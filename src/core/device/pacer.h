// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace vantrel {

// Every fixed pause of the protocol goes through one Pacer: the real one
// sleeps, the test one records, so tests assert the exact pauses without
// waiting for them.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void pause(std::chrono::milliseconds duration) = 0;
    // Gives up the processor once (a zero-length sleep).
    virtual void yield() = 0;
};

} // namespace vantrel
