// SPDX-License-Identifier: MIT
#include "cli/read_back_probe.h"

#include "core/device/sleeping_pacer.h"
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "hid/hidapi_transport.h"

#include <future>

namespace vantrel::cli {

namespace {

class SnapshotWaiter final : public ConnectionObserver {
public:
    void readBackDone(const Result<DeviceSnapshot>& snapshot) override {
        std::call_once(once_, [&] { promise_.set_value(snapshot); });
    }
    void deviceLighting(std::uint8_t, std::uint8_t) override {}
    void keyAction(std::uint8_t) override {}
    void connectionChanged(bool) override {}
    Result<DeviceSnapshot> wait() { return promise_.get_future().get(); }

private:
    std::once_flag once_;
    std::promise<Result<DeviceSnapshot>> promise_;
};

} // namespace

ProbeResult probeReadBack() {
    ProbeResult result;
    auto hid = HidapiTransport::create();
    if (!hid) {
        result.snapshot = hid.error();
        return result;
    }
    MemoryTraceSink sink;
    TraceWriter trace(sink);
    TracingTransport transport(**hid, trace);
    SleepingPacer sleeping;
    TracingPacer pacer(sleeping, trace);
    SnapshotWaiter waiter;
    {
        DeviceConnection connection(transport, pacer, waiter);
        if (Status s = connection.start(); !s) {
            result.snapshot = s.error();
        } else {
            result.snapshot = waiter.wait();
            result.device = connection.identity();
        }
    }
    result.trace = sink.lines();
    return result;
}

} // namespace vantrel::cli
