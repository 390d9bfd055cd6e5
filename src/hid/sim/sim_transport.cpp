// SPDX-License-Identifier: MIT
#include "hid/sim/sim_transport.h"

#include "core/device/command_codes.h"

namespace vantrel::sim {

namespace {

class SimControlHandle : public ControlHandle {
public:
    SimControlHandle(SimulatedKeyboard& kb, std::uint64_t gen) : kb_(kb), gen_(gen) {}
    Status setFeature(const FeatureReport& report) override { return kb_.setFeature(gen_, report); }
    Result<FeatureReport> getFeature() override { return kb_.getFeature(gen_); }
    Status writeBlock(const BlockReport& block) override { return kb_.writeBlock(gen_, block); }
    Result<BlockReport> readBlock() override { return kb_.readBlock(gen_); }

private:
    SimulatedKeyboard& kb_;
    std::uint64_t gen_;
};

class SimNotificationHandle : public NotificationHandle {
public:
    SimNotificationHandle(SimulatedKeyboard& kb, std::uint64_t gen) : kb_(kb), gen_(gen) {
        kb_.notificationOpened();
    }
    ~SimNotificationHandle() override { kb_.notificationClosed(gen_); }
    Result<std::optional<NotificationReport>> read(std::chrono::milliseconds timeout) override {
        return kb_.readNotification(gen_, timeout, woken_);
    }
    void wake() override {
        woken_ = true;
        kb_.wakeNotificationReaders();
    }

private:
    SimulatedKeyboard& kb_;
    std::uint64_t gen_;
    std::atomic<bool> woken_{false};
};

Error noSuchPath(const std::string& path) {
    return makeError(ErrorCode::NoDevice, "No HID interface at " + path + ".");
}

} // namespace

SimTransport::SimTransport(SimulatedKeyboard& keyboard, bool withDecoy)
    : keyboard_(keyboard), withDecoy_(withDecoy) {}

Result<std::vector<HidInterfaceInfo>> SimTransport::enumerate() {
    std::vector<HidInterfaceInfo> list;
    if (!keyboard_.pluggedIn()) {
        return list;
    }
    if (withDecoy_) {
        list.push_back({kSimDecoyPath, kVendorIdPrimary, kProductId, kSimDecoyMatchName});
    }
    list.push_back({kSimNotificationPath, kVendorIdPrimary, kProductId, kSimNotificationMatchName});
    list.push_back({kSimControlPath, kVendorIdPrimary, kProductId, kSimControlMatchName});
    return list;
}

Result<std::unique_ptr<ControlHandle>> SimTransport::openControl(const std::string& path) {
    if (path != kSimControlPath) {
        return noSuchPath(path);
    }
    if (auto s = keyboard_.checkOpen(false); !s) {
        return s.error();
    }
    return std::unique_ptr<ControlHandle>(
        std::make_unique<SimControlHandle>(keyboard_, keyboard_.generation()));
}

Result<std::unique_ptr<NotificationHandle>>
SimTransport::openNotification(const std::string& path) {
    if (path != kSimNotificationPath) {
        return noSuchPath(path);
    }
    if (auto s = keyboard_.checkOpen(true); !s) {
        return s.error();
    }
    return std::unique_ptr<NotificationHandle>(
        std::make_unique<SimNotificationHandle>(keyboard_, keyboard_.generation()));
}

} // namespace vantrel::sim
