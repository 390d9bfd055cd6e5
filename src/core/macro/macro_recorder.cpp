// SPDX-License-Identifier: MIT
#include "core/macro/macro_recorder.h"

#include <algorithm>

namespace vantrel {

MonotonicClock steadyClock() {
    return [] { return std::chrono::steady_clock::now(); };
}

MacroRecorder::MacroRecorder(const KeyNameTable& names, MonotonicClock clock)
    : names_(names), clock_(std::move(clock)) {}

void MacroRecorder::show(const MacroStreams& streams) {
    streams_ = streams;
    selected_ = -1;
    relist();
}

void MacroRecorder::select(int line) {
    selected_ = line >= 0 && line < static_cast<int>(lines_.size()) ? line : -1;
}

void MacroRecorder::relist() {
    lines_ = macroLineTexts(streams_, names_);
    if (selected_ >= static_cast<int>(lines_.size())) {
        selected_ = static_cast<int>(lines_.size()) - 1;
    }
}

bool MacroRecorder::isDelayLine(int line) const {
    const auto ls = streams_.lines();
    return line >= 0 && line < static_cast<int>(ls.size()) &&
           ls[static_cast<std::size_t>(line)].delayLine;
}

void MacroRecorder::startRecording() {
    recording_ = true;
    insert_ = false;
    streams_ = MacroStreams{};
    lastText_.clear();
    base_ = clock_();
    selected_ = -1;
    relist();
}

void MacroRecorder::stopListening() {
    recording_ = false;
    insert_ = false;
}

bool MacroRecorder::recordBefore() {
    const int s = selected_;
    if (s < 0) {
        return false;
    }
    // A delay stays with its event: start before the delay line.
    insertLine_ = s == 0 || isDelayLine(s) ? s : (isDelayLine(s - 1) ? s - 1 : s);
    insert_ = true;
    lastText_.clear();
    return true;
}

bool MacroRecorder::recordAfter() {
    const int s = selected_;
    if (s < 0) {
        return false;
    }
    const int last = static_cast<int>(lines_.size()) - 1;
    insertLine_ = s == last ? s + 1 : s + (isDelayLine(s) ? 2 : 1);
    insert_ = true;
    lastText_.clear();
    return true;
}

std::int64_t MacroRecorder::measure() {
    const auto now = clock_();
    const std::int64_t ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now - base_).count();
    base_ = now;
    return std::max<std::int64_t>(ms, 0);
}

bool MacroRecorder::keyEvent(std::uint8_t virtualKey, bool release, bool recordDelays) {
    if (!listening() || virtualKey == 0 || names_.usage(virtualKey) == 0) {
        return false;
    }
    return insert_ ? insertedEvent(virtualKey, release)
                   : liveEvent(virtualKey, release, recordDelays);
}

bool MacroRecorder::liveEvent(std::uint8_t vk, bool release, bool recordDelays) {
    const std::string text = names_.name(vk) + (release ? " up" : " dn");
    const bool first = lines_.empty();
    const std::size_t at = streams_.usedBytes();
    std::int64_t ms = 0;
    if (release) {
        ms = measure();
        if (text == lastText_ || at >= macro::kLastReleaseOffset) {
            return false;
        }
    } else {
        if (first) {
            base_ = clock_();
        } else if (text != lastText_) {
            ms = measure(); // an auto-repeat is not timed
        }
        if (text == lastText_ || at >= macro::kLastPressOffset) {
            return false;
        }
    }
    const std::uint16_t delay = recordDelays && !first ? clampRecordedDelay(ms) : macro::kNoDelay;
    const MacroEvent event{release, names_.usage(vk), vk, delay};
    const MacroEdit r = streams_.insertEvent(at, event);
    if (r != MacroEdit::Done) {
        return false;
    }
    lastText_ = text;
    relist();
    selected_ = static_cast<int>(lines_.size()) - 1;
    return true;
}

bool MacroRecorder::insertedEvent(std::uint8_t vk, bool release) {
    const std::string text = names_.name(vk) + (release ? " up" : " dn");
    if (!release && text == lastText_) {
        return false; // the key is held: one press however long
    }
    const MacroEvent event{release, names_.usage(vk), vk, macro::kNoDelay};
    const int line = insertLine_;
    if (release) {
        insert_ = false; // one keystroke, ended by its release
    }
    const MacroEdit r = streams_.insertEventAtLine(static_cast<std::size_t>(line), event);
    if (r != MacroEdit::Done && r != MacroEdit::Truncated) {
        return false;
    }
    lastText_ = text;
    ++insertLine_;
    relist();
    selected_ = std::min(line, static_cast<int>(lines_.size()) - 1);
    return true;
}

MacroEdit MacroRecorder::edited(MacroEdit result) {
    insert_ = false;
    if (result == MacroEdit::Done || result == MacroEdit::Truncated) {
        relist();
    }
    return result;
}

MacroEdit MacroRecorder::insertMouse(MouseButton button, MouseAction action) {
    if (selected_ < 0) {
        return MacroEdit::NoSuchLine;
    }
    return edited(streams_.insertMouseAction(static_cast<std::size_t>(selected_), button, action));
}

MacroEdit MacroRecorder::insertDelay() {
    if (selected_ < 0) {
        return MacroEdit::NoSuchLine;
    }
    return edited(streams_.insertStandardDelay(static_cast<std::size_t>(selected_)));
}

MacroEdit MacroRecorder::deleteSelectedLine() {
    if (selected_ < 0) {
        return MacroEdit::NoSuchLine;
    }
    return edited(streams_.deleteLine(static_cast<std::size_t>(selected_)));
}

MacroEdit MacroRecorder::commitDelay(int line, std::int64_t typed) {
    if (lines_.empty() || line < 0) {
        return MacroEdit::NoSuchLine;
    }
    const MacroEdit r = edited(streams_.setDelayAtLine(static_cast<std::size_t>(line), typed));
    if (r == MacroEdit::Done || r == MacroEdit::Truncated) {
        select(line);
    }
    return r;
}

} // namespace vantrel
