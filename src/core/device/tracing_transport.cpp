// SPDX-License-Identifier: MIT
#include "core/device/tracing_transport.h"

namespace vantrel {

namespace {

class TracingControlHandle : public ControlHandle {
public:
    TracingControlHandle(std::unique_ptr<ControlHandle> inner, TraceWriter& trace)
        : inner_(std::move(inner)), trace_(trace) {}

    Status setFeature(const FeatureReport& report) override {
        trace_.setFeature(report);
        auto s = inner_->setFeature(report);
        if (!s) {
            trace_.failure("set-feature", s.error());
        }
        return s;
    }
    Result<FeatureReport> getFeature() override {
        auto r = inner_->getFeature();
        if (r) {
            trace_.getFeature(*r);
        } else {
            trace_.failure("get-feature", r.error());
        }
        return r;
    }
    Status writeBlock(const BlockReport& block) override {
        trace_.write(block);
        auto s = inner_->writeBlock(block);
        if (!s) {
            trace_.failure("write", s.error());
        }
        return s;
    }
    Result<BlockReport> readBlock() override {
        auto r = inner_->readBlock();
        if (r) {
            trace_.read(*r);
        } else {
            trace_.failure("read", r.error());
        }
        return r;
    }

private:
    std::unique_ptr<ControlHandle> inner_;
    TraceWriter& trace_;
};

class TracingNotificationHandle : public NotificationHandle {
public:
    TracingNotificationHandle(std::unique_ptr<NotificationHandle> inner, TraceWriter& trace)
        : inner_(std::move(inner)), trace_(trace) {}

    Result<std::optional<NotificationReport>> read(std::chrono::milliseconds timeout) override {
        auto r = inner_->read(timeout);
        if (!r) {
            trace_.failure("notify", r.error());
        } else if (r->has_value()) {
            trace_.notify(**r);
        }
        return r;
    }
    void wake() override { inner_->wake(); }

private:
    std::unique_ptr<NotificationHandle> inner_;
    TraceWriter& trace_;
};

} // namespace

Result<std::unique_ptr<ControlHandle>> TracingTransport::openControl(const std::string& path) {
    auto h = inner_.openControl(path);
    if (!h) {
        return h.error();
    }
    return std::unique_ptr<ControlHandle>(
        std::make_unique<TracingControlHandle>(std::move(*h), trace_));
}

Result<std::unique_ptr<NotificationHandle>>
TracingTransport::openNotification(const std::string& path) {
    auto h = inner_.openNotification(path);
    if (!h) {
        return h.error();
    }
    return std::unique_ptr<NotificationHandle>(
        std::make_unique<TracingNotificationHandle>(std::move(*h), trace_));
}

void TracingPacer::pause(std::chrono::milliseconds duration) {
    trace_.pause(duration);
    inner_.pause(duration);
}

void TracingPacer::yield() {
    trace_.yield();
    inner_.yield();
}

} // namespace vantrel
