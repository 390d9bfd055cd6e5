// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"
#include "core/model/config_image.h"
#include "core/model/firmware_version.h"
#include "core/util/result.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>

namespace vantrel::sim {

// The keyboard's side of the protocol, kept in memory: its stored settings,
// the set and get commands, block runs in both directions, acknowledgements
// and the events the keyboard raises on its own. Fault knobs let tests break
// the link in the ways a real keyboard does.
//
// 0x09 carries both SetGameMode and SetModeOne (b2 = 1); the keyboard cannot
// tell them apart, so it stores b2 as the game mode either way. A read-back,
// which starts with SetModeOne, therefore always reads game mode 1.
//
// Thread safety: every member may be called from any thread. The control
// handle is driven by one worker while the notification handle is read by a
// listener; a queued notification wakes a waiting read at once.
class SimulatedKeyboard {
public:
    SimulatedKeyboard();

    // --- stored state -------------------------------------------------
    // A copy of the keyboard's stored settings (device fields of the image;
    // the rest stays zero).
    ConfigImage state() const;
    void setState(const ConfigImage& image);
    FirmwareVersion firmwareVersion() const;
    void setFirmwareVersion(FirmwareVersion v);
    // The settings a new keyboard leaves the factory with (also what
    // ResetDevice restores).
    static ConfigImage factoryState();
    void restoreFactoryState();

    // Saves to / loads from the small binary file of --sim-state. A file that
    // is refused (missing, not a regular file, wrong size, damaged) leaves
    // the state as it was.
    Status saveState(const std::filesystem::path& file) const;
    Status loadState(const std::filesystem::path& file);
    // The same, except that a missing file is no error: the keyboard keeps
    // its state and the first save creates the file.
    Status loadStateIfPresent(const std::filesystem::path& file);

    // --- keyboard-side events ------------------------------------------
    // The user changed the lighting with the keyboard's own keys: type 5
    // effect, 6 speed (wire value, 10 minus the stored speed), 7 brightness,
    // 8 direction, 11 wrist-rest effect. The stored state follows and a
    // notification of that type is sent.
    void changeLightingOnKeyboard(std::uint8_t type, std::uint8_t value);
    // A key assigned to a host action was pressed: notification type 0.
    void pressHostActionKey(std::uint8_t key);
    // Queues any raw notification.
    void sendNotification(const NotificationReport& report);

    // --- fault knobs --------------------------------------------------
    void dropAllAcks(bool drop);
    void dropNextAcks(int count);
    void dropAcksFor(std::uint8_t commandCode); // acks after this set command are lost
    void delayAcks(std::chrono::milliseconds delay);
    // The keyboard disappears after `transfers` more control transfers
    // succeed (0: with the next one).
    void unplugAfter(int transfers);
    void unplug();
    // Plugs the keyboard in again; handles opened before stay dead.
    void replug();
    bool pluggedIn() const;
    // The next `count` replies (get-feature or block read) come back short
    // (an error) or as garbage with a wrong checksum.
    void shortReplies(int count);
    void garbageReplies(int count);
    // Opening an interface fails as it does without the udev rule.
    void denyPermission(bool deny);

    // --- observation for tests ----------------------------------------
    int acksSent() const;
    int transferCount() const;
    int badChecksumCount() const;

    // --- the transport's side (used by SimTransport) ------------------
    // A token for one open handle: handles from before an unplug stay dead.
    std::uint64_t generation() const;
    Status checkOpen(bool notification);
    void notificationOpened();
    // Ignored for a handle from before an unplug.
    void notificationClosed(std::uint64_t gen);
    Status setFeature(std::uint64_t gen, const FeatureReport& report);
    Result<FeatureReport> getFeature(std::uint64_t gen);
    Status writeBlock(std::uint64_t gen, const BlockReport& block);
    Result<BlockReport> readBlock(std::uint64_t gen);
    // Blocks of the read run in progress that the host has not taken yet:
    // a transport that pushes input reports (as a USB interrupt endpoint
    // does) sends them without being asked.
    std::size_t pendingReadBlocks() const;
    // Waits at most `timeout` (kWaitForever: no limit) for a report; returns
    // nothing at once when `woken` is set (and clears it), which
    // wakeNotificationReaders() makes every waiting read look at.
    Result<std::optional<NotificationReport>> readNotification(std::uint64_t gen,
                                                               std::chrono::milliseconds timeout,
                                                               std::atomic<bool>& woken);
    void wakeNotificationReaders();

private:
    enum class Area { None, KeyTable, EnableMap, MacroSlot, ColourMap };
    struct Run {
        Area area = Area::None;
        bool writing = false;
        std::size_t index = 0;
        std::size_t blocks = 0;
        std::size_t next = 0;
        std::array<std::uint8_t, image::kColourMapSize> buffer{};
    };
    struct Pending {
        NotificationReport report;
        std::chrono::steady_clock::time_point readyAt;
    };

    using Lock = std::unique_lock<std::mutex>;
    Status beginTransfer(const Lock& lock, std::uint64_t gen);
    void handleSet(const Lock& lock, const FeatureReport& r);
    void handleGet(const Lock& lock, const FeatureReport& r);
    void startRun(const Lock& lock, Area area, bool writing, std::size_t index);
    void mirrorWindowsKeyLock(const Lock& lock);
    std::span<std::uint8_t> areaBytes(Area area, std::size_t index);
    void acknowledge(const Lock& lock, std::uint8_t code);
    void queueNotification(const Lock& lock, const NotificationReport& report,
                           std::chrono::milliseconds delay);
    std::optional<Error> replyFault(const Lock& lock, std::size_t size, std::uint8_t* out);
    void doUnplug(const Lock& lock);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    ConfigImage state_;
    FirmwareVersion firmware_{1, 4};
    FeatureReport reply_{};
    Run run_;
    std::deque<Pending> notifications_;
    int openNotificationHandles_ = 0;

    bool plugged_ = true;
    std::uint64_t generation_ = 1;
    int unplugAfter_ = -1;
    bool dropAll_ = false;
    int dropNext_ = 0;
    std::set<std::uint8_t> dropFor_;
    std::chrono::milliseconds ackDelay_{0};
    int shortReplies_ = 0;
    int garbageReplies_ = 0;
    std::uint32_t garbageSeed_ = 0x2545F491u;
    bool denyPermission_ = false;

    int acksSent_ = 0;
    int transfers_ = 0;
    int badChecksums_ = 0;
};

} // namespace vantrel::sim
