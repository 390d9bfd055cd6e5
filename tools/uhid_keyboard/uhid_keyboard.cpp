// SPDX-License-Identifier: MIT
#include "uhid_keyboard.h"

#include "hidraw_lookup.h"
#include "report_descriptors.h"
#include "usb_framing.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <linux/uhid.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace vantrel::uhid {

namespace {

constexpr std::size_t kBlockData = kBlockReportSize - 1;
constexpr std::size_t kFeatureData = kFeatureReportSize - 1;
// What a keyboard cut short sends: fewer bytes than the report has.
constexpr std::size_t kShortReplyBytes = 4;
// The interface whose opening must be seen before the control interface's
// next command, so that acknowledgements reach a listener that just opened.
constexpr std::array<int, kInterfaceCount> kServeOrder{
    kNotificationInterface, kBootKeyboardInterface, kMediaKeysInterface, kControlInterface};
constexpr int kReadyPollMs = 20;

} // namespace

UhidKeyboard::UhidKeyboard(sim::SimulatedKeyboard& keyboard, KeyboardIdentity identity)
    : keyboard_(keyboard), identity_(std::move(identity)) {}

Result<std::unique_ptr<UhidKeyboard>> UhidKeyboard::create(sim::SimulatedKeyboard& keyboard,
                                                           KeyboardIdentity identity) {
    std::unique_ptr<UhidKeyboard> kb(new UhidKeyboard(keyboard, std::move(identity)));
    for (auto& device : kb->devices_) {
        auto opened = UhidDevice::open();
        if (!opened) {
            return opened.error();
        }
        device = std::move(*opened);
    }
    kb->wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (kb->wakeFd_ < 0) {
        return makeError(ErrorCode::Io, std::string("eventfd: ") + std::strerror(errno));
    }
    return kb;
}

UhidKeyboard::~UhidKeyboard() {
    stop();
    if (pump_.joinable()) {
        pump_.join();
    }
    if (wakeFd_ >= 0) {
        ::close(wakeFd_);
    }
}

void UhidKeyboard::onReady(std::function<void(const std::vector<std::string>&)> callback) {
    readyCallback_ = std::move(callback);
}

DeviceSpec UhidKeyboard::specFor(int interfaceNumber) const {
    DeviceSpec spec;
    spec.name = identity_.name;
    spec.phys = usbPhys(identity_.controller, identity_.port, interfaceNumber);
    spec.vendor = identity_.vendor;
    spec.product = identity_.product;
    const auto descriptor = keyboardReportDescriptor(interfaceNumber);
    spec.descriptor.assign(descriptor.begin(), descriptor.end());
    return spec;
}

Status UhidKeyboard::plug() {
    if (!keyboard_.pluggedIn()) {
        keyboard_.replug();
    }
    for (int n = 0; n < kInterfaceCount; ++n) {
        if (!devices_[n]->created()) {
            if (Status s = devices_[n]->create(specFor(n)); !s) {
                return s;
            }
        }
    }
    awaitingReady_ = true;
    {
        std::lock_guard lock(pumpMutex_);
        pluggedGeneration_ = keyboard_.generation();
    }
    pumpChanged_.notify_all();
    return Status::success();
}

Status UhidKeyboard::unplug() {
    if (keyboard_.pluggedIn()) {
        keyboard_.unplug();
    }
    followUnplugByKeyboard();
    return Status::success();
}

void UhidKeyboard::followUnplugByKeyboard() {
    if (keyboard_.pluggedIn()) {
        return;
    }
    {
        std::lock_guard lock(pumpMutex_);
        pluggedGeneration_ = 0;
    }
    // A USB keyboard takes all its interfaces with it; the kernel removes
    // them from the last to the first.
    for (auto it = devices_.rbegin(); it != devices_.rend(); ++it) {
        [[maybe_unused]] Status s = (*it)->destroy();
    }
    awaitingReady_ = false;
}

