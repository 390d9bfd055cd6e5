// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vantrel {

namespace macro {
inline constexpr std::size_t kRecordSize = 894;
inline constexpr std::size_t kRecordCount = 190;
inline constexpr std::size_t kTableSize = kRecordSize * kRecordCount;
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kNameUnits = 255; // UTF-16LE units including the terminator
inline constexpr std::size_t kMaxNameLength = kNameUnits - 1;
inline constexpr std::size_t kLoopCount = 510; // little-endian in the record
inline constexpr std::size_t kFlags = 512;     // bit 0: delays were recorded
inline constexpr std::size_t kDeviceEvents = 513;
inline constexpr std::size_t kDisplayEvents = 703;
inline constexpr std::size_t kStreamSize = 190;
inline constexpr std::size_t kReserved = 893;
inline constexpr std::size_t kMaxMacros = 32; // slots on the keyboard
static_assert(kName + 2 * kNameUnits == kLoopCount);
static_assert(kDeviceEvents + kStreamSize == kDisplayEvents);
static_assert(kDisplayEvents + kStreamSize == kReserved);
static_assert(kReserved + 1 == kRecordSize);
static_assert(kTableSize == 169860);
} // namespace macro

// One macro definition in the layout of MacroDefine.bin.
class MacroRecord {
public:
    MacroRecord() { bytes_.fill(0); }

    std::span<std::uint8_t, macro::kRecordSize> bytes() { return bytes_; }
    std::span<const std::uint8_t, macro::kRecordSize> bytes() const { return bytes_; }

    // A record is in use when its name is not empty.
    bool used() const { return bytes_[0] != 0 || bytes_[1] != 0; }
    std::u16string name() const;
    // Names longer than 254 units are refused; they would spill into the
    // loop count and the streams.
    Status setName(std::u16string_view name);

    std::uint16_t loopCount() const {
        return static_cast<std::uint16_t>(bytes_[macro::kLoopCount] |
                                          (bytes_[macro::kLoopCount + 1] << 8));
    }
    void setLoopCount(std::uint16_t n) {
        bytes_[macro::kLoopCount] = static_cast<std::uint8_t>(n & 0xFF);
        bytes_[macro::kLoopCount + 1] = static_cast<std::uint8_t>(n >> 8);
    }
    bool recordDelays() const { return (bytes_[macro::kFlags] & 1u) != 0; }
    void setRecordDelays(bool on) { bytes_[macro::kFlags] = on ? 1 : 0; }

    std::span<std::uint8_t, macro::kStreamSize> deviceEvents() {
        return std::span<std::uint8_t, macro::kStreamSize>(bytes_.data() + macro::kDeviceEvents,
                                                           macro::kStreamSize);
    }
    std::span<const std::uint8_t, macro::kStreamSize> deviceEvents() const {
        return std::span<const std::uint8_t, macro::kStreamSize>(
            bytes_.data() + macro::kDeviceEvents, macro::kStreamSize);
    }
    std::span<std::uint8_t, macro::kStreamSize> displayEvents() {
        return std::span<std::uint8_t, macro::kStreamSize>(bytes_.data() + macro::kDisplayEvents,
                                                           macro::kStreamSize);
    }
    std::span<const std::uint8_t, macro::kStreamSize> displayEvents() const {
        return std::span<const std::uint8_t, macro::kStreamSize>(
            bytes_.data() + macro::kDisplayEvents, macro::kStreamSize);
    }

    friend bool operator==(const MacroRecord&, const MacroRecord&) = default;

private:
    std::array<std::uint8_t, macro::kRecordSize> bytes_;
};
static_assert(sizeof(MacroRecord) == macro::kRecordSize);

// The user's macro definitions: 190 records, used ones first.
class MacroTable {
public:
    static constexpr std::size_t kCount = macro::kRecordCount;
    static constexpr std::size_t kBytes = macro::kTableSize;

    MacroRecord& operator[](std::size_t i) { return records_.at(i); }
    const MacroRecord& operator[](std::size_t i) const { return records_.at(i); }

    std::span<std::uint8_t, kBytes> bytes() {
        return std::span<std::uint8_t, kBytes>(records_.front().bytes().data(), kBytes);
    }
    std::span<const std::uint8_t, kBytes> bytes() const {
        return std::span<const std::uint8_t, kBytes>(records_.front().bytes().data(), kBytes);
    }

    void clear();

    friend bool operator==(const MacroTable&, const MacroTable&) = default;

private:
    std::array<MacroRecord, kCount> records_{};
};
static_assert(sizeof(MacroTable) == MacroTable::kBytes);

} // namespace vantrel
