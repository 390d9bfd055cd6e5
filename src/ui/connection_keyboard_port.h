// SPDX-License-Identifier: MIT
#pragma once

#include "ui/keyboard_port.h"

#include <QObject>

namespace vantrel::ui {

// The real device work: the connection's worker runs the sequences, and
// their results come back to the window's thread as queued calls.
class ConnectionKeyboardPort final : public KeyboardPort {
public:
    ConnectionKeyboardPort(DeviceConnection& connection, QObject* context, bool simulated)
        : connection_(connection), context_(context), simulated_(simulated) {}

    bool present() const override { return connection_.connected(); }
    bool simulated() const override { return simulated_; }
    DeviceIdentity identity() const override { return connection_.identity(); }
    void apply(const ConfigImage& image, const ConfigImage& synced,
               std::function<void(Result<ApplyOutcome>)> done) override;
    void factoryReset(std::function<void(Result<DeviceSnapshot>)> done) override;
    void readBack(std::function<void(Result<DeviceSnapshot>)> done) override;

private:
    DeviceConnection& connection_;
    QObject* context_;
    bool simulated_;
};

} // namespace vantrel::ui