Status UhidKeyboard::run() {
    if (Status s = plug(); !s) {
        return s;
    }
    pump_ = std::thread([this] { pumpNotifications(); });
    while (!stopping_) {
        std::array<pollfd, kInterfaceCount + 1> fds{};
        for (std::size_t i = 0; i < kServeOrder.size(); ++i) {
            fds[i] = {devices_[kServeOrder[i]]->fd(), POLLIN, 0};
        }
        fds[kInterfaceCount] = {wakeFd_, POLLIN, 0};
        const int n = ::poll(fds.data(), fds.size(), awaitingReady_ ? kReadyPollMs : -1);
        if (n < 0 && errno != EINTR) {
            return makeError(ErrorCode::Io, std::string("poll: ") + std::strerror(errno));
        }
        for (std::size_t i = 0; n > 0 && i < kServeOrder.size(); ++i) {
            if (fds[i].revents & POLLIN) {
                if (Status s = serveDevice(kServeOrder[i]); !s) {
                    return s;
                }
            }
        }
        if (fds[kInterfaceCount].revents & POLLIN) {
            std::uint64_t count = 0;
            [[maybe_unused]] const auto r = ::read(wakeFd_, &count, sizeof count);
        }
        runPosted();
        checkReady();
    }
    [[maybe_unused]] Status s = unplug();
    return Status::success();
}

void UhidKeyboard::stop() {
    stopping_ = true;
    wakeLoop();
    pumpWoken_ = true;
    keyboard_.wakeNotificationReaders();
    // Taken so that a pump between its look at the flag and its wait cannot
    // miss the wake.
    { std::lock_guard lock(pumpMutex_); }
    pumpChanged_.notify_all();
}

void UhidKeyboard::wakeLoop() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto n = ::write(wakeFd_, &one, sizeof one);
}

std::future<Status> UhidKeyboard::post(std::function<Status()> action) {
    std::promise<Status> promise;
    auto future = promise.get_future();
    {
        std::lock_guard lock(postMutex_);
        posted_.emplace_back(std::move(action), std::move(promise));
    }
    wakeLoop();
    return future;
}

void UhidKeyboard::runPosted() {
    for (;;) {
        std::function<Status()> action;
        std::promise<Status> promise;
        {
            std::lock_guard lock(postMutex_);
            if (posted_.empty()) {
                return;
            }
            action = std::move(posted_.front().first);
            promise = std::move(posted_.front().second);
            posted_.pop_front();
        }
        promise.set_value(action());
        followUnplugByKeyboard();
    }
}

void UhidKeyboard::checkReady() {
    if (!awaitingReady_) {
        return;
    }
    std::vector<std::string> nodes;
    for (int n = 0; n < kInterfaceCount; ++n) {
        auto node = hidrawNodeForPhys(devices_[n]->spec().phys);
        if (!node) {
            return;
        }
        nodes.push_back(*node);
    }
    awaitingReady_ = false;
    if (readyCallback_) {
        readyCallback_(nodes);
    }
}

Status UhidKeyboard::serveDevice(int interfaceNumber) {
    auto event = devices_[interfaceNumber]->readEvent();
    if (!event) {
        return event.error();
    }
    using Kind = DeviceEvent::Kind;
    const bool control = interfaceNumber == kControlInterface;
    switch (event->kind) {
    case Kind::Open:
        if (interfaceNumber == kNotificationInterface) {
            keyboard_.notificationOpened();
        }
        break;
    case Kind::Close:
        if (interfaceNumber == kNotificationInterface) {
            keyboard_.notificationClosed(keyboard_.generation());
        }
        break;
    case Kind::Output:
    case Kind::GetReport:
    case Kind::SetReport:
        if (control) {
            serveControl(*event);
        } else if (event->kind == Kind::GetReport) {
            [[maybe_unused]] Status s =
                devices_[interfaceNumber]->replyGetReport(event->id, {}, true);
        } else if (event->kind == Kind::SetReport) {
            [[maybe_unused]] Status s = devices_[interfaceNumber]->replySetReport(event->id, true);
        }
        break;
    default:
        break;
    }
    followUnplugByKeyboard();
    return Status::success();
}

