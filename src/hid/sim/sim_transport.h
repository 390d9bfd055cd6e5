// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"
#include "hid/sim/simulated_keyboard.h"

namespace vantrel::sim {

// Paths and match names the simulated keyboard shows. The decoy has the
// keyboard's identification but neither interface substring, so discovery
// must skip it.
inline constexpr const char* kSimDecoyPath = "sim:hidraw0";
inline constexpr const char* kSimNotificationPath = "sim:hidraw1";
inline constexpr const char* kSimControlPath = "sim:hidraw2";
inline constexpr const char* kSimDecoyMatchName = "sim:mi_00&col01";
inline constexpr const char* kSimNotificationMatchName = "sim:mi_02&col01&col02&col03&col04";
inline constexpr const char* kSimControlMatchName = "sim:mi_03&col01";

// A transport whose only device is a SimulatedKeyboard. The keyboard must
// outlive the transport and every handle opened through it.
class SimTransport : public HidTransport {
public:
    explicit SimTransport(SimulatedKeyboard& keyboard, bool withDecoy = true);

    Result<std::vector<HidInterfaceInfo>> enumerate() override;
    Result<std::unique_ptr<ControlHandle>> openControl(const std::string& path) override;
    Result<std::unique_ptr<NotificationHandle>> openNotification(const std::string& path) override;

private:
    SimulatedKeyboard& keyboard_;
    bool withDecoy_;
};

} // namespace vantrel::sim
