// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace vantrel {

// The control handle as one sequence sees it: once the link it was opened
// on has dropped, every further transfer fails with Disconnected, and once
// the connection is ending with Cancelled, so that a long sequence stops
// at its next transfer instead of talking to a dead or stale interface.
class GuardedControl final : public ControlHandle {
public:
    GuardedControl(std::shared_ptr<ControlHandle> inner, const std::atomic<std::uint64_t>& link,
                   std::uint64_t generation, const std::atomic<bool>& ending)
        : inner_(std::move(inner)), link_(link), generation_(generation), ending_(ending) {}

    Status setFeature(const FeatureReport& report) override {
        if (Status s = check(); !s) {
            return s;
        }
        return inner_->setFeature(report);
    }
    Result<FeatureReport> getFeature() override {
        if (Status s = check(); !s) {
            return s.error();
        }
        return inner_->getFeature();
    }
    Status writeBlock(const BlockReport& block) override {
        if (Status s = check(); !s) {
            return s;
        }
        return inner_->writeBlock(block);
    }
    Result<BlockReport> readBlock() override {
        if (Status s = check(); !s) {
            return s.error();
        }
        return inner_->readBlock();
    }

private:
    Status check() const {
        if (ending_.load()) {
            return makeError(ErrorCode::Cancelled, "The connection to the keyboard was closed.");
        }
        if (link_.load() != generation_) {
            return makeError(ErrorCode::Disconnected,
                             "The keyboard was disconnected; plug it in again and retry.");
        }
        return Status::success();
    }

    std::shared_ptr<ControlHandle> inner_;
    const std::atomic<std::uint64_t>& link_;
    std::uint64_t generation_;
    const std::atomic<bool>& ending_;
};

} // namespace vantrel
