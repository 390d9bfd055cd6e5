// SPDX-License-Identifier: MIT
#ifdef _WIN32

#include "ui/hotplug/device_notification_watch.h"

#include "platform/device_interface_filter.h"
#include "ui/native_message_window.h"

#include <QCoreApplication>
#include <string_view>
#include <windows.h>
// After windows.h, which it needs.
#include <dbt.h>

namespace vantrel::ui {
namespace {

// GUID_DEVINTERFACE_USB_DEVICE: every USB device, the keyboard among them.
constexpr GUID kUsbDeviceInterface = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

Error cannotWatch(const char* what) {
    return Error{ErrorCode::Unsupported, std::string("Cannot watch for the keyboard being plugged "
                                                     "in or out (") +
                                             what + ", error " + std::to_string(GetLastError()) +
                                             ")."};
}

// The path of a device-interface notification; nothing for other kinds.
std::u16string_view interfacePath(LPARAM data) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE ||
        header->dbch_size < sizeof(DEV_BROADCAST_DEVICEINTERFACE_W)) {
        return {};
    }
    const auto* device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    // Sized by the header: the name need not end inside it.
    const std::size_t room =
        (header->dbch_size - offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name)) /
        sizeof(wchar_t);
    const auto* name = reinterpret_cast<const char16_t*>(device->dbcc_name);
    std::size_t length = 0;
    while (length < room && name[length] != u'\0') {
        ++length;
    }
    return {name, length};
}

} // namespace

DeviceNotificationWatch::DeviceNotificationWatch(Callbacks callbacks)
    : callbacks_(std::move(callbacks)) {}

DeviceNotificationWatch::~DeviceNotificationWatch() {
    stop();
}

Status DeviceNotificationWatch::start() {
    if (window_ != nullptr) {
        return Status::success();
    }
    if (QCoreApplication::instance() == nullptr) {
        return Error{ErrorCode::Unsupported, "Hot-plug watching needs the application object."};
    }
    auto window = std::make_unique<NativeMessageWindow>(NativeMessageWindow::Kind::MessageOnly,
                                                        L"VANTREL device notifications");
    if (window->handle() == nullptr) {
        return cannotWatch("no window");
    }
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kUsbDeviceInterface;
    HDEVNOTIFY registration = RegisterDeviceNotificationW(static_cast<HWND>(window->handle()),
                                                          &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    if (registration == nullptr) {
        return cannotWatch("no device notifications");
    }
    window_ = std::move(window);
    registration_ = registration;
    QCoreApplication::instance()->installNativeEventFilter(this);
    return Status::success();
}

void DeviceNotificationWatch::stop() {
    if (!window_) {
        return;
    }
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    UnregisterDeviceNotification(static_cast<HDEVNOTIFY>(registration_));
    registration_ = nullptr;
    window_.reset();
}

void* DeviceNotificationWatch::window() const {
    return window_ ? window_->handle() : nullptr;
}

bool DeviceNotificationWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                                qintptr* result) {
    if (eventType != "windows_generic_MSG" || message == nullptr) {
        return false;
    }
    const MSG& msg = *static_cast<const MSG*>(message);
    if (!window_ || msg.hwnd != window_->handle() || msg.message != WM_DEVICECHANGE) {
        return false;
    }
    // Only arrival and removal carry a device; other events may carry nothing.
    const auto event = static_cast<std::uint32_t>(msg.wParam);
    const bool carriesDevice =
        event == platform::kDeviceArrival || event == platform::kDeviceRemoveComplete;
    const auto change = carriesDevice
                            ? platform::deviceInterfaceChange(event, interfacePath(msg.lParam))
                            : platform::HotplugChange::None;
    if (change == platform::HotplugChange::Arrived && callbacks_.arrived) {
        callbacks_.arrived();
    } else if (change == platform::HotplugChange::Removed && callbacks_.removed) {
        callbacks_.removed();
    }
    if (result != nullptr) {
        *result = TRUE; // every device event is let through
    }
    return true;
}

} // namespace vantrel::ui

#endif
