// SPDX-License-Identifier: MIT
#pragma once

#include "core/macro/macro_event.h"
#include "core/macro/macro_table.h"
#include "core/model/key_names.h"
#include "core/util/result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

// What an edit of the event list did. Anything but Done and Truncated left
// the streams unchanged.
enum class MacroEdit {
    Done,
    Truncated,   // done, but events pushed past the 190 bytes were dropped
    NoSuchLine,  // the line index lies outside the list (or inside an event)
    LastLine,    // Insert Delay on the last line: there is no event after it
    OnDelayLine, // Insert Delay on a delay line: edit that delay instead
    NoRoom,      // a long delay does not fit before the end of the stream
};
// Done and Truncated pass; the others become InvalidArgument with a sentence
// for the user.
Status macroEditStatus(MacroEdit edit);

enum class MouseButton : std::uint8_t { Left, Right, Middle };
enum class MouseAction : std::uint8_t { Down, Up, Click };
std::uint8_t mouseButtonCode(MouseButton button);

// One line of the event list: a delay line before an event, or the event's
// own line.
struct MacroLine {
    std::size_t event = 0; // index into MacroStreams::events()
    bool delayLine = false;
};

// The two parallel event streams of one macro and every edit of them. Each
// edit changes both streams at the same offsets, keeps whole events only
// (never a cut event at the end) and leaves all bytes after the last event 0.
// Lines are counted by the same walk that builds the shown list, so a line
// index always means what the user sees.
class MacroStreams {
public:
    using Stream = std::array<std::uint8_t, macro::kStreamSize>;

    struct PlacedEvent {
        std::size_t offset = 0;
        std::size_t size = 0;
        MacroEvent event;
        bool hasDelayLine = false;
    };

    MacroStreams() {
        device_.fill(0);
        display_.fill(0);
    }
    static MacroStreams fromRecord(const MacroRecord& record);
    // Encodes the events back to back; the first event's delay becomes 1.
    // Events with key 0 or more than 190 bytes in all are refused.
    static Result<MacroStreams> fromEvents(std::span<const MacroEvent> events);
    void storeInto(MacroRecord& record) const;

    const Stream& device() const { return device_; }
    const Stream& display() const { return display_; }

    // The events from offset 0 up to the first key byte 0 (in either stream)
    // or the first event cut by the end of the 190 bytes; delays are read
    // from the device stream.
    std::vector<PlacedEvent> events() const;
    // Bytes up to the end of the last event: where recording appends.
    std::size_t usedBytes() const;
    std::vector<MacroLine> lines() const;
    std::size_t lineCount() const { return lines().size(); }
    // The offset of the event whose lines begin at this line, or usedBytes()
    // for the line just past the end; nothing for other lines.
    std::optional<std::size_t> offsetOfLine(std::size_t line) const;

    // Inserts one event before the byte offset (an event boundary or the end);
    // what is pushed past 190 bytes is lost, whole events at a time. An event
    // that itself does not fit is refused (NoRoom).
    MacroEdit insertEvent(std::size_t offset, const MacroEvent& event);
    MacroEdit insertEventAtLine(std::size_t line, const MacroEvent& event);
    // Gives the event at the offset a new delay (1 to 60000), switching
    // between the short and the long form as needed.
    MacroEdit setDelay(std::size_t offset, std::uint16_t delay);
    // The in-place delay edit: the event that begins at this line gets the
    // typed delay clamped to 2..60000; then the first event's delay is 1.
    MacroEdit setDelayAtLine(std::size_t line, std::int64_t typedDelay);
    // Delete: a delay line gives its event delay 1; an event line removes the
    // event. Then the first event's delay is 1.
    MacroEdit deleteLine(std::size_t line);
    // Insert Delay after line a: the event beginning at line a + 1 gets 50 ms.
    MacroEdit insertStandardDelay(std::size_t line);
    // A mouse action after line a (after its event when a is a delay line).
    MacroEdit insertMouseAction(std::size_t line, MouseButton button, MouseAction action);
    // The first event always carries delay 1 (a long one is shortened).
    void normaliseFirstEvent();

    friend bool operator==(const MacroStreams&, const MacroStreams&) = default;

private:
    // Zeroes every byte after the last whole event; true when something
    // non-zero was dropped.
    bool seal();
    std::optional<PlacedEvent> eventAt(std::size_t offset) const;

    Stream device_;
    Stream display_;
};

// The texts of the event list: "%d ms" for delay lines, "%s dn" / "%s up"
// with the display key's name for event lines.
std::vector<std::string> macroLineTexts(const MacroStreams& streams, const KeyNameTable& names);

} // namespace vantrel
