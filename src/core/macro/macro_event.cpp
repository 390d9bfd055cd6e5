// SPDX-License-Identifier: MIT
#include "core/macro/macro_event.h"

#include <algorithm>

namespace vantrel {

std::uint16_t clampRecordedDelay(std::int64_t ms) {
    return static_cast<std::uint16_t>(
        std::clamp<std::int64_t>(ms, macro::kNoDelay, macro::kMaxDelay));
}

std::uint16_t clampTypedDelay(std::int64_t ms) {
    return static_cast<std::uint16_t>(
        std::clamp<std::int64_t>(ms, macro::kMinTypedDelay, macro::kMaxDelay));
}

std::size_t encodeMacroEvent(const MacroEvent& event, bool displayStream,
                             std::span<std::uint8_t, macro::kLongEventSize> out) {
    const std::uint16_t delay = clampRecordedDelay(event.delay);
    const std::uint8_t press = event.release ? macro::kReleaseBit : 0;
    out[macro::kEventKey] = displayStream ? event.displayKey : event.deviceKey;
    if (delay < macro::kLongDelayEscape) {
        out[0] = static_cast<std::uint8_t>(press | delay);
        return macro::kShortEventSize;
    }
    out[0] = static_cast<std::uint8_t>(press | macro::kLongDelayEscape);
    out[macro::kEventDelayHigh] = static_cast<std::uint8_t>(delay >> 8);
    out[macro::kEventDelayLow] = static_cast<std::uint8_t>(delay & 0xFF);
    return macro::kLongEventSize;
}

std::optional<EncodedEvent>
decodeMacroEvent(std::span<const std::uint8_t, macro::kStreamSize> stream, std::size_t offset) {
    if (offset + macro::kShortEventSize > stream.size() || stream[offset + macro::kEventKey] == 0) {
        return std::nullopt;
    }
    EncodedEvent e;
    e.release = (stream[offset] & macro::kReleaseBit) != 0;
    e.key = stream[offset + macro::kEventKey];
    const std::uint8_t d = stream[offset] & macro::kDelayMask;
    if (d != macro::kLongDelayEscape) {
        e.delay = d;
        e.size = macro::kShortEventSize;
        return e;
    }
    if (offset + macro::kLongEventSize > stream.size()) {
        return std::nullopt;
    }
    e.delay = static_cast<std::uint16_t>((stream[offset + macro::kEventDelayHigh] << 8) |
                                         stream[offset + macro::kEventDelayLow]);
    e.size = macro::kLongEventSize;
    return e;
}

} // namespace vantrel
