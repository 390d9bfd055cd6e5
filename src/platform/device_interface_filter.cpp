// SPDX-License-Identifier: MIT
#include "platform/device_interface_filter.h"

namespace vantrel::platform {
namespace {

char16_t lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

int hexDigit(char16_t c) {
    c = lower(c);
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

// Where `key` (lower case) starts in `text`, ignoring case.
std::size_t findNoCase(std::u16string_view text, std::u16string_view key, std::size_t from = 0) {
    for (std::size_t i = from; i + key.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < key.size() && lower(text[i + k]) == key[k]) {
            ++k;
        }
        if (k == key.size()) {
            return i;
        }
    }
    return std::u16string_view::npos;
}

// Exactly four hex digits at `at`: a fifth digit would make it another id.
std::optional<std::uint16_t> fourHex(std::u16string_view text, std::size_t at) {
    if (at + 4 > text.size() || (at + 4 < text.size() && hexDigit(text[at + 4]) >= 0)) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        const int d = hexDigit(text[i]);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<unsigned>(d);
    }
    return static_cast<std::uint16_t>(value);
}

} // namespace

std::optional<HidId> usbIdFromDevicePath(std::u16string_view path) {
    constexpr std::u16string_view kVid = u"vid_";
    constexpr std::u16string_view kPid = u"&pid_";
    const std::size_t vid = findNoCase(path, kVid);
    if (vid == std::u16string_view::npos) {
        return std::nullopt;
    }
    const auto vendor = fourHex(path, vid + kVid.size());
    const std::size_t pid = vid + kVid.size() + 4;
    if (!vendor || findNoCase(path, kPid, pid) != pid) {
        return std::nullopt;
    }
    const auto product = fourHex(path, pid + kPid.size());
    if (!product) {
        return std::nullopt;
    }
    return HidId{*vendor, *product};
}

HotplugChange deviceInterfaceChange(std::uint32_t event, std::u16string_view path) {
    if (event != kDeviceArrival && event != kDeviceRemoveComplete) {
        return HotplugChange::None;
    }
    const auto id = usbIdFromDevicePath(path);
    if (!id || !isKeyboardId(*id)) {
        return HotplugChange::None;
    }
    return event == kDeviceArrival ? HotplugChange::Arrived : HotplugChange::Removed;
}

} // namespace vantrel::platform
