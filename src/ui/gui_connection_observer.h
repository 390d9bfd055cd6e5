// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/device_connection.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace vantrel::ui {

// Receives the connection's events on its threads and hands each to the
// window's thread as a queued call; it never waits for the window.
class GuiConnectionObserver final : public ConnectionObserver {
public:
    struct Handlers {
        std::function<void(const Result<DeviceSnapshot>&)> readBackDone;
        std::function<void(std::uint8_t, std::uint8_t)> deviceLighting;
        std::function<void(std::uint8_t)> keyAction;
        std::function<void(bool)> connectionChanged;
    };

    // `context` lives on the window's thread; calls after it is gone are
    // dropped.
    GuiConnectionObserver(QObject* context, Handlers handlers)
        : context_(context), handlers_(std::move(handlers)) {}

    void readBackDone(const Result<DeviceSnapshot>& snapshot) override;
    void deviceLighting(std::uint8_t type, std::uint8_t value) override;
    void keyAction(std::uint8_t key) override;
    void connectionChanged(bool connected) override;

    // Runs `f` on the context's thread, later.
    static void post(QObject* context, std::function<void()> f);

private:
    QPointer<QObject> context_;
    Handlers handlers_;
};

} // namespace vantrel::ui
