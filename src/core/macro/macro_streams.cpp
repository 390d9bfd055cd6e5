// SPDX-License-Identifier: MIT
#include "core/macro/macro_streams.h"

#include <algorithm>

namespace vantrel {
namespace {

using Stream = MacroStreams::Stream;

// Moves the bytes from `from` on to `to`, within the stream; bytes moved past
// the end are lost and a gap opened at the end is zero.
void shiftTail(Stream& s, std::size_t from, std::size_t to) {
    Stream out = s;
    const std::size_t n = s.size();
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(std::min(from, to)), out.end(), 0);
    for (std::size_t i = from; i < n; ++i) {
        const std::size_t j = i - from + to;
        if (j < n) {
            out[j] = s[i];
        }
    }
    s = out;
}

void setDelayBits(Stream& s, std::size_t offset, std::uint8_t bits) {
    s[offset] = static_cast<std::uint8_t>((s[offset] & macro::kReleaseBit) | bits);
}

} // namespace

Status macroEditStatus(MacroEdit edit) {
    switch (edit) {
    case MacroEdit::Done:
    case MacroEdit::Truncated:
        return {};
    case MacroEdit::NoSuchLine:
        return makeError(ErrorCode::InvalidArgument, "there is no such line in the event list");
    case MacroEdit::LastLine:
        return makeError(ErrorCode::InvalidArgument,
                         "no event follows the last line; a delay goes before an event");
    case MacroEdit::OnDelayLine:
        return makeError(ErrorCode::InvalidArgument,
                         "the line is a delay already; change its value instead");
    case MacroEdit::NoRoom:
        return makeError(ErrorCode::InvalidArgument,
                         "the macro is full: at most 190 bytes of events fit");
    }
    return {};
}

std::uint8_t mouseButtonCode(MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return macro::kMouseLeft;
    case MouseButton::Right:
        return macro::kMouseRight;
    case MouseButton::Middle:
        return macro::kMouseMiddle;
    }
    return macro::kMouseLeft;
}

MacroStreams MacroStreams::fromRecord(const MacroRecord& record) {
    MacroStreams s;
    std::copy(record.deviceEvents().begin(), record.deviceEvents().end(), s.device_.begin());
    std::copy(record.displayEvents().begin(), record.displayEvents().end(), s.display_.begin());
    return s;
}

Result<MacroStreams> MacroStreams::fromEvents(std::span<const MacroEvent> events) {
    MacroStreams s;
    std::size_t offset = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
        MacroEvent e = events[i];
        if (e.deviceKey == 0 || e.displayKey == 0) {
            return makeError(ErrorCode::InvalidArgument,
                             "event " + std::to_string(i + 1) + " has no key code");
        }
        if (i == 0) {
            e.delay = macro::kNoDelay;
        }
        if (offset + e.encodedSize() > macro::kStreamSize) {
            std::size_t total = offset;
            for (std::size_t k = i; k < events.size(); ++k) {
                total += events[k].encodedSize();
            }
            return makeError(ErrorCode::InvalidArgument, "the events take " +
                                                             std::to_string(total) +
                                                             " bytes; a macro holds at most 190");
        }
        std::array<std::uint8_t, macro::kLongEventSize> dev{}, disp{};
        const std::size_t n = encodeMacroEvent(e, false, dev);
        encodeMacroEvent(e, true, disp);
        std::copy_n(dev.begin(), n, s.device_.begin() + static_cast<std::ptrdiff_t>(offset));
        std::copy_n(disp.begin(), n, s.display_.begin() + static_cast<std::ptrdiff_t>(offset));
        offset += n;
    }
    return s;
}

void MacroStreams::storeInto(MacroRecord& record) const {
    std::copy(device_.begin(), device_.end(), record.deviceEvents().begin());
    std::copy(display_.begin(), display_.end(), record.displayEvents().begin());
}

std::vector<MacroStreams::PlacedEvent> MacroStreams::events() const {
    std::vector<PlacedEvent> out;
    std::size_t offset = 0;
    while (auto dev = decodeMacroEvent(device_, offset)) {
        const auto disp = decodeMacroEvent(display_, offset);
        if (!disp) {
            break;
        }
        PlacedEvent p;
        p.offset = offset;
        p.size = dev->size;
        p.event.release = dev->release;
        p.event.deviceKey = dev->key;
        p.event.displayKey = disp->key;
        p.event.delay = dev->delay;
        // The first event of a macro never shows its delay unless it is a
        // release; the walk of line indexes follows the same rule.
        p.hasDelayLine = dev->delay != macro::kNoDelay && (dev->release || !out.empty());
        out.push_back(p);
        offset += dev->size;
    }
    return out;
}

