// SPDX-License-Identifier: MIT
#pragma once

#include "core/device/hid_transport.h"
#include "core/device/pacer.h"
#include "core/model/config_image.h"
#include "core/model/firmware_version.h"
#include "core/util/result.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vantrel {

// What a read of the keyboard produced: a copy of the image whose device
// fields hold the keyboard's values (reserved bytes as they were given).
struct DeviceSnapshot {
    ConfigImage image;
    FirmwareVersion firmware;
    FirmwareVersionReply versionReply{};
};

// Which keyboard a connection talks to, as `vantrelctl info` shows it.
struct DeviceIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string controlInterface;
    std::string notificationInterface;
};

// The image after a write-all: the Windows-key bit applied, byte 0 of the
// wrist-rest record set by its command. The owner makes it its image and
// its synced copy.
struct ApplyOutcome {
    ConfigImage image;
    bool sentChanges = false; // false when only the wrist-rest record went out
};

// Events from the connection to the owner of the model. They arrive on the
// connection's own threads; the owner hands them to its own thread and must
// never block in them.
class ConnectionObserver {
public:
    virtual ~ConnectionObserver() = default;
    // A full read-back finished (at start, and after the keyboard returned).
    virtual void readBackDone(const Result<DeviceSnapshot>& snapshot) = 0;
    // The keyboard changed its lighting with its own keys (types 5, 6, 7, 8,
    // 11; an effect value of 0x32 is never reported).
    virtual void deviceLighting(std::uint8_t type, std::uint8_t value) = 0;
    // A key assigned to a launch action was pressed.
    virtual void keyAction(std::uint8_t key) = 0;
    // The keyboard was found, lost, or came back.
    virtual void connectionChanged(bool connected) = 0;
};

struct ConnectionOptions {
    // How long one step of the write-all waits for the keyboard's
    // acknowledgement before giving up.
    std::chrono::milliseconds ackTimeout{2000};
    // After an arrival the keyboard's nodes may take a moment to become
    // openable (udev applies permissions after the node appears): opening
    // is retried every `reopenInterval` for at most `reopenWindow`.
    std::chrono::milliseconds reopenInterval{100};
    std::chrono::milliseconds reopenWindow{1500};
    // A keyboard gets this long after it appeared to settle: a re-read that
    // fails meanwhile is tried again every `arrivalRetryInterval` before
    // the failure is reported.
    std::chrono::milliseconds arrivalSettle{2000};
    std::chrono::milliseconds arrivalRetryInterval{200};
};

// The keyboard's two interfaces, the device worker that runs sequences one
// after another, and the notification listener. Sequences work on copies
// and report through their callbacks, on the worker thread.
//
// What the owner does with the results (core/device/model_updates.h):
//   readBackDone     -> applyReadBackToModel, recompute marks, save keymap.bin
//   apply done       -> image = synced = outcome.image, sync assignments,
//                       save keymap.bin; on error leave the synced copies
//   factoryReset done-> applyFactoryResetToModel, save keymap.bin
//   deviceLighting   -> applyDeviceLighting (both image copies)
//   keyAction        -> platform::launchKeyAction (platform/launcher.h)
//
// Ending the connection stops the listener and the worker: sequences still
// queued are dropped without a callback; the one in progress stops at its
// next transfer and calls back with Cancelled from inside the destructor.
class DeviceConnection {
public:
    DeviceConnection(HidTransport& transport, Pacer& pacer, ConnectionObserver& observer,
                     ConnectionOptions options = {});
    ~DeviceConnection();
    DeviceConnection(const DeviceConnection&) = delete;
    DeviceConnection& operator=(const DeviceConnection&) = delete;

    // Finds and opens both interfaces, starts the listener and queues the
    // start-up read-back (reported through readBackDone). NoDevice /
    // PermissionDenied when it cannot; a later deviceArrived connects then.
    Status start();
    bool connected() const;
    std::uint16_t vendorId() const;
    std::uint16_t productId() const;
    std::string controlMatchName() const;
    std::string notificationMatchName() const;
    DeviceIdentity identity() const {
        return {vendorId(), productId(), controlMatchName(), notificationMatchName()};
    }

    // Queued sequences. `image` and `synced` are the owner's copies.
    void apply(const ConfigImage& image, const ConfigImage& synced,
               std::function<void(Result<ApplyOutcome>)> done);
    void factoryReset(std::function<void(Result<DeviceSnapshot>)> done);
    void readBack(std::function<void(Result<DeviceSnapshot>)> done);
    // The shorter re-read (no version; the snapshot carries the last known
    // one). Neither it nor the others touch the owner's synced copy.
    void reRead(std::function<void(Result<DeviceSnapshot>)> done);

    // Hot-plug: a device came or went. Safe to call for any device: a
    // removal that leaves the keyboard's control interface listed changes
    // nothing, an arrival while the keyboard is connected changes nothing.
    // The arrival's reconnection and read-back run on the worker; the
    // removal takes effect at once (a sequence in progress ends with
    // Disconnected).
    void deviceArrived();
    void deviceRemoved();

    // Blocks until every queued sequence has finished (returns at once when
    // called from a callback on the worker).
    void waitIdle();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vantrel
