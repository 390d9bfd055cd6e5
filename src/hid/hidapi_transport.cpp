// SPDX-License-Identifier: MIT
#include "hid/hidapi_transport.h"

#include "core/device/command_codes.h"
#include "core/device/discovery.h"
#include "hid/udev_rule.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <hidapi.h>
#include <set>
#include <thread>
#include <type_traits>

#if defined(__linux__)
#include "hid/hidraw_notification.h"
#include "hid/hidraw_sysfs.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#else
#include <atomic>
#endif

namespace vantrel {

namespace {

constexpr std::size_t kBlockData = kBlockReportSize - 1;
// How long a failed transfer waits for the node to go before it counts as a
// plain I/O error: the kernel fails the transfer in progress first and
// removes the pulled keyboard's interfaces after that, one by one.
constexpr std::chrono::milliseconds kNodeRemovalGrace{1000};
#if !defined(__linux__)
constexpr std::size_t kNotificationReadSize = 64;
#endif

std::string narrow(const wchar_t* text) {
    std::string out;
    if (text == nullptr) {
        return out;
    }
    for (; *text != 0; ++text) {
        const auto c =
            static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<wchar_t>>(*text));
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

Error ioError(hid_device* dev, const std::string& what) {
    std::string detail = narrow(hid_error(dev));
    return makeError(ErrorCode::DeviceIo,
                     what + (detail.empty() ? std::string(".") : ": " + detail + "."));
}

// Closes the device under the transport's lock, so that closing never races
// with listing or opening.
class Device {
public:
    Device(hid_device* dev, std::shared_ptr<std::mutex> mutex, std::string path)
        : dev_(dev), mutex_(std::move(mutex)), path_(std::move(path)) {}
    ~Device() {
        std::lock_guard lock(*mutex_);
        hid_close(dev_);
    }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
    hid_device* get() const { return dev_; }
    // A failure on a node that no longer exists means the keyboard left.
    // A pulled cable fails the transfer in progress before the kernel
    // removes the node, so the node gets a moment to go.
    Error failure(const std::string& what) const {
        const Error error = ioError(dev_, what);
        if (path_.empty() || path_.front() != '/') {
            return error;
        }
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + kNodeRemovalGrace;
        for (;;) {
            std::error_code ec;
            if (!std::filesystem::exists(path_, ec)) {
                return makeError(ErrorCode::Disconnected, "The keyboard was disconnected.");
            }
            if (Clock::now() >= deadline) {
                return error;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

private:
    hid_device* dev_;
    std::shared_ptr<std::mutex> mutex_;
    std::string path_;
};

class HidapiControlHandle : public ControlHandle {
public:
    explicit HidapiControlHandle(std::unique_ptr<Device> dev) : dev_(std::move(dev)) {}

    Status setFeature(const FeatureReport& report) override {
        const int n = hid_send_feature_report(dev_->get(), report.data(), report.size());
        if (n < 0) {
            return dev_->failure("Sending a feature report to the keyboard failed");
        }
        return Status::success();
    }

    Result<FeatureReport> getFeature() override {
        FeatureReport r{};
        r[0] = 0;
        const int n = hid_get_feature_report(dev_->get(), r.data(), r.size());
        if (n < 0) {
            return dev_->failure("Reading a feature report from the keyboard failed");
        }
        if (static_cast<std::size_t>(n) < r.size()) {
            return makeError(ErrorCode::DeviceIo, "Short feature report from the keyboard: " +
                                                      std::to_string(n) + " of 9 bytes.");
        }
        return r;
    }

    Status writeBlock(const BlockReport& block) override {
        const int n = hid_write(dev_->get(), block.data(), block.size());
        if (n < 0) {
            return dev_->failure("Writing a data block to the keyboard failed");
        }
        return Status::success();
    }

    Result<BlockReport> readBlock() override {
        // Unnumbered input reports arrive without a report ID byte on every
        // platform, so the data goes straight to bytes 1-64.
        BlockReport b{};
        const int n = hid_read_timeout(dev_->get(), b.data() + 1, kBlockData,
                                       HidapiTransport::kBlockReadTimeoutMs);
        if (n < 0) {
            return dev_->failure("Reading a data block from the keyboard failed");
        }
        if (n == 0) {
            return makeError(ErrorCode::DeviceIo,
                             "The keyboard sent no data block within " +
                                 std::to_string(HidapiTransport::kBlockReadTimeoutMs) + " ms.");
        }
        if (static_cast<std::size_t>(n) < kBlockData) {
            return makeError(ErrorCode::DeviceIo, "Short data block from the keyboard: " +
                                                      std::to_string(n) + " of 64 bytes.");
        }
        return b;
    }

private:
    std::unique_ptr<Device> dev_;
};

#if !defined(__linux__)
// Where the node's descriptor is out of reach, the read waits in short
// slices so that a wake is noticed soon.
class HidapiNotificationHandle : public NotificationHandle {
public:
    explicit HidapiNotificationHandle(std::unique_ptr<Device> dev) : dev_(std::move(dev)) {}

    Result<std::optional<NotificationReport>> read(std::chrono::milliseconds timeout) override {
        using Clock = std::chrono::steady_clock;
        constexpr std::chrono::milliseconds kSlice{100};
        const bool forever = timeout < std::chrono::milliseconds(0);
        const auto deadline = Clock::now() + (forever ? std::chrono::milliseconds(0) : timeout);
        for (;;) {
            if (woken_.exchange(false)) {
                return std::optional<NotificationReport>();
            }
            auto left = kSlice;
            if (!forever) {
                left = std::min(kSlice, std::chrono::duration_cast<std::chrono::milliseconds>(
                                            deadline - Clock::now()));
            }
            const int wait = static_cast<int>(std::max<std::int64_t>(0, left.count()));
            std::array<std::uint8_t, kNotificationReadSize> buf{};
            const int n = hid_read_timeout(dev_->get(), buf.data(), buf.size(), wait);
            if (n < 0) {
                Error e = dev_->failure("Reading a notification from the keyboard failed");
                e.code = ErrorCode::Disconnected;
                return e;
            }
            // The node may carry other reports of the same interface; only
            // those with the notification's report ID are ours.
            if (n > 0 && buf[0] == kNotificationReportId) {
                NotificationReport r{};
                std::copy_n(buf.begin(), std::min<std::size_t>(n, r.size()), r.begin());
                return std::optional<NotificationReport>(r);
            }
            if (!forever && Clock::now() >= deadline) {
                return std::optional<NotificationReport>();
            }
        }
    }
    void wake() override { woken_ = true; }

private:
    std::unique_ptr<Device> dev_;
    std::atomic<bool> woken_{false};
};
#endif

} // namespace

HidapiTransport::HidapiTransport() : mutex_(std::make_shared<std::mutex>()) {}

Result<std::unique_ptr<HidapiTransport>> HidapiTransport::create() {
    if (hid_init() != 0) {
        return makeError(ErrorCode::DeviceIo,
                         "The HID library could not be initialised: " + narrow(hid_error(nullptr)));
    }
    return std::unique_ptr<HidapiTransport>(new HidapiTransport());
}

HidapiTransport::~HidapiTransport() {
    hid_exit();
}

Result<std::vector<HidInterfaceInfo>> HidapiTransport::enumerate() {
    std::lock_guard lock(*mutex_);
    std::vector<HidInterfaceInfo> list;
    std::set<std::string> seen;
    hid_device_info* all = hid_enumerate(0, 0);
    // hidraw lists a node once per top-level usage; one entry per node.
    for (const hid_device_info* d = all; d != nullptr; d = d->next) {
        if (d->path == nullptr || !seen.insert(d->path).second) {
            continue;
        }
#if defined(__linux__)
        HidInterfaceInfo info;
        info.path = d->path;
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.matchName = hidrawMatchName(info.path, d->interface_number);
#else
        HidInterfaceInfo info = interfaceNamedByPath(d->path, d->vendor_id, d->product_id);
#endif
        list.push_back(std::move(info));
    }
    hid_free_enumeration(all);
    return list;
}

namespace {

Error openError(const std::string& path) {
#if defined(__linux__)
    if (::access(path.c_str(), F_OK) != 0) {
        return makeError(ErrorCode::NoDevice,
                         "The keyboard is not connected (" + path + " is gone).");
    }
    if (::access(path.c_str(), R_OK | W_OK) != 0 && errno == EACCES) {
        return makeError(ErrorCode::PermissionDenied,
                         "Keyboard found but not accessible: no permission to open " + path +
                             ". Install the udev rule " + kUdevRulePath +
                             " (the vantrelctl package brings it; see README), then unplug the "
                             "keyboard and plug it in again.");
    }
#endif
    return ioError(nullptr, "The keyboard interface " + path + " could not be opened");
}

} // namespace

Result<std::unique_ptr<ControlHandle>> HidapiTransport::openControl(const std::string& path) {
    std::lock_guard lock(*mutex_);
    hid_device* dev = hid_open_path(path.c_str());
    if (dev == nullptr) {
        return openError(path);
    }
    auto device = std::make_unique<Device>(dev, mutex_, path);
    return std::unique_ptr<ControlHandle>(std::make_unique<HidapiControlHandle>(std::move(device)));
}

Result<std::unique_ptr<NotificationHandle>>
HidapiTransport::openNotification(const std::string& path) {
    std::lock_guard lock(*mutex_);
#if defined(__linux__)
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return openError(path);
    }
    return makeHidrawNotificationHandle(fd, path);
#else
    hid_device* dev = hid_open_path(path.c_str());
    if (dev == nullptr) {
        return openError(path);
    }
    auto device = std::make_unique<Device>(dev, mutex_, path);
    return std::unique_ptr<NotificationHandle>(
        std::make_unique<HidapiNotificationHandle>(std::move(device)));
#endif
}

} // namespace vantrel