void UhidKeyboard::serveControl(const DeviceEvent& event) {
    UhidDevice& device = *devices_[kControlInterface];
    const std::uint64_t gen = keyboard_.generation();
    const bool unnumberedFeature =
        event.reportType == UHID_FEATURE_REPORT && event.reportNumber == 0;
    switch (event.kind) {
    case DeviceEvent::Kind::Output: {
        if (event.reportType != UHID_OUTPUT_REPORT) {
            return;
        }
        const auto data = usbDataFromHidrawBuffer(event.data, 0);
        BlockReport block{};
        std::copy_n(data.begin(), std::min(data.size(), kBlockData), block.begin() + 1);
        [[maybe_unused]] Status s = keyboard_.writeBlock(gen, block);
        return;
    }
    case DeviceEvent::Kind::SetReport: {
        if (!unnumberedFeature) {
            [[maybe_unused]] Status s = device.replySetReport(event.id, true);
            return;
        }
        const auto data = usbDataFromHidrawBuffer(event.data, 0);
        FeatureReport report{};
        std::copy_n(data.begin(), std::min(data.size(), kFeatureData), report.begin() + 1);
        const Status sent = keyboard_.setFeature(gen, report);
        [[maybe_unused]] Status s = device.replySetReport(event.id, !sent);
        // The keyboard answers a read announcement on its interrupt endpoint.
        pushReadRun();
        return;
    }
    case DeviceEvent::Kind::GetReport: {
        if (!unnumberedFeature) {
            [[maybe_unused]] Status s = device.replyGetReport(event.id, {}, true);
            return;
        }
        auto reply = keyboard_.getFeature(gen);
        if (reply) {
            const auto buffer = hidrawBufferFromUsbData(0, {reply->data() + 1, kFeatureData});
            [[maybe_unused]] Status s = device.replyGetReport(event.id, buffer, false);
        } else if (reply.error().code == ErrorCode::DeviceIo) {
            const std::array<std::uint8_t, kShortReplyBytes - 1> cut{};
            const auto buffer = hidrawBufferFromUsbData(0, cut);
            [[maybe_unused]] Status s = device.replyGetReport(event.id, buffer, false);
        } else {
            [[maybe_unused]] Status s = device.replyGetReport(event.id, {}, true);
        }
        return;
    }
    default:
        return;
    }
}

void UhidKeyboard::pushReadRun() {
    UhidDevice& device = *devices_[kControlInterface];
    const std::uint64_t gen = keyboard_.generation();
    while (keyboard_.pendingReadBlocks() > 0) {
        auto block = keyboard_.readBlock(gen);
        if (block) {
            [[maybe_unused]] Status s = device.sendInput({block->data() + 1, kBlockData});
        } else if (block.error().code == ErrorCode::DeviceIo) {
            const std::array<std::uint8_t, kShortReplyBytes> cut{};
            [[maybe_unused]] Status s = device.sendInput(cut);
        } else {
            return;
        }
    }
}

void UhidKeyboard::pumpNotifications() {
    std::uint64_t last = 0;
    while (!stopping_) {
        std::uint64_t gen = 0;
        {
            std::unique_lock lock(pumpMutex_);
            pumpChanged_.wait(lock, [&] {
                return stopping_ || (pluggedGeneration_ != 0 && pluggedGeneration_ != last);
            });
            if (stopping_) {
                return;
            }
            gen = pluggedGeneration_;
        }
        for (;;) {
            auto report = keyboard_.readNotification(gen, kWaitForever, pumpWoken_);
            if (!report || stopping_) {
                break; // unplugged: wait for the next plug
            }
            if (report->has_value()) {
                [[maybe_unused]] Status s = devices_[kNotificationInterface]->sendInput(**report);
            }
        }
        last = gen;
    }
}

} // namespace vantrel::uhid
