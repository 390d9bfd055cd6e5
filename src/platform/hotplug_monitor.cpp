// SPDX-License-Identifier: MIT
#include "platform/hotplug_monitor.h"

#include "platform/hotplug_filter.h"

#include <thread>

#if defined(__linux__)
#include <cerrno>
#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#endif

namespace vantrel::platform {

#if defined(__linux__)

namespace {

// What the node's parent hid device says about itself; absent when sysfs no
// longer has it (as for a node being removed).
std::optional<HidId> hidIdOf(udev_device* node) {
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(node, "hid", nullptr);
    if (hid == nullptr) {
        return std::nullopt;
    }
    const char* property = udev_device_get_property_value(hid, "HID_ID");
    return property != nullptr ? parseHidId(property) : std::nullopt;
}

} // namespace

struct HotplugMonitor::Impl {
    Callbacks callbacks;
    HotplugFilter filter;
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    int wakeFd = -1;
    std::thread thread;

    ~Impl() {
        if (monitor != nullptr) {
            udev_monitor_unref(monitor);
        }
        if (context != nullptr) {
            udev_unref(context);
        }
        if (wakeFd >= 0) {
            ::close(wakeFd);
        }
    }

    void scanPresent() {
        udev_enumerate* e = udev_enumerate_new(context);
        if (e == nullptr) {
            return;
        }
        udev_enumerate_add_match_subsystem(e, "hidraw");
        udev_enumerate_scan_devices(e);
        for (udev_list_entry* it = udev_enumerate_get_list_entry(e); it != nullptr;
             it = udev_list_entry_get_next(it)) {
            const char* syspath = udev_list_entry_get_name(it);
            udev_device* node = udev_device_new_from_syspath(context, syspath);
            if (node != nullptr) {
                filter.notePresent(syspath, hidIdOf(node));
                udev_device_unref(node);
            }
        }
        udev_enumerate_unref(e);
    }

    void run() {
        const int monitorFd = udev_monitor_get_fd(monitor);
        for (;;) {
            pollfd fds[2] = {{monitorFd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return;
            }
            if (fds[1].revents != 0) {
                return;
            }
            if ((fds[0].revents & POLLIN) == 0) {
                continue;
            }
            udev_device* node = udev_monitor_receive_device(monitor);
            if (node == nullptr) {
                continue;
            }
            const char* action = udev_device_get_action(node);
            const char* syspath = udev_device_get_syspath(node);
            const HotplugChange change = filter.onEvent(
                action != nullptr ? action : "", syspath != nullptr ? syspath : "", hidIdOf(node));
            udev_device_unref(node);
            if (change == HotplugChange::Arrived && callbacks.arrived) {
                callbacks.arrived();
            } else if (change == HotplugChange::Removed && callbacks.removed) {
                callbacks.removed();
            }
        }
    }
};

HotplugMonitor::HotplugMonitor(Callbacks callbacks) : impl_(std::make_unique<Impl>()) {
    impl_->callbacks = std::move(callbacks);
}

HotplugMonitor::~HotplugMonitor() {
    stop();
}

Status HotplugMonitor::start() {
    if (impl_->thread.joinable()) {
        return Status::success();
    }
    if (impl_->context == nullptr) {
        impl_->context = udev_new();
        if (impl_->context == nullptr) {
            return makeError(ErrorCode::Unsupported, "udev is not available.");
        }
        impl_->monitor = udev_monitor_new_from_netlink(impl_->context, "udev");
        if (impl_->monitor == nullptr ||
            udev_monitor_filter_add_match_subsystem_devtype(impl_->monitor, "hidraw", nullptr) <
                0 ||
            udev_monitor_enable_receiving(impl_->monitor) < 0) {
            return makeError(ErrorCode::Unsupported,
                             "Cannot watch for the keyboard being plugged in or out.");
        }
        impl_->wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (impl_->wakeFd < 0) {
            return makeError(ErrorCode::Unsupported,
                             "Cannot watch for the keyboard being plugged in or out.");
        }
    }
    // Nodes present now must be known to tell their removal later.
    impl_->scanPresent();
    impl_->thread = std::thread([impl = impl_.get()] { impl->run(); });
    return Status::success();
}

void HotplugMonitor::stop() {
    if (!impl_->thread.joinable()) {
        return;
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto n = ::write(impl_->wakeFd, &one, sizeof one);
    impl_->thread.join();
    std::uint64_t drained = 0;
    [[maybe_unused]] const auto m = ::read(impl_->wakeFd, &drained, sizeof drained);
}

#else

struct HotplugMonitor::Impl {};
HotplugMonitor::HotplugMonitor(Callbacks) : impl_(std::make_unique<Impl>()) {}
HotplugMonitor::~HotplugMonitor() = default;
Status HotplugMonitor::start() {
    return makeError(ErrorCode::Unsupported, "Hot-plug watching needs udev.");
}
void HotplugMonitor::stop() {}

#endif

} // namespace vantrel::platform
