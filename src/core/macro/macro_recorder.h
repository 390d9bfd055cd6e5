// SPDX-License-Identifier: MIT
#pragma once

#include "core/macro/macro_streams.h"
#include "core/model/key_names.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantrel {

// Where recording reads the time. Monotonic, so a clock change during a
// recording never gives a negative or huge delay; tests pass their own.
using MonotonicClock = std::function<std::chrono::steady_clock::time_point()>;
MonotonicClock steadyClock();

namespace macro {
// Presses are refused from this write offset on, releases from the next
// one: a release always finds room after the press it ends.
inline constexpr std::size_t kLastPressOffset = 184;
inline constexpr std::size_t kLastReleaseOffset = 188;
} // namespace macro

// The event list of the macro being edited and its recording, without a
// screen: key events in, lines out. Lines are always made from the streams,
// so what the list shows and what a line index means never part.
//
// Live recording appends every press and release with the delay measured
// since the one before; auto-repeated presses and repeats of the same line
// are dropped. The insert-record mode (Record Before / After) inserts one
// keystroke at a line without delays and ends with its release.
class MacroRecorder {
public:
    MacroRecorder(const KeyNameTable& names, MonotonicClock clock);

    // Shows a macro's events; recording stops.
    void show(const MacroStreams& streams);
    const MacroStreams& streams() const { return streams_; }
    const std::vector<std::string>& lines() const { return lines_; }
    // The selected line of the event list, -1 for none.
    int selectedLine() const { return selected_; }
    void select(int line);

    bool recording() const { return recording_; }
    bool insertRecording() const { return insert_; }
    int insertionLine() const { return insertLine_; }
    // Whether key events are wanted: the hook belongs in place exactly then.
    bool listening() const { return recording_ || insert_; }

    // Record pressed: the event list starts empty. Clears the insert-record
    // mode, so the keys go to the end of the new recording.
    void startRecording();
    // Recording and the insert-record mode end.
    void stopListening();
    // Record Before / Record After the selected line; false when no line is
    // selected.
    bool recordBefore();
    bool recordAfter();

    // A press or release from the hook. Keys the keyboard has no code for
    // are not recorded: the macro would end at them. True when the event
    // list changed.
    bool keyEvent(std::uint8_t virtualKey, bool release, bool recordDelays);

    // The editing commands on the selected line. Each clears the
    // insert-record mode.
    MacroEdit insertMouse(MouseButton button, MouseAction action);
    MacroEdit insertDelay();
    MacroEdit deleteSelectedLine();
    // The in-place delay edit of `line` committed with `typed` (clamped to
    // 2..60000).
    MacroEdit commitDelay(int line, std::int64_t typed);

private:
    bool liveEvent(std::uint8_t vk, bool release, bool recordDelays);
    bool insertedEvent(std::uint8_t vk, bool release);
    // Milliseconds since the time base, which moves to now.
    std::int64_t measure();
    MacroEdit edited(MacroEdit result);
    void relist();
    bool isDelayLine(int line) const;

    const KeyNameTable& names_;
    MonotonicClock clock_;
    MacroStreams streams_;
    std::vector<std::string> lines_;
    int selected_ = -1;
    bool recording_ = false;
    bool insert_ = false;
    int insertLine_ = 0;
    std::string lastText_; // the last recorded line, to drop repeats
    std::chrono::steady_clock::time_point base_{};
};

} // namespace vantrel
