// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"
#include "core/device/pacer.h"
#include "core/device/trace.h"

namespace vantrel {

// Wraps any transport so that every transfer on its handles goes into the
// trace. The wrapped transport and the writer must outlive this object and
// every handle it opened.
class TracingTransport : public HidTransport {
public:
    TracingTransport(HidTransport& inner, TraceWriter& trace) : inner_(inner), trace_(trace) {}

    Result<std::vector<HidInterfaceInfo>> enumerate() override { return inner_.enumerate(); }
    Result<std::unique_ptr<ControlHandle>> openControl(const std::string& path) override;
    Result<std::unique_ptr<NotificationHandle>> openNotification(const std::string& path) override;

private:
    HidTransport& inner_;
    TraceWriter& trace_;
};

// Records every pause ("pause N") and yield ("pause 0") before passing it on.
class TracingPacer : public Pacer {
public:
    TracingPacer(Pacer& inner, TraceWriter& trace) : inner_(inner), trace_(trace) {}
    void pause(std::chrono::milliseconds duration) override;
    void yield() override;

private:
    Pacer& inner_;
    TraceWriter& trace_;
};

} // namespace vantrel