std::size_t MacroStreams::usedBytes() const {
    const auto evs = events();
    return evs.empty() ? 0 : evs.back().offset + evs.back().size;
}

std::vector<MacroLine> MacroStreams::lines() const {
    std::vector<MacroLine> out;
    const auto evs = events();
    for (std::size_t i = 0; i < evs.size(); ++i) {
        if (evs[i].hasDelayLine) {
            out.push_back({i, true});
        }
        out.push_back({i, false});
    }
    return out;
}

std::optional<std::size_t> MacroStreams::offsetOfLine(std::size_t line) const {
    const auto evs = events();
    std::size_t at = 0;
    for (const auto& e : evs) {
        if (at == line) {
            return e.offset;
        }
        at += e.hasDelayLine ? 2 : 1;
        if (at > line) {
            return std::nullopt; // the event line of a delayed event
        }
    }
    if (at == line) {
        return evs.empty() ? 0 : evs.back().offset + evs.back().size;
    }
    return std::nullopt;
}

std::optional<MacroStreams::PlacedEvent> MacroStreams::eventAt(std::size_t offset) const {
    for (const auto& e : events()) {
        if (e.offset == offset) {
            return e;
        }
    }
    return std::nullopt;
}

bool MacroStreams::seal() {
    const std::size_t used = usedBytes();
    bool dropped = false;
    for (std::size_t i = used; i < macro::kStreamSize; ++i) {
        dropped = dropped || device_[i] != 0 || display_[i] != 0;
        device_[i] = 0;
        display_[i] = 0;
    }
    return dropped;
}

MacroEdit MacroStreams::insertEvent(std::size_t offset, const MacroEvent& event) {
    if (event.deviceKey == 0 || event.displayKey == 0) {
        return MacroEdit::NoSuchLine;
    }
    const std::size_t used = usedBytes();
    if (offset != used && !eventAt(offset)) {
        return MacroEdit::NoSuchLine;
    }
    std::array<std::uint8_t, macro::kLongEventSize> dev{}, disp{};
    const std::size_t n = encodeMacroEvent(event, false, dev);
    encodeMacroEvent(event, true, disp);
    if (offset + n > macro::kStreamSize) {
        return MacroEdit::NoRoom;
    }
    seal();
    shiftTail(device_, offset, offset + n);
    shiftTail(display_, offset, offset + n);
    std::copy_n(dev.begin(), n, device_.begin() + static_cast<std::ptrdiff_t>(offset));
    std::copy_n(disp.begin(), n, display_.begin() + static_cast<std::ptrdiff_t>(offset));
    const bool lost = used + n > macro::kStreamSize;
    seal();
    normaliseFirstEvent();
    return lost ? MacroEdit::Truncated : MacroEdit::Done;
}

MacroEdit MacroStreams::insertEventAtLine(std::size_t line, const MacroEvent& event) {
    const auto offset = offsetOfLine(line);
    if (!offset) {
        return MacroEdit::NoSuchLine;
    }
    return insertEvent(*offset, event);
}

MacroEdit MacroStreams::setDelay(std::size_t offset, std::uint16_t delay) {
    const auto e = eventAt(offset);
    if (!e) {
        return MacroEdit::NoSuchLine;
    }
    delay = clampRecordedDelay(delay);
    const bool wasLong = e->size == macro::kLongEventSize;
    const bool toLong = delay >= macro::kLongDelayEscape;
    if (!wasLong && toLong && offset + macro::kLongEventSize > macro::kStreamSize) {
        return MacroEdit::NoRoom;
    }
    const std::size_t used = usedBytes();
    seal();
    bool lost = false;
    for (Stream* s : {&device_, &display_}) {
        if (toLong) {
            if (!wasLong) {
                shiftTail(*s, offset + macro::kShortEventSize, offset + macro::kLongEventSize);
            }
            setDelayBits(*s, offset, macro::kLongDelayEscape);
            (*s)[offset + macro::kEventDelayHigh] = static_cast<std::uint8_t>(delay >> 8);
            (*s)[offset + macro::kEventDelayLow] = static_cast<std::uint8_t>(delay & 0xFF);
        } else {
            if (wasLong) {
                shiftTail(*s, offset + macro::kLongEventSize, offset + macro::kShortEventSize);
            }
            setDelayBits(*s, offset, static_cast<std::uint8_t>(delay));
        }
    }
    if (!wasLong && toLong) {
        lost = used + 2 > macro::kStreamSize;
    }
    seal();
    return lost ? MacroEdit::Truncated : MacroEdit::Done;
}

