// SPDX-License-Identifier: MIT
#pragma once

#include "core/macro/macro_list.h"
#include "core/macro/macro_recorder.h"
#include "core/macro/macro_table.h"
#include "core/util/result.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The macro manager without a screen: a working copy of the table, the
// macro list with its selection, the loop and delay options, and the event
// list of the selected macro (MacroRecorder). Nothing reaches the master
// table before confirm().
class MacroManager {
public:
    MacroManager(const KeyNameTable& names, MonotonicClock clock);

    // A fresh working copy; the first macro is selected.
    void open(const MacroTable& master);
    const MacroTable& working() const { return working_; }

    // The macro list as shown; a rename changes the line first and the
    // record with the next syncNames().
    const std::vector<std::u16string>& names() const { return names_; }
    int selected() const { return selected_; }
    // The user selected a macro (-1 for none); a recording stops.
    void select(int index);

    MacroRecorder& events() { return events_; }
    const MacroRecorder& events() const { return events_; }

    bool recordDelays() const { return recordDelays_; }
    void toggleRecordDelays() { recordDelays_ = !recordDelays_; }
    bool loopOn() const { return loopOn_; }
    // Off sets the loop count to 1 at once.
    void toggleLoop();
    const std::string& loopText() const { return loopText_; }
    // The loop-count field changed: empty or 0 reads "1"; the selected
    // macro takes the value. Returns the text the field shows.
    const std::string& setLoopText(std::string_view text);

    // New: "Macro_00N" appended and selected; false at 32 macros.
    bool newMacro();
    // Delete the selected macro; false when none is selected.
    bool deleteSelected();
    // The deletions in the order made; keys bound to those macros or to
    // later ones follow when the table is kept.
    const std::vector<MacroDeletion>& deletions() const { return deletions_; }
    // Whether `name` may name a macro (not empty, at most 254 characters).
    static Status checkName(std::u16string_view name);
    // The list's editor renamed line `index`; refused names change nothing.
    Status rename(int index, std::u16string_view name);
    // The lines' names into their records (the dialog's 100 ms timer).
    void syncNames();

    // The Record button; false when no macro is selected.
    bool toggleRecording();
    // Record Before / After on the selected event line.
    bool recordBefore();
    bool recordAfter();
    // Ends a recording with the events it held at `before`: the keys that
    // asked it to stop are no part of the macro.
    void stopRecordingAt(const MacroStreams& before);
    // A key event from the hook; the working record follows the streams.
    void keyEvent(std::uint8_t virtualKey, bool release);
    // The hook could not be put in place, or an in-place edit began:
    // nothing listens any more.
    void stopListening() { events_.stopListening(); }
    bool listening() const { return events_.listening(); }

    // The event list's commands; they store the result in the record.
    MacroEdit insertMouse(MouseButton button, MouseAction action);
    MacroEdit insertDelay();
    MacroEdit deleteLine();
    MacroEdit commitDelay(int line, std::int64_t typed);

    // OK: the pending rename and loop count stored, the working table as
    // it is now.
    const MacroTable& confirm();

private:
    // The selected record from the list line, the options and the streams.
    void refreshRecord();
    MacroEdit stored(MacroEdit result);
    std::uint16_t loopValue() const;

    MacroRecorder events_;
    MacroTable working_;
    std::vector<std::u16string> names_;
    std::vector<MacroDeletion> deletions_;
    int selected_ = -1;
    bool recordDelays_ = false;
    bool loopOn_ = false;
    std::string loopText_ = "1";
};

} // namespace vantrel
