// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/write_all.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

namespace vantrel {

// The write-all's acknowledgement flag: cleared before each step, set by the
// listener for any acknowledgement that arrives after that, waited for with
// a bound. Before it is cleared, everything the keyboard has already sent is
// taken in (`takeInQueued`), so that a late acknowledgement of an earlier
// command (the wrist-rest commands, which are not waited for) never ends the
// next step's wait. It does not count: a keyboard that leaves some commands
// unacknowledged still completes every step it does acknowledge.
class AcknowledgementFlag final : public AcknowledgementWaiter {
public:
    AcknowledgementFlag(std::chrono::milliseconds limit, const std::atomic<bool>& ending,
                        const std::atomic<std::uint64_t>& linkGeneration,
                        std::function<void()> takeInQueued)
        : limit_(limit), ending_(ending), link_(linkGeneration),
          takeInQueued_(std::move(takeInQueued)) {}

    void clear() override;
    // NoAcknowledge when nothing came within the limit, Disconnected when
    // the link dropped or the listener's interface failed since the clear,
    // Cancelled when the connection is ending.
    Status wait() override;

    // From the listener.
    void acknowledged();
    void interfaceFailed();
    // The connection ends or the link dropped: a waiting step looks again.
    void wakeWaiters();

private:
    const std::chrono::milliseconds limit_;
    const std::atomic<bool>& ending_;
    const std::atomic<std::uint64_t>& link_;
    std::function<void()> takeInQueued_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool failedNow() const; // under mutex_

    bool set_ = false;
    std::uint64_t generation_ = 0;
    // The link whose notification interface failed; it stays failed until
    // the link is opened again.
    std::optional<std::uint64_t> failedGeneration_;
};

} // namespace vantrel
