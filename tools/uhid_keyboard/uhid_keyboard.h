// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/command_codes.h"
#include "core/util/result.h"
#include "hid/sim/simulated_keyboard.h"
#include "uhid_device.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vantrel::uhid {

struct KeyboardIdentity {
    std::uint16_t vendor = kVendorIdPrimary;
    std::uint16_t product = kProductId;
    std::string name = "VANTREL Gaming Keyboard";
    // Where the keyboard is plugged in, as the USB path of its phys.
    std::string controller = "0000:00:14.0";
    std::string port = "1";
};

// A SimulatedKeyboard presented to the kernel as the keyboard's four USB HID
// interfaces. run() serves the kernel's requests on the calling thread until
// stop(); everything else may be called from any thread: actions are handed
// to the serving thread (post) so that devices are only touched there.
class UhidKeyboard {
public:
    static Result<std::unique_ptr<UhidKeyboard>> create(sim::SimulatedKeyboard& keyboard,
                                                        KeyboardIdentity identity);
    ~UhidKeyboard();
    UhidKeyboard(const UhidKeyboard&) = delete;
    UhidKeyboard& operator=(const UhidKeyboard&) = delete;

    // Called on the serving thread each time the kernel has made the hidraw
    // nodes of all four interfaces (at start and after every replug).
    void onReady(std::function<void(const std::vector<std::string>& nodes)> callback);

    // Plugs the keyboard in and serves until stop(); an error when the
    // devices cannot be made.
    Status run();
    void stop();

    // Runs `action` on the serving thread and gives back its result.
    std::future<Status> post(std::function<Status()> action);

    // For actions: the keyboard comes and goes with its interfaces.
    Status plug();
    Status unplug();
    sim::SimulatedKeyboard& keyboard() { return keyboard_; }

private:
    UhidKeyboard(sim::SimulatedKeyboard& keyboard, KeyboardIdentity identity);
    DeviceSpec specFor(int interfaceNumber) const;
    Status serveDevice(int interfaceNumber);
    void serveControl(const DeviceEvent& event);
    void pushReadRun();
    void followUnplugByKeyboard();
    void runPosted();
    void checkReady();
    void pumpNotifications();
    void wakeLoop();

    sim::SimulatedKeyboard& keyboard_;
    KeyboardIdentity identity_;
    std::array<std::unique_ptr<UhidDevice>, 4> devices_;
    int wakeFd_ = -1;
    std::atomic<bool> stopping_{false};

    std::mutex postMutex_;
    std::deque<std::pair<std::function<Status()>, std::promise<Status>>> posted_;

    bool awaitingReady_ = false;
    std::function<void(const std::vector<std::string>&)> readyCallback_;

    std::thread pump_;
    std::mutex pumpMutex_;
    std::condition_variable pumpChanged_;
    std::atomic<bool> pumpWoken_{false};
    std::uint64_t pluggedGeneration_ = 0; // guarded by pumpMutex_; 0 while unplugged
};

} // namespace vantrel::uhid
