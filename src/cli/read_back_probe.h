// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_connection.h"
#include "core/util/result.h"

#include <string>
#include <vector>

namespace vantrel::cli {

struct ProbeResult {
    Result<DeviceSnapshot> snapshot = makeError(ErrorCode::NoDevice, "");
    DeviceIdentity device;
    std::vector<std::string> trace; // every transfer and pause
};

// Opens the real keyboard and reads it back once, as the programs do when
// they start (which sends nothing else), with the trace kept in memory. The
// data folder is not touched.
ProbeResult probeReadBack();

} // namespace vantrel::cli
