// SPDX-License-Identifier: MIT
#include "core/device/acknowledgement_flag.h"

namespace vantrel {

void AcknowledgementFlag::clear() {
    if (takeInQueued_) {
        takeInQueued_();
    }
    std::lock_guard lock(mutex_);
    set_ = false;
    generation_ = link_.load();
}

Status AcknowledgementFlag::wait() {
    std::unique_lock lock(mutex_);
    const bool ended = changed_.wait_for(lock, limit_, [&] {
        return set_ || ending_.load() || failedNow() || link_.load() != generation_;
    });
    if (ending_.load()) {
        return makeError(ErrorCode::Cancelled, "The connection to the keyboard was closed.");
    }
    if (failedNow() || link_.load() != generation_) {
        return makeError(ErrorCode::Disconnected,
                         "The keyboard was disconnected; plug it in again and retry.");
    }
    if (!ended) {
        return makeError(ErrorCode::NoAcknowledge,
                         "The keyboard did not acknowledge within " +
                             std::to_string(limit_.count()) +
                             " ms; unplug it, plug it in again and retry.");
    }
    return Status::success();
}

void AcknowledgementFlag::acknowledged() {
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void AcknowledgementFlag::interfaceFailed() {
    {
        std::lock_guard lock(mutex_);
        failedGeneration_ = link_.load();
    }
    changed_.notify_all();
}

bool AcknowledgementFlag::failedNow() const {
    return failedGeneration_ && *failedGeneration_ == generation_;
}

void AcknowledgementFlag::wakeWaiters() {
    { std::lock_guard lock(mutex_); }
    changed_.notify_all();
}

} // namespace vantrel
