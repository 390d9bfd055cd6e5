// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

inline constexpr std::size_t kFeatureReportSize = 9;
inline constexpr std::size_t kBlockReportSize = 65;
inline constexpr std::size_t kNotificationSize = 4;

// Byte 0 of every report is the report ID (0 for feature and block reports,
// 4 for notifications).
using FeatureReport = std::array<std::uint8_t, kFeatureReportSize>;
using BlockReport = std::array<std::uint8_t, kBlockReportSize>;
using NotificationReport = std::array<std::uint8_t, kNotificationSize>;

// One present HID interface. `matchName` is what the interface substrings
// ("mi_03", "ol04") are matched against: the device path on Windows, a name
// built from the USB interface number and the top-level collections of the
// report descriptor on Linux.
struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string matchName;
};

// The keyboard's control interface: synchronous feature reports and 64-byte
// data blocks. One thread at a time.
class ControlHandle {
public:
    virtual ~ControlHandle() = default;
    virtual Status setFeature(const FeatureReport& report) = 0;
    // Reads the reply to the last get request (report ID 0).
    virtual Result<FeatureReport> getFeature() = 0;
    virtual Status writeBlock(const BlockReport& block) = 0;
    virtual Result<BlockReport> readBlock() = 0;
};

// A read that waits until something arrives (or it is woken).
inline constexpr std::chrono::milliseconds kWaitForever{-1};

// The keyboard's notification collection: 4-byte input reports.
class NotificationHandle {
public:
    virtual ~NotificationHandle() = default;
    // Waits at most `timeout` (kWaitForever: without a limit, 0: only takes
    // what is already there); an empty optional when nothing arrived or the
    // read was woken. An error means the interface is gone.
    virtual Result<std::optional<NotificationReport>> read(std::chrono::milliseconds timeout) = 0;
    // From any thread: the read in progress returns at once with nothing,
    // or the next one does when none is in progress. Wakes do not pile up:
    // however often this is called before a read, it ends one read early.
    virtual void wake() = 0;
};

// Lists and opens HID interfaces: hidapi for the real keyboard, the
// simulated keyboard for tests and demos.
class HidTransport {
public:
    virtual ~HidTransport() = default;
    virtual Result<std::vector<HidInterfaceInfo>> enumerate() = 0;
    virtual Result<std::unique_ptr<ControlHandle>> openControl(const std::string& path) = 0;
    virtual Result<std::unique_ptr<NotificationHandle>>
    openNotification(const std::string& path) = 0;
};

} // namespace vantrel
