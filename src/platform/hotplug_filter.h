// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace vantrel::platform {

struct HidId {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
};

// Parses the HID_ID property of a hid device ("0003:000004D9:0000A1DF":
// bus, vendor, product in hex).
std::optional<HidId> parseHidId(std::string_view property);

// Whether vendor and product are the keyboard's.
bool isKeyboardId(const HidId& id);

enum class HotplugChange { None, Arrived, Removed };

// Decides which hidraw events concern the keyboard. A removed node's
// attributes are gone by the time its event arrives, so the filter
// remembers the keyboard's nodes by sysfs path from their arrival (or from
// the scan at start).
class HotplugFilter {
public:
    // A node that was already there when watching began.
    void notePresent(const std::string& syspath, std::optional<HidId> id);
    // `action` is the uevent action ("add", "remove", ...); `id` is what was
    // learned about the node's parent hid device, if anything.
    HotplugChange onEvent(std::string_view action, const std::string& syspath,
                          std::optional<HidId> id);
    std::size_t knownNodes() const { return nodes_.size(); }

private:
    std::set<std::string> nodes_;
};

} // namespace vantrel::platform
