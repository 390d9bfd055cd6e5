// SPDX-License-Identifier: MIT
#include "platform/hotplug_filter.h"

#include "core/device/command_codes.h"

#include <charconv>

namespace vantrel::platform {

namespace {
std::optional<std::uint32_t> hexField(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}
} // namespace

std::optional<HidId> parseHidId(std::string_view property) {
    const auto first = property.find(':');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const auto second = property.find(':', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto vendor = hexField(property.substr(first + 1, second - first - 1));
    const auto product = hexField(property.substr(second + 1));
    if (!hexField(property.substr(0, first)) || !vendor || !product || *vendor > 0xFFFF ||
        *product > 0xFFFF) {
        return std::nullopt;
    }
    return HidId{static_cast<std::uint16_t>(*vendor), static_cast<std::uint16_t>(*product)};
}

bool isKeyboardId(const HidId& id) {
    return (id.vendor == kVendorIdPrimary || id.vendor == kVendorIdSecondary) &&
           id.product == kProductId;
}

void HotplugFilter::notePresent(const std::string& syspath, std::optional<HidId> id) {
    if (id && isKeyboardId(*id)) {
        nodes_.insert(syspath);
    }
}

HotplugChange HotplugFilter::onEvent(std::string_view action, const std::string& syspath,
                                     std::optional<HidId> id) {
    const bool keyboard = id && isKeyboardId(*id);
    if (action == "add") {
        if (!keyboard) {
            return HotplugChange::None;
        }
        nodes_.insert(syspath);
        return HotplugChange::Arrived;
    }
    if (action == "remove") {
        if (nodes_.erase(syspath) != 0 || keyboard) {
            return HotplugChange::Removed;
        }
    }
    return HotplugChange::None;
}

} // namespace vantrel::platform
