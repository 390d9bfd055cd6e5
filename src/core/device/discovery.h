// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"
#include "core/util/result.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// An interface as a system names it that lists every top-level collection
// as a device of its own (Windows): the match name is the device path, which
// holds "mi_03" for USB interface 3 and "&col04", so "ol04", for the fourth
// collection.
HidInterfaceInfo interfaceNamedByPath(std::string path, std::uint16_t vendorId,
                                      std::uint16_t productId);

// True when the interface belongs to the keyboard (either vendor ID, the
// product ID) and its match name holds `substring` (case-sensitive,
// anywhere).
bool isKeyboardInterface(const HidInterfaceInfo& info, std::string_view substring);

// The first interface in enumeration order that isKeyboardInterface; an
// empty optional when none does. An error only when listing failed.
Result<std::optional<HidInterfaceInfo>> FindKeyboardInterface(HidTransport& transport,
                                                              std::string_view substring);

// The keyboard's two open interfaces and what the last successful discovery
// found. Handles are shared so that a worker or listener still using one
// keeps it alive while the link drops its own reference; the interface is
// closed when the last user lets go. Not thread-safe: one thread opens and
// closes.
class DeviceLink {
public:
    explicit DeviceLink(HidTransport& transport) : transport_(transport) {}

    // Discovery for `substring`: remembers path and IDs on success and keeps
    // the previous ones when nothing matches.
    Result<std::optional<HidInterfaceInfo>> find(std::string_view substring);

    // Finds the control interface ("mi_03") and opens it. NoDevice when no
    // interface matches (a stale DevicePath is never opened), the
    // transport's error otherwise (PermissionDenied names the node and
    // the udev rule). Does nothing when already open.
    Status openFeature();
    // The same for the notification collection ("ol04").
    Status openInput();
    void closeFeature() { feature_.reset(); }
    void closeInput() { input_.reset(); }
    void close() {
        closeInput();
        closeFeature();
    }

    std::shared_ptr<ControlHandle> FeatureHandle() const { return feature_; }
    std::shared_ptr<NotificationHandle> InputHandle() const { return input_; }
    bool featureOpen() const { return feature_ != nullptr; }
    bool inputOpen() const { return input_ != nullptr; }

    const std::string& DevicePath() const { return devicePath_; }
    std::uint16_t DeviceVendorId() const { return vendorId_; }
    std::uint16_t DeviceProductId() const { return productId_; }
    // Match names of the interfaces opened last (empty before).
    const std::string& controlMatchName() const { return controlMatch_; }
    const std::string& notificationMatchName() const { return notificationMatch_; }

private:
    Result<std::string> findPath(std::string_view substring, std::string& matchName);

    HidTransport& transport_;
    std::string devicePath_;
    std::uint16_t vendorId_ = 0;
    std::uint16_t productId_ = 0;
    std::string controlMatch_;
    std::string notificationMatch_;
    std::shared_ptr<ControlHandle> feature_;
    std::shared_ptr<NotificationHandle> input_;
};

} // namespace vantrel
