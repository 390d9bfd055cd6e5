// SPDX-License-Identifier: MIT
#include "core/device/discovery.h"

#include "core/device/command_codes.h"

namespace vantrel {

HidInterfaceInfo interfaceNamedByPath(std::string path, std::uint16_t vendorId,
                                      std::uint16_t productId) {
    HidInterfaceInfo info;
    info.matchName = path;
    info.path = std::move(path);
    info.vendorId = vendorId;
    info.productId = productId;
    return info;
}

bool isKeyboardInterface(const HidInterfaceInfo& info, std::string_view substring) {
    const bool vendor = info.vendorId == kVendorIdPrimary || info.vendorId == kVendorIdSecondary;
    return vendor && info.productId == kProductId &&
           info.matchName.find(substring) != std::string::npos;
}

Result<std::optional<HidInterfaceInfo>> FindKeyboardInterface(HidTransport& transport,
                                                              std::string_view substring) {
    auto list = transport.enumerate();
    if (!list) {
        return list.error();
    }
    for (const auto& info : *list) {
        if (isKeyboardInterface(info, substring)) {
            return std::optional<HidInterfaceInfo>(info);
        }
    }
    return std::optional<HidInterfaceInfo>();
}

Result<std::optional<HidInterfaceInfo>> DeviceLink::find(std::string_view substring) {
    auto found = FindKeyboardInterface(transport_, substring);
    if (found && found->has_value()) {
        devicePath_ = (*found)->path;
        vendorId_ = (*found)->vendorId;
        productId_ = (*found)->productId;
    }
    return found;
}

Result<std::string> DeviceLink::findPath(std::string_view substring, std::string& matchName) {
    auto found = find(substring);
    if (!found) {
        return found.error();
    }
    if (!found->has_value()) {
        // The path of an earlier success may name another device by now, so
        // it is kept for display but not opened.
        return makeError(ErrorCode::NoDevice, "The keyboard is not connected.");
    }
    matchName = (*found)->matchName;
    return devicePath_;
}

Status DeviceLink::openFeature() {
    if (feature_) {
        return Status::success();
    }
    std::string match;
    auto path = findPath(kControlInterfaceMatch, match);
    if (!path) {
        return path.error();
    }
    auto handle = transport_.openControl(*path);
    if (!handle) {
        return handle.error();
    }
    feature_ = std::move(*handle);
    controlMatch_ = match;
    return Status::success();
}

Status DeviceLink::openInput() {
    if (input_) {
        return Status::success();
    }
    std::string match;
    auto path = findPath(kNotificationInterfaceMatch, match);
    if (!path) {
        return path.error();
    }
    auto handle = transport_.openNotification(*path);
    if (!handle) {
        return handle.error();
    }
    input_ = std::move(*handle);
    notificationMatch_ = match;
    return Status::success();
}

} // namespace vantrel
