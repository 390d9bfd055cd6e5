// SPDX-License-Identifier: MIT
#include "hid/sim/simulated_keyboard.h"

#include "core/device/command_codes.h"
#include "core/device/feature_frame.h"
#include "core/model/key_positions.h"

#include <algorithm>

namespace vantrel::sim {

namespace {

constexpr std::size_t kBlockData = 64;
// Report bytes of a feature frame.
constexpr std::size_t kCode = 1;
constexpr std::size_t kB2 = 2;
constexpr std::size_t kB3 = 3;
constexpr std::size_t kB4 = 4;
constexpr std::size_t kB5 = 5;
constexpr std::size_t kB6 = 6;
constexpr std::size_t kB7 = 7;
constexpr std::uint8_t kSpeedBase = 10;

constexpr std::array<Rgb, image::kColourCount> kFactoryPalette{{
    {0xFF, 0x00, 0x00},
    {0xFF, 0x80, 0x00},
    {0xFF, 0xFF, 0x00},
    {0x00, 0xFF, 0x00},
    {0x00, 0xFF, 0xFF},
    {0x00, 0x00, 0xFF},
    {0x80, 0x00, 0xFF},
}};

Error disconnected() {
    return makeError(ErrorCode::Disconnected, "The keyboard was disconnected.");
}

} // namespace

SimulatedKeyboard::SimulatedKeyboard() : state_(factoryState()) {}

ConfigImage SimulatedKeyboard::factoryState() {
    ConfigImage img;
    // The factory table is in the keyboard's column-major order; the image
    // keeps it row-major. The last 8 bytes belong to no key and stay as the
    // factory table has them.
    const auto& defaults = DefaultKeyTable();
    constexpr std::size_t kKeyedBytes = image::kKeyTableRows * image::kKeyTableColumns * 4;
    for (std::size_t c = 0; c < kKeyedBytes; c += 4) {
        auto entry = img.keyTableEntry(static_cast<std::uint16_t>(c));
        std::copy_n(defaults.begin() + static_cast<std::ptrdiff_t>(c), 4, entry.begin());
    }
    std::copy(defaults.begin() + kKeyedBytes, defaults.end(), img.keyTable().begin() + kKeyedBytes);
    img.enableAllKeys();
    img.setReportRate(3);
    img.setKeyResponseTime(2);
    img.setLightEffect(1);
    img.setLightSpeed(5);
    img.setLightBrightness(50);
    img.setLightColourIndex(1);
    img.setLightDirection(1);
    img.setGameMode(0);
    for (std::size_t i = 0; i < image::kColourCount; ++i) {
        img.setKeyColour(i, kFactoryPalette[i]);
        img.setWristColour(i, kFactoryPalette[i]);
    }
    for (std::size_t m = 0; m < image::kColourMapCount; ++m) {
        for (std::size_t c = 0; c < image::kColourMapSize; c += 4) {
            img.setColourMapEntry(m, static_cast<std::uint16_t>(c), Rgb{0xFF, 0xFF, 0xFF});
        }
    }
    auto wrist = img.wristLighting();
    wrist[image::kWristCommandByte] = cmd::kSetWristLighting;
    wrist[image::kWristEffect] = 1;
    wrist[image::kWristBrightness] = 3;
    wrist[image::kWristSpeed] = 2;
    wrist[image::kWristColourChoice] = 1;
    return img;
}

ConfigImage SimulatedKeyboard::state() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void SimulatedKeyboard::setState(const ConfigImage& image) {
    std::lock_guard lock(mutex_);
    state_ = image;
}

FirmwareVersion SimulatedKeyboard::firmwareVersion() const {
    std::lock_guard lock(mutex_);
    return firmware_;
}

void SimulatedKeyboard::setFirmwareVersion(FirmwareVersion v) {
    std::lock_guard lock(mutex_);
    firmware_ = v;
}

void SimulatedKeyboard::restoreFactoryState() {
    std::lock_guard lock(mutex_);
    state_ = factoryState();
}

// --- keyboard-side events ------------------------------------------------

void SimulatedKeyboard::changeLightingOnKeyboard(std::uint8_t type, std::uint8_t value) {
    Lock lock(mutex_);
    switch (type) {
    case note::kEffect:
        if (value != note::kIgnoredEffectValue) {
            state_.setLightEffect(value);
        }
        break;
    case note::kSpeed:
        state_.setLightSpeed(static_cast<std::uint8_t>(kSpeedBase - value));
        break;
    case note::kBrightness:
        state_.setLightBrightness(value);
        break;
    case note::kDirection:
        state_.setLightDirection(value);
        break;
    case note::kWristEffect:
        state_.wristLighting()[image::kWristEffect] = value;
        break;
    default:
        break;
    }
    queueNotification(lock, {kNotificationReportId, type, value, 0}, {});
}

void SimulatedKeyboard::pressHostActionKey(std::uint8_t key) {
    Lock lock(mutex_);
    queueNotification(lock, {kNotificationReportId, note::kKeyAction, key, 0}, {});
}

void SimulatedKeyboard::sendNotification(const NotificationReport& report) {
    Lock lock(mutex_);
    queueNotification(lock, report, {});
}

// --- fault knobs ----------------------------------------------------------

void SimulatedKeyboard::dropAllAcks(bool drop) {
    std::lock_guard lock(mutex_);
    dropAll_ = drop;
}
void SimulatedKeyboard::dropNextAcks(int count) {
    std::lock_guard lock(mutex_);
    dropNext_ = count;
}
void SimulatedKeyboard::dropAcksFor(std::uint8_t commandCode) {
    std::lock_guard lock(mutex_);
    dropFor_.insert(commandCode);
}
void SimulatedKeyboard::delayAcks(std::chrono::milliseconds delay) {
    std::lock_guard lock(mutex_);
    ackDelay_ = delay;
}
void SimulatedKeyboard::unplugAfter(int transfers) {
    std::lock_guard lock(mutex_);
    unplugAfter_ = transfers;
}
void SimulatedKeyboard::unplug() {
    Lock lock(mutex_);
    doUnplug(lock);
}
void SimulatedKeyboard::replug() {
    std::lock_guard lock(mutex_);
    if (!plugged_) {
        plugged_ = true;
        ++generation_;
        unplugAfter_ = -1;
        run_ = Run{};
    }
}
bool SimulatedKeyboard::pluggedIn() const {
    std::lock_guard lock(mutex_);
    return plugged_;
}
void SimulatedKeyboard::shortReplies(int count) {
    std::lock_guard lock(mutex_);
    shortReplies_ = count;
}
void SimulatedKeyboard::garbageReplies(int count) {
    std::lock_guard lock(mutex_);
    garbageReplies_ = count;
}
void SimulatedKeyboard::denyPermission(bool deny) {
    std::lock_guard lock(mutex_);
    denyPermission_ = deny;
}
int SimulatedKeyboard::acksSent() const {
    std::lock_guard lock(mutex_);
    return acksSent_;
}
int SimulatedKeyboard::transferCount() const {
    std::lock_guard lock(mutex_);
    return transfers_;
}
int SimulatedKeyboard::badChecksumCount() const {
    std::lock_guard lock(mutex_);
    return badChecksums_;
}

void SimulatedKeyboard::doUnplug(const Lock&) {
    plugged_ = false;
    run_ = Run{};
    notifications_.clear();
    openNotificationHandles_ = 0;
    changed_.notify_all();
}

// --- transport side -------------------------------------------------------

std::uint64_t SimulatedKeyboard::generation() const {
    std::lock_guard lock(mutex_);
    return generation_;
}

Status SimulatedKeyboard::checkOpen(bool notification) {
    std::lock_guard lock(mutex_);
    if (!plugged_) {
        return makeError(ErrorCode::NoDevice, "The keyboard is not connected.");
    }
    if (denyPermission_) {
        return makeError(ErrorCode::PermissionDenied,
                         notification
                             ? "No permission to open the simulated notification interface."
                             : "No permission to open the simulated control interface.");
    }
    return Status::success();
}

void SimulatedKeyboard::notificationOpened() {
    std::lock_guard lock(mutex_);
    ++openNotificationHandles_;
}

void SimulatedKeyboard::notificationClosed(std::uint64_t gen) {
    std::lock_guard lock(mutex_);
    if (gen != generation_ || !plugged_) {
        return;
    }
    if (openNotificationHandles_ > 0) {
        --openNotificationHandles_;
    }
    if (openNotificationHandles_ == 0) {
        notifications_.clear();
    }
    changed_.notify_all();
}

Status SimulatedKeyboard::beginTransfer(const Lock& lock, std::uint64_t gen) {
    if (!plugged_ || gen != generation_) {
        return disconnected();
    }
    if (unplugAfter_ == 0) {
        doUnplug(lock);
        return disconnected();
    }
    if (unplugAfter_ > 0) {
        --unplugAfter_;
    }
    ++transfers_;
    return Status::success();
}

Status SimulatedKeyboard::setFeature(std::uint64_t gen, const FeatureReport& r) {
    Lock lock(mutex_);
    if (auto s = beginTransfer(lock, gen); !s) {
        return s;
    }
    if (r[0] != 0 || featureChecksum(r) != r[8]) {
        // The keyboard drops frames it cannot trust; the host sees no ack.
        ++badChecksums_;
        return Status::success();
    }
    run_ = Run{};
    if (r[kCode] & 0x80) {
        handleGet(lock, r);
    } else {
        handleSet(lock, r);
    }
    return Status::success();
}

void SimulatedKeyboard::handleSet(const Lock& lock, const FeatureReport& r) {
    const std::uint8_t code = r[kCode];
    switch (code) {
    case cmd::kSetReportRate:
        state_.setReportRate(r[kB2]);
        break;
    case cmd::kSetKeyResponseTime:
        state_.setKeyResponseTime(r[kB2]);
        break;
    case cmd::kSetLighting:
        if (r[kB2] != cmd::kLightingBegin && r[kB2] != cmd::kLightingEnd) {
            return;
        }
        state_.setLightEffect(r[kB3]);
        state_.setLightSpeed(static_cast<std::uint8_t>(kSpeedBase - r[kB4]));
        state_.setLightColourIndex(r[kB6]);
        state_.setLightDirection(r[kB7]);
        if (r[kB2] == cmd::kLightingEnd) {
            state_.setLightBrightness(r[kB5]);
        }
        break;
    case cmd::kSetGameMode:
        state_.setGameMode(r[kB2]);
        break;
    case cmd::kWriteKeyTable:
        startRun(lock, Area::KeyTable, true, 0);
        return; // an announcement is acknowledged after its last block
    case cmd::kWriteKeyEnableMap:
        startRun(lock, Area::EnableMap, true, 0);
        return;
    case cmd::kWriteMacroSlot:
        if (r[kB3] < image::kMacroSlotCount) {
            startRun(lock, Area::MacroSlot, true, r[kB3]);
        }
        return;
    case cmd::kWriteColourMap:
        if (r[kB3] < image::kColourMapCount) {
            startRun(lock, Area::ColourMap, true, r[kB3]);
        }
        return;
    case cmd::kResetDevice:
        if (r[kB2] != cmd::kResetParameter) {
            return;
        }
        state_ = factoryState();
        break;
    case cmd::kSetKeyColour:
        if (r[kB3] >= image::kColourCount) {
            return;
        }
        state_.setKeyColour(r[kB3], Rgb{r[kB4], r[kB5], r[kB6]});
        break;
    case cmd::kSetWristLighting:
        std::copy_n(r.begin() + 1, 7, state_.wristLighting().begin());
        break;
    case cmd::kSetWristColour:
        if (r[kB3] >= image::kColourCount) {
            return;
        }
        state_.setWristColour(r[kB3], Rgb{r[kB4], r[kB5], r[kB6]});
        break;
    default:
        return; // unknown commands are ignored without an ack
    }
    acknowledge(lock, code);
}

void SimulatedKeyboard::handleGet(const Lock& lock, const FeatureReport& r) {
    const std::uint8_t code = r[kCode];
    FeatureReport reply{};
    reply[kCode] = code;
    switch (code) {
    case cmd::kGetVersion:
        reply[kB2] = firmware_.major;
        reply[kB3] = firmware_.minor;
        break;
    case cmd::kGetReportRate:
        reply[kB2] = state_.reportRate();
        break;
    case cmd::kGetKeyResponseTime:
        reply[kB2] = state_.keyResponseTime();
        break;
    case cmd::kGetLighting:
        reply[kB3] = state_.lightEffect();
        reply[kB4] = static_cast<std::uint8_t>(kSpeedBase - state_.lightSpeed());
        reply[kB5] = state_.lightBrightness();
        reply[kB6] = state_.lightColourIndex();
        reply[kB7] = state_.lightDirection();
        break;
    case cmd::kGetGameMode:
        reply[kB2] = state_.gameMode();
        break;
    case cmd::kReadKeyTable:
        startRun(lock, Area::KeyTable, false, 0);
        break;
    case cmd::kReadKeyEnableMap:
        startRun(lock, Area::EnableMap, false, 0);
        break;
    case cmd::kReadMacroSlot:
        if (r[kB3] < image::kMacroSlotCount) {
            startRun(lock, Area::MacroSlot, false, r[kB3]);
        }
        break;
    case cmd::kReadColourMap:
        if (r[kB3] < image::kColourMapCount) {
            startRun(lock, Area::ColourMap, false, r[kB3]);
        }
        break;
    case cmd::kGetKeyColour:
    case cmd::kGetWristColour:
        if (r[kB3] < image::kColourCount) {
            const Rgb c =
                code == cmd::kGetKeyColour ? state_.keyColour(r[kB3]) : state_.wristColour(r[kB3]);
            reply[kB3] = r[kB3];
            reply[kB4] = c.red;
            reply[kB5] = c.green;
            reply[kB6] = c.blue;
        }
        break;
    case cmd::kGetWristLighting: {
        // Byte 1 echoes the command like every reply; bytes 2-7 carry the
        // stored record's bytes 1-6, so the host's copy of r1-r8 keeps them
        // in place (its byte 0 becomes 0x95 and byte 7 the checksum).
        const auto wrist = state_.wristLighting();
        std::copy_n(wrist.begin() + 1, 6, reply.begin() + kB2);
        break;
    }
    default:
        break;
    }
    reply[8] = featureChecksum(reply);
    reply_ = reply;
}

std::span<std::uint8_t> SimulatedKeyboard::areaBytes(Area area, std::size_t index) {
    switch (area) {
    case Area::KeyTable:
        return state_.keyTable();
    case Area::EnableMap:
        return state_.keyEnableMap();
    case Area::MacroSlot:
        return state_.macroSlot(index);
    case Area::ColourMap:
        return state_.colourMap(index);
    case Area::None:
        break;
    }
    return {};
}

void SimulatedKeyboard::mirrorWindowsKeyLock(const Lock&) {
    // The keyboard keeps its Windows-key lock in a bit that belongs to no key
    // (bit 0 of byte 1), which is where the host reads the lock back from;
    // the host sets the lock by clearing the left Windows key (bit 1 of
    // byte 0).
    auto map = state_.keyEnableMap();
    const bool windowsKeyEnabled = (map[0] & 0x02u) != 0;
    map[1] = static_cast<std::uint8_t>(windowsKeyEnabled ? (map[1] | 0x01u) : (map[1] & ~0x01u));
}

void SimulatedKeyboard::startRun(const Lock&, Area area, bool writing, std::size_t index) {
    run_ = Run{};
    run_.area = area;
    run_.writing = writing;
    run_.index = index;
    switch (area) {
    case Area::KeyTable:
        run_.blocks = cmd::kKeyTableBlocks;
        break;
    case Area::EnableMap:
        run_.blocks = 1;
        break;
    case Area::MacroSlot:
        run_.blocks = cmd::kMacroSlotBlocks;
        break;
    case Area::ColourMap:
        run_.blocks = cmd::kColourMapBlocks;
        break;
    case Area::None:
        break;
    }
    const auto bytes = areaBytes(area, index);
    std::copy(bytes.begin(), bytes.end(), run_.buffer.begin());
}

Result<FeatureReport> SimulatedKeyboard::getFeature(std::uint64_t gen) {
    Lock lock(mutex_);
    if (auto s = beginTransfer(lock, gen); !s) {
        return s.error();
    }
    FeatureReport out = reply_;
    if (auto fault = replyFault(lock, out.size(), out.data())) {
        return *fault;
    }
    return out;
}

Status SimulatedKeyboard::writeBlock(std::uint64_t gen, const BlockReport& block) {
    Lock lock(mutex_);
    if (auto s = beginTransfer(lock, gen); !s) {
        return s;
    }
    if (run_.area == Area::None || !run_.writing || run_.next >= run_.blocks) {
        return Status::success(); // a stray block is ignored
    }
    const auto area = areaBytes(run_.area, run_.index);
    const std::size_t start = run_.next * kBlockData;
    const std::size_t count = std::min(kBlockData, area.size() - start);
    std::copy_n(block.begin() + 1, count, run_.buffer.begin() + static_cast<std::ptrdiff_t>(start));
    if (++run_.next == run_.blocks) {
        // The keyboard stores a run once it is complete, then acknowledges.
        std::copy_n(run_.buffer.begin(), area.size(), area.begin());
        if (run_.area == Area::EnableMap) {
            mirrorWindowsKeyLock(lock);
        }
        const std::uint8_t code = run_.area == Area::KeyTable    ? cmd::kWriteKeyTable
                                  : run_.area == Area::EnableMap ? cmd::kWriteKeyEnableMap
                                  : run_.area == Area::MacroSlot ? cmd::kWriteMacroSlot
                                                                 : cmd::kWriteColourMap;
        run_ = Run{};
        acknowledge(lock, code);
    }
    return Status::success();
}

Result<BlockReport> SimulatedKeyboard::readBlock(std::uint64_t gen) {
    Lock lock(mutex_);
    if (auto s = beginTransfer(lock, gen); !s) {
        return s.error();
    }
    if (run_.area == Area::None || run_.writing || run_.next >= run_.blocks) {
        return makeError(ErrorCode::DeviceIo, "The keyboard sent no data block.");
    }
    BlockReport out{};
    const auto area = areaBytes(run_.area, run_.index);
    const std::size_t start = run_.next * kBlockData;
    const std::size_t count = std::min(kBlockData, area.size() - start);
    std::copy_n(area.begin() + static_cast<std::ptrdiff_t>(start), count, out.begin() + 1);
    if (++run_.next == run_.blocks) {
        run_ = Run{};
    }
    if (auto fault = replyFault(lock, out.size(), out.data())) {
        return *fault;
    }
    return out;
}

std::size_t SimulatedKeyboard::pendingReadBlocks() const {
    std::lock_guard lock(mutex_);
    if (!plugged_ || run_.area == Area::None || run_.writing) {
        return 0;
    }
    return run_.blocks - run_.next;
}

std::optional<Error> SimulatedKeyboard::replyFault(const Lock&, std::size_t size,
                                                   std::uint8_t* out) {
    if (shortReplies_ > 0) {
        --shortReplies_;
        return makeError(ErrorCode::DeviceIo,
                         "Short reply from the keyboard: 4 of " + std::to_string(size) + " bytes.");
    }
    if (garbageReplies_ > 0) {
        --garbageReplies_;
        for (std::size_t i = 1; i < size; ++i) {
            garbageSeed_ ^= garbageSeed_ << 13;
            garbageSeed_ ^= garbageSeed_ >> 17;
            garbageSeed_ ^= garbageSeed_ << 5;
            out[i] = static_cast<std::uint8_t>(garbageSeed_);
        }
        if (size == kFeatureReportSize) {
            // Make sure the frame never passes the checksum by accident.
            FeatureReport r{};
            std::copy_n(out, size, r.begin());
            out[8] = static_cast<std::uint8_t>(featureChecksum(r) + 1);
        }
    }
    return std::nullopt;
}

void SimulatedKeyboard::acknowledge(const Lock& lock, std::uint8_t code) {
    if (dropAll_ || dropFor_.count(code) != 0) {
        return;
    }
    if (dropNext_ > 0) {
        --dropNext_;
        return;
    }
    ++acksSent_;
    queueNotification(lock, {kNotificationReportId, note::kAcknowledge, 0, 0}, ackDelay_);
}

void SimulatedKeyboard::queueNotification(const Lock&, const NotificationReport& report,
                                          std::chrono::milliseconds delay) {
    // Like a hidraw node, reports arriving while no one has the interface
    // open are lost rather than piling up for a later reader.
    if (!plugged_ || openNotificationHandles_ == 0) {
        return;
    }
    notifications_.push_back({report, std::chrono::steady_clock::now() + delay});
    changed_.notify_all();
}

Result<std::optional<NotificationReport>>
SimulatedKeyboard::readNotification(std::uint64_t gen, std::chrono::milliseconds timeout,
                                    std::atomic<bool>& woken) {
    Lock lock(mutex_);
    const bool forever = timeout < std::chrono::milliseconds(0);
    const auto deadline =
        std::chrono::steady_clock::now() + (forever ? decltype(timeout){} : timeout);
    for (;;) {
        if (!plugged_ || gen != generation_) {
            return disconnected();
        }
        if (woken.exchange(false)) {
            return std::optional<NotificationReport>();
        }
        const auto now = std::chrono::steady_clock::now();
        if (!notifications_.empty() && notifications_.front().readyAt <= now) {
            const NotificationReport report = notifications_.front().report;
            notifications_.pop_front();
            return std::optional<NotificationReport>(report);
        }
        if (!forever && now >= deadline) {
            return std::optional<NotificationReport>();
        }
        if (!notifications_.empty()) {
            const auto ready = notifications_.front().readyAt;
            changed_.wait_until(lock, forever ? ready : std::min(deadline, ready));
        } else if (forever) {
            changed_.wait(lock);
        } else {
            changed_.wait_until(lock, deadline);
        }
    }
}

void SimulatedKeyboard::wakeNotificationReaders() {
    // Taken so that a reader between its look at the flag and its wait
    // cannot miss the wake.
    { std::lock_guard lock(mutex_); }
    changed_.notify_all();
}

} // namespace vantrel::sim
