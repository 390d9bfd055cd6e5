// SPDX-License-Identifier: MIT
#include "hid/hidraw_notification.h"

#if defined(__linux__)

#include "core/device/command_codes.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace vantrel {

namespace {

// hidraw hands over one whole report per read; the node's largest one fits.
constexpr std::size_t kReadSize = 64;

Error gone(const std::string& path, int err) {
    return makeError(ErrorCode::Disconnected, "Reading a notification from the keyboard (" + path +
                                                  ") failed: " + std::strerror(err) + ".");
}

class HidrawNotificationHandle final : public NotificationHandle {
public:
    HidrawNotificationHandle(int fd, int wakeFd, std::string path)
        : fd_(fd), wake_(wakeFd), path_(std::move(path)) {}
    ~HidrawNotificationHandle() override {
        ::close(fd_);
        ::close(wake_);
    }
    HidrawNotificationHandle(const HidrawNotificationHandle&) = delete;
    HidrawNotificationHandle& operator=(const HidrawNotificationHandle&) = delete;

    Result<std::optional<NotificationReport>> read(std::chrono::milliseconds timeout) override {
        using Clock = std::chrono::steady_clock;
        const bool forever = timeout < std::chrono::milliseconds(0);
        const auto deadline = Clock::now() + (forever ? std::chrono::milliseconds(0) : timeout);
        for (;;) {
            int wait = -1;
            if (!forever) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
                wait = static_cast<int>(std::max<std::int64_t>(0, left.count()));
            }
            pollfd fds[2] = {{wake_, POLLIN, 0}, {fd_, POLLIN, 0}};
            const int n = ::poll(fds, 2, wait);
            if (n < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return gone(path_, errno);
            }
            if (fds[0].revents & POLLIN) {
                std::uint64_t count = 0;
                [[maybe_unused]] const auto r = ::read(wake_, &count, sizeof count);
                return std::optional<NotificationReport>();
            }
            if (fds[1].revents & (POLLERR | POLLHUP | POLLNVAL)) {
                return gone(path_, ENODEV);
            }
            if (n == 0) {
                return std::optional<NotificationReport>();
            }
            std::array<std::uint8_t, kReadSize> buf{};
            const ssize_t got = ::read(fd_, buf.data(), buf.size());
            if (got < 0) {
                if (errno == EINTR || errno == EAGAIN) {
                    continue;
                }
                return gone(path_, errno);
            }
            // The node may carry other reports of the same interface; only
            // those with the notification's report ID are ours.
            if (got > 0 && buf[0] == kNotificationReportId) {
                NotificationReport r{};
                std::copy_n(buf.begin(), std::min<std::size_t>(got, r.size()), r.begin());
                return std::optional<NotificationReport>(r);
            }
        }
    }

    void wake() override {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto n = ::write(wake_, &one, sizeof one);
    }

private:
    int fd_;
    int wake_;
    std::string path_;
};

} // namespace

Result<std::unique_ptr<NotificationHandle>> makeHidrawNotificationHandle(int fd, std::string path) {
    const int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd < 0) {
        const int err = errno;
        ::close(fd);
        return makeError(ErrorCode::DeviceIo, "Cannot listen to the keyboard's notifications: " +
                                                  std::string(std::strerror(err)) + ".");
    }
    return std::unique_ptr<NotificationHandle>(
        std::make_unique<HidrawNotificationHandle>(fd, wakeFd, std::move(path)));
}

} // namespace vantrel

#endif
