// SPDX-License-Identifier: MIT
#pragma once

#ifdef _WIN32

#include "core/util/result.h"
#include "platform/hotplug_monitor.h"

#include <QAbstractNativeEventFilter>
#include <memory>

namespace vantrel::ui {

class NativeMessageWindow;

// Watches for the keyboard being plugged in or out on Windows: the system
// sends WM_DEVICECHANGE for every USB device interface to a hidden window
// of this watch's own, and the watch reads the messages among the
// program's native events. The callbacks run on the window's
// thread, the one that called start(), once per interface of the keyboard,
// and never for other devices. No polling: between events nothing runs.
class DeviceNotificationWatch final : public QAbstractNativeEventFilter {
public:
    using Callbacks = platform::HotplugMonitor::Callbacks;

    explicit DeviceNotificationWatch(Callbacks callbacks);
    ~DeviceNotificationWatch() override;
    DeviceNotificationWatch(const DeviceNotificationWatch&) = delete;
    DeviceNotificationWatch& operator=(const DeviceNotificationWatch&) = delete;

    // Makes the window and registers it for USB device interfaces; needs
    // the application object and a running event loop for the callbacks.
    Status start();
    // Unregisters and destroys the window; safe to call more than once.
    void stop();
    // The window the system sends the notifications to (an HWND); null
    // when not started.
    void* window() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    Callbacks callbacks_;
    std::unique_ptr<NativeMessageWindow> window_;
    void* registration_ = nullptr;
};

} // namespace vantrel::ui

#endif
