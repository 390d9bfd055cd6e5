// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace vantrel::uhid {

// What the kernel is told about a HID device when it is created.
struct DeviceSpec {
    std::string name;
    std::string phys;
    std::uint16_t bus = 0x03; // BUS_USB
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::vector<std::uint8_t> descriptor;
};

// One request or notice of the kernel about the device (a struct
// uhid_event, decoded).
struct DeviceEvent {
    enum class Kind { Start, Stop, Open, Close, Output, GetReport, SetReport, Other };
    Kind kind = Kind::Other;
    std::uint32_t id = 0;        // of a GetReport or SetReport, for the reply
    std::uint8_t reportType = 0; // UHID_FEATURE_REPORT, UHID_OUTPUT_REPORT, ...
    std::uint8_t reportNumber = 0;
    std::vector<std::uint8_t> data; // Output and SetReport, as the kernel passed them
};

// One kernel HID device made through /dev/uhid: each open of /dev/uhid
// holds at most one device. Writes may come from several threads.
class UhidDevice {
public:
    static Result<std::unique_ptr<UhidDevice>> open();
    UhidDevice(const UhidDevice&) = delete;
    UhidDevice& operator=(const UhidDevice&) = delete;
    ~UhidDevice();

    Status create(const DeviceSpec& spec);
    // Removes the device, as a pulled cable does; the descriptor stays open
    // for the next create.
    Status destroy();
    bool created() const { return created_; }
    const DeviceSpec& spec() const { return spec_; }

    // An input report as the device sends it on its interrupt endpoint.
    Status sendInput(std::span<const std::uint8_t> report);
    // Replies to a GetReport: `data` on success, or an error the host sees
    // as a failed transfer when `failed`.
    Status replyGetReport(std::uint32_t id, std::span<const std::uint8_t> data, bool failed);
    Status replySetReport(std::uint32_t id, bool failed);

    int fd() const { return fd_; }
    // Reads the next event; call when fd() is readable.
    Result<DeviceEvent> readEvent();

private:
    explicit UhidDevice(int fd) : fd_(fd) {}
    Status write(const void* event, std::size_t size);

    int fd_ = -1;
    bool created_ = false;
    DeviceSpec spec_;
    std::mutex writeMutex_;
};

} // namespace vantrel::uhid