void MacroStreams::normaliseFirstEvent() {
    if (usedBytes() > 0 && (device_[0] & macro::kDelayMask) != macro::kNoDelay) {
        setDelay(0, macro::kNoDelay);
    }
    if (usedBytes() > 0 && (display_[0] & macro::kDelayMask) != macro::kNoDelay) {
        setDelayBits(display_, 0, macro::kNoDelay);
    }
}

MacroEdit MacroStreams::setDelayAtLine(std::size_t line, std::int64_t typedDelay) {
    const auto ls = lines();
    if (line >= ls.size()) {
        return MacroEdit::NoSuchLine;
    }
    const auto offset = events()[ls[line].event].offset;
    const MacroEdit r = setDelay(offset, clampTypedDelay(typedDelay));
    normaliseFirstEvent();
    return r;
}

MacroEdit MacroStreams::deleteLine(std::size_t line) {
    const auto ls = lines();
    if (line >= ls.size()) {
        return MacroEdit::NoSuchLine;
    }
    const auto e = events()[ls[line].event];
    if (ls[line].delayLine) {
        setDelay(e.offset, macro::kNoDelay);
    } else {
        seal();
        shiftTail(device_, e.offset + e.size, e.offset);
        shiftTail(display_, e.offset + e.size, e.offset);
    }
    normaliseFirstEvent();
    return MacroEdit::Done;
}

MacroEdit MacroStreams::insertStandardDelay(std::size_t line) {
    const auto ls = lines();
    if (line >= ls.size()) {
        return MacroEdit::NoSuchLine;
    }
    if (line + 1 == ls.size()) {
        return MacroEdit::LastLine;
    }
    if (ls[line].delayLine) {
        return MacroEdit::OnDelayLine;
    }
    const auto offset = offsetOfLine(line + 1);
    if (!offset) {
        return MacroEdit::NoSuchLine;
    }
    const MacroEdit r = setDelay(*offset, macro::kStandardDelay);
    normaliseFirstEvent();
    return r;
}

MacroEdit MacroStreams::insertMouseAction(std::size_t line, MouseButton button,
                                          MouseAction action) {
    const auto ls = lines();
    if (line >= ls.size()) {
        return MacroEdit::NoSuchLine;
    }
    // A delay line stays with its event: insert after that event.
    const std::size_t at = line + (ls[line].delayLine ? 2 : 1);
    const auto offset = offsetOfLine(at);
    if (!offset) {
        return MacroEdit::NoSuchLine;
    }
    const std::uint8_t code = mouseButtonCode(button);
    const MacroEvent press{false, code, code, macro::kNoDelay};
    const MacroEvent release{true, code, code, macro::kNoDelay};
    switch (action) {
    case MouseAction::Down:
        return insertEvent(*offset, press);
    case MouseAction::Up:
        return insertEvent(*offset, release);
    case MouseAction::Click: {
        // Both halves or neither: a lone press would hold the button down.
        if (*offset + 2 * macro::kShortEventSize > macro::kStreamSize) {
            return MacroEdit::NoRoom;
        }
        const MacroEdit a = insertEvent(*offset, press);
        const MacroEdit b = insertEvent(*offset + macro::kShortEventSize, release);
        return (a == MacroEdit::Truncated || b == MacroEdit::Truncated) ? MacroEdit::Truncated
                                                                        : MacroEdit::Done;
    }
    }
    return MacroEdit::NoSuchLine;
}

std::vector<std::string> macroLineTexts(const MacroStreams& streams, const KeyNameTable& names) {
    std::vector<std::string> out;
    for (const auto& e : streams.events()) {
        if (e.hasDelayLine) {
            out.push_back(std::to_string(e.event.delay) + " ms");
        }
        out.push_back(names.name(e.event.displayKey) + (e.event.release ? " up" : " dn"));
    }
    return out;
}

} // namespace vantrel
