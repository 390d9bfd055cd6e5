// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_commands.h"
#include "core/device/hid_transport.h"
#include "core/device/recording_pacer.h"
#include "core/util/hex.h"

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace vantrel::test {

// Hex bytes separated by spaces, upper case.
template <class Bytes> std::string hex(const Bytes& bytes) {
    return hexBytes(std::span<const std::uint8_t>(bytes.data(), bytes.size()));
}

// A control interface driven by a script: replies and blocks are queued by
// the test, every transfer is logged (in the trace's line format) into a log
// that a RecordingPacer can share.
class ScriptedControl final : public ControlHandle {
public:
    explicit ScriptedControl(std::vector<std::string>& log) : log_(log) {}

    Status setFeature(const FeatureReport& r) override {
        log_.push_back("> set-feature " + hex(r));
        if (failSetAfter_ == 0) {
            return makeError(ErrorCode::DeviceIo, "set failed");
        }
        --failSetAfter_;
        return Status::success();
    }
    Result<FeatureReport> getFeature() override {
        if (failGet_) {
            log_.push_back("< get-feature failed");
            return makeError(ErrorCode::DeviceIo, "get failed");
        }
        FeatureReport r{};
        if (!replies_.empty()) {
            r = replies_.front();
            replies_.pop_front();
        }
        log_.push_back("< get-feature " + hex(r));
        return r;
    }
    Status writeBlock(const BlockReport& b) override {
        log_.push_back("> write " + hex(b));
        written_.push_back(b);
        return Status::success();
    }
    Result<BlockReport> readBlock() override {
        if (failReadAfter_ == 0) {
            log_.push_back("< read failed");
            return makeError(ErrorCode::DeviceIo, "read failed");
        }
        --failReadAfter_;
        BlockReport b{};
        if (!blocks_.empty()) {
            b = blocks_.front();
            blocks_.pop_front();
        }
        log_.push_back("< read " + hex(b));
        return b;
    }

    void queueReply(FeatureReport r) { replies_.push_back(r); }
    void queueBlock(BlockReport b) { blocks_.push_back(b); }
    void failGets() { failGet_ = true; }
    void failSetsAfter(int n) { failSetAfter_ = n; }
    void failReadsAfter(int n) { failReadAfter_ = n; }
    const std::vector<BlockReport>& written() const { return written_; }

private:
    std::vector<std::string>& log_;
    std::deque<FeatureReport> replies_;
    std::deque<BlockReport> blocks_;
    std::vector<BlockReport> written_;
    bool failGet_ = false;
    int failSetAfter_ = 1 << 30;
    int failReadAfter_ = 1 << 30;
};

// A pacer that writes "pause N" / "yield" into the same log.
inline RecordingPacer::Listener logTo(std::vector<std::string>& log) {
    return [&log](const PacerEvent& e) {
        log.push_back(e.kind == PacerEvent::Kind::Yield
                          ? std::string("yield")
                          : "pause " + std::to_string(e.duration.count()));
    };
}

// The commands over a scripted control interface, every transfer and pause
// in one log, acting on one image.
struct Rig {
    std::vector<std::string> log;
    ScriptedControl control{log};
    RecordingPacer pacer{logTo(log)};
    DeviceCommands commands{control, pacer};
    ConfigImage image;
};

} // namespace vantrel::test
