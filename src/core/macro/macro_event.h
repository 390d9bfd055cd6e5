// SPDX-License-Identifier: MIT
#pragma once

#include "core/macro/macro_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vantrel {

namespace macro {
// Byte 0 of an event: bit 7 set for a release, bits 0-6 the delay before it.
inline constexpr std::uint8_t kReleaseBit = 0x80;
inline constexpr std::uint8_t kDelayMask = 0x7F;
// Bits 0-6 at this value say the delay follows as a big-endian 16-bit value.
inline constexpr std::uint8_t kLongDelayEscape = 127;
inline constexpr std::size_t kShortEventSize = 2;
inline constexpr std::size_t kLongEventSize = 4;
inline constexpr std::size_t kEventKey = 1;
inline constexpr std::size_t kEventDelayHigh = 2;
inline constexpr std::size_t kEventDelayLow = 3;
// A delay of 1 ms means "no delay": the event gets no delay line.
inline constexpr std::uint16_t kNoDelay = 1;
inline constexpr std::uint16_t kMaxDelay = 60000;
inline constexpr std::uint16_t kMinTypedDelay = 2;
inline constexpr std::uint16_t kStandardDelay = 50; // "Insert Delay"
inline constexpr std::uint8_t kMouseLeft = 0xF0;
inline constexpr std::uint8_t kMouseRight = 0xF1;
inline constexpr std::uint8_t kMouseMiddle = 0xF2;
} // namespace macro

// One key or mouse-button action with the delay that precedes it. The two
// key bytes go to the two parallel streams: the device code to the one the
// keyboard plays, the virtual-key code to the one that names the key.
struct MacroEvent {
    bool release = false;
    std::uint8_t deviceKey = 0;
    std::uint8_t displayKey = 0;
    std::uint16_t delay = macro::kNoDelay;

    // 127 ms and more need the long form.
    std::size_t encodedSize() const {
        return delay >= macro::kLongDelayEscape ? macro::kLongEventSize : macro::kShortEventSize;
    }
    friend bool operator==(const MacroEvent&, const MacroEvent&) = default;
};

// A measured delay as stored: 0 ms becomes 1 ("no delay"), so that a key
// action that follows at once shows no delay line and counts as one line of
// the event list; more than 60 s becomes 60000.
std::uint16_t clampRecordedDelay(std::int64_t ms);
// A delay typed by the user: 2 to 60000.
std::uint16_t clampTypedDelay(std::int64_t ms);

// Writes the event's bytes for one stream (device or display key) into out
// and returns how many were written (2 or 4). Delays above 60000 are written
// as 60000; a delay of 0 is written as 1.
std::size_t encodeMacroEvent(const MacroEvent& event, bool displayStream,
                             std::span<std::uint8_t, macro::kLongEventSize> out);

// The delay and size of the event that starts at offset, or nothing when no
// complete event starts there (end of stream, or an event cut by the end of
// the 190 bytes).
struct EncodedEvent {
    bool release = false;
    std::uint8_t key = 0;
    std::uint16_t delay = 0;
    std::size_t size = 0;
};
std::optional<EncodedEvent>
decodeMacroEvent(std::span<const std::uint8_t, macro::kStreamSize> stream, std::size_t offset);

} // namespace vantrel
