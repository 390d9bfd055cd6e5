// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"

#include <memory>
#include <mutex>

namespace vantrel {

// The real keyboard through hidapi (hidraw on Linux). Owns the library's
// initialisation: create exactly one per process, in main(), and destroy
// every handle before it. Listing, opening and closing are serialised;
// transfers on different handles run in parallel.
class HidapiTransport : public HidTransport {
public:
    static Result<std::unique_ptr<HidapiTransport>> create();
    ~HidapiTransport() override;
    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    Result<std::vector<HidInterfaceInfo>> enumerate() override;
    Result<std::unique_ptr<ControlHandle>> openControl(const std::string& path) override;
    Result<std::unique_ptr<NotificationHandle>> openNotification(const std::string& path) override;

    // How long a block read waits for the keyboard.
    static constexpr int kBlockReadTimeoutMs = 1000;

private:
    HidapiTransport();
    std::shared_ptr<std::mutex> mutex_;
};

} // namespace vantrel
