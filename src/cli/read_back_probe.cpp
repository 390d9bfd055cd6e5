// SPDX-License-Identifier: MIT
#include "cli/read_back_probe.h"

#include "cli/read_back_waiter.h"
#include "core/device/sleeping_pacer.h"
#include "core/device/trace.h"
#include "core/device/tracing_transport.h"
#include "hid/hidapi_transport.h"

namespace vantrel::cli {

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
    ReadBackWaiter waiter;
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
