// SPDX-License-Identifier: MIT
#include "usb_framing.h"

#include <algorithm>

namespace vantrel::uhid {

std::span<const std::uint8_t> usbDataFromHidrawBuffer(std::span<const std::uint8_t> buffer,
                                                      std::uint8_t reportNumber) {
    if (reportNumber == 0 && !buffer.empty() && buffer.front() == 0) {
        return buffer.subspan(1);
    }
    return buffer;
}

std::vector<std::uint8_t> hidrawBufferFromUsbData(std::uint8_t reportNumber,
                                                  std::span<const std::uint8_t> deviceData) {
    // Byte 0 (the report number) is 0 here, and the device's bytes follow.
    const std::size_t offset = reportNumber == 0 ? 1 : 0;
    std::vector<std::uint8_t> out(offset + deviceData.size());
    std::copy(deviceData.begin(), deviceData.end(),
              out.begin() + static_cast<std::ptrdiff_t>(offset));
    return out;
}

} // namespace vantrel::uhid
