// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/command_codes.h"
#include "core/device/hid_transport.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

namespace vantrel {

// The control handle as one sequence sees it: once the link it was opened
// on has dropped, every further transfer fails with Disconnected, and once
// the connection is ending with Cancelled, so that a long sequence stops
// at its next transfer instead of talking to a dead or stale interface.
//
// It also tells `owed` of every transfer the keyboard will acknowledge: each
// set command, and each write run once its last block is out (the run's
// announcement itself is not acknowledged).
class GuardedControl final : public ControlHandle {
public:
    GuardedControl(std::shared_ptr<ControlHandle> inner, const std::atomic<std::uint64_t>& link,
                   std::uint64_t generation, const std::atomic<bool>& ending,
                   std::function<void()> owed)
        : inner_(std::move(inner)), link_(link), generation_(generation), ending_(ending),
          owed_(std::move(owed)) {}

    Status setFeature(const FeatureReport& report) override {
        if (Status s = check(); !s) {
            return s;
        }
        Status s = inner_->setFeature(report);
        if (s) {
            account(report);
        }
        return s;
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
        Status s = inner_->writeBlock(block);
        if (s && runBlocksLeft_ > 0 && --runBlocksLeft_ == 0) {
            owe();
        }
        return s;
    }
    Result<BlockReport> readBlock() override {
        if (Status s = check(); !s) {
            return s.error();
        }
        return inner_->readBlock();
    }

private:
    void owe() {
        if (owed_) {
            owed_();
        }
    }
    void account(const FeatureReport& r) {
        const std::uint8_t code = r[1];
        runBlocksLeft_ = 0;
        if ((code & 0x80) != 0) {
            return; // get commands are answered, not acknowledged
        }
        switch (code) {
        case cmd::kWriteKeyEnableMap:
            runBlocksLeft_ = 1;
            break;
        case cmd::kWriteKeyTable:
        case cmd::kWriteMacroSlot:
        case cmd::kWriteColourMap:
            runBlocksLeft_ = r[4];
            break;
        default:
            owe();
            break;
        }
    }

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
    std::function<void()> owed_;
    int runBlocksLeft_ = 0;
};

} // namespace vantrel
