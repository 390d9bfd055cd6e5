// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/pacer.h"

#include <chrono>
#include <functional>
#include <mutex>
#include <vector>

namespace vantrel {

// One pacing step as recorded: a pause of `duration`, or a yield.
struct PacerEvent {
    enum class Kind { Pause, Yield };
    Kind kind = Kind::Pause;
    std::chrono::milliseconds duration{0};
    friend bool operator==(const PacerEvent&, const PacerEvent&) = default;
};

// Records the pauses instead of sleeping, so that the exact pacing of a
// sequence can be checked without waiting for it. An optional listener sees
// every event as it happens (to interleave it with a transfer log).
class RecordingPacer final : public Pacer {
public:
    using Listener = std::function<void(const PacerEvent&)>;

    RecordingPacer() = default;
    explicit RecordingPacer(Listener listener) : listener_(std::move(listener)) {}

    void pause(std::chrono::milliseconds duration) override {
        record({PacerEvent::Kind::Pause, duration});
    }
    void yield() override { record({PacerEvent::Kind::Yield, {}}); }

    std::vector<PacerEvent> events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }
    // The sum of all pauses so far.
    std::chrono::milliseconds total() const {
        std::lock_guard lock(mutex_);
        std::chrono::milliseconds sum{0};
        for (const auto& e : events_) {
            sum += e.duration;
        }
        return sum;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        events_.clear();
    }

private:
    void record(const PacerEvent& e) {
        {
            std::lock_guard lock(mutex_);
            events_.push_back(e);
        }
        if (listener_) {
            listener_(e);
        }
    }

    mutable std::mutex mutex_;
    std::vector<PacerEvent> events_;
    Listener listener_;
};

} // namespace vantrel
