// SPDX-License-Identifier: MIT
#include "core/macro/macro_manager.h"

#include "core/macro/macro_list.h"

#include <algorithm>
#include <charconv>

namespace vantrel {
namespace {

// The loop-count field: digits only; empty, 0 or not a number reads as 0.
unsigned loopNumber(std::string_view text) {
    unsigned n = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc{} || ptr != text.data() + text.size()) {
        return 0;
    }
    return n;
}

} // namespace

MacroManager::MacroManager(const KeyNameTable& names, MonotonicClock clock)
    : events_(names, std::move(clock)) {}

void MacroManager::open(const MacroTable& master) {
    working_ = master;
    names_.clear();
    deletions_.clear();
    for (std::size_t i = 0, n = usedMacroCount(working_); i < n; ++i) {
        names_.push_back(working_[i].name());
    }
    events_.stopListening();
    events_.show(MacroStreams{});
    selected_ = -1;
    recordDelays_ = false;
    loopOn_ = false;
    loopText_ = "1";
    if (!names_.empty()) {
        select(0);
    }
}

void MacroManager::select(int index) {
    events_.stopListening();
    if (index < 0 || index >= static_cast<int>(names_.size())) {
        selected_ = -1;
        events_.show(MacroStreams{});
        return;
    }
    selected_ = index;
    MacroRecord& r = working_[static_cast<std::size_t>(index)];
    recordDelays_ = r.recordDelays();
    const std::uint16_t loops = r.loopCount();
    loopOn_ = loops > 1;
    if (loops == 0) {
        r.setLoopCount(macro::kMinLoopCount); // a stored 0 plays once
    }
    loopText_ = std::to_string(std::max<std::uint16_t>(loops, macro::kMinLoopCount));
    events_.show(MacroStreams::fromRecord(r));
}

void MacroManager::toggleLoop() {
    loopOn_ = !loopOn_;
    if (!loopOn_) {
        setLoopText("1");
    }
}

std::uint16_t MacroManager::loopValue() const {
    if (!loopOn_) {
        return macro::kMinLoopCount;
    }
    return static_cast<std::uint16_t>(
        std::clamp<unsigned>(loopNumber(loopText_), macro::kMinLoopCount, macro::kMaxLoopCount));
}

const std::string& MacroManager::setLoopText(std::string_view text) {
    const unsigned n = loopNumber(text);
    if (n == 0) {
        loopText_ = "1";
    } else if (n > macro::kMaxLoopCount) {
        loopText_ = std::to_string(macro::kMaxLoopCount);
    } else {
        loopText_.assign(text);
    }
    if (selected_ >= 0) {
        const unsigned value =
            std::clamp<unsigned>(loopNumber(loopText_), macro::kMinLoopCount, macro::kMaxLoopCount);
        working_[static_cast<std::size_t>(selected_)].setLoopCount(
            static_cast<std::uint16_t>(value));
    }
    return loopText_;
}

bool MacroManager::newMacro() {
    if (names_.size() >= macro::kMaxMacros) {
        return false;
    }
    syncNames();
    const std::u16string name = nextMacroName(working_);
    const std::size_t index = names_.size();
    MacroRecord r;
    (void)r.setName(name); // "Macro_0NN" always fits
    r.setLoopCount(macro::kMinLoopCount);
    working_[index] = r;
    names_.push_back(name);
    selected_ = static_cast<int>(index);
    events_.stopListening();
    events_.show(MacroStreams{});
    recordDelays_ = false;
    loopOn_ = false;
    loopText_ = "1";
    return true;
}

bool MacroManager::deleteSelected() {
    if (selected_ < 0) {
        return false;
    }
    const auto s = static_cast<std::size_t>(selected_);
    syncNames();
    const std::size_t n = usedMacroCount(working_);
    if (!deleteMacro(working_, s).ok()) {
        return false;
    }
    names_.erase(names_.begin() + selected_);
    deletions_.push_back({s, n});
    events_.stopListening();
    select(names_.empty() ? -1 : static_cast<int>(std::min(s, n - 2)));
    return true;
}

Status MacroManager::checkName(std::u16string_view name) {
    if (name.empty()) {
        return makeError(ErrorCode::InvalidArgument, "a macro needs a name");
    }
    if (name.size() > macro::kMaxNameLength) {
        return makeError(ErrorCode::InvalidArgument, "the name is " + std::to_string(name.size()) +
                                                         " characters long; at most 254 fit");
    }
    return Status::success();
}

Status MacroManager::rename(int index, std::u16string_view name) {
    if (index < 0 || index >= static_cast<int>(names_.size())) {
        return makeError(ErrorCode::InvalidArgument, "there is no such macro");
    }
    if (Status s = checkName(name); !s) {
        return s;
    }
    names_[static_cast<std::size_t>(index)] = std::u16string(name);
    return Status::success();
}

void MacroManager::syncNames() {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        (void)working_[i].setName(names_[i]); // checked when renamed
    }
}

bool MacroManager::toggleRecording() {
    if (selected_ < 0) {
        return false;
    }
    if (events_.recording()) {
        events_.stopListening();
        return true;
    }
    events_.startRecording();
    MacroStreams{}.storeInto(working_[static_cast<std::size_t>(selected_)]);
    return true;
}

bool MacroManager::recordBefore() {
    return selected_ >= 0 && events_.recordBefore();
}

bool MacroManager::recordAfter() {
    return selected_ >= 0 && events_.recordAfter();
}

void MacroManager::stopRecordingAt(const MacroStreams& before) {
    if (!events_.recording()) {
        return;
    }
    events_.stopListening();
    events_.show(before);
    if (selected_ >= 0) {
        refreshRecord();
    }
}

void MacroManager::keyEvent(std::uint8_t virtualKey, bool release) {
    events_.keyEvent(virtualKey, release, recordDelays_);
    if (selected_ >= 0) {
        refreshRecord();
    }
}

void MacroManager::refreshRecord() {
    MacroRecord& r = working_[static_cast<std::size_t>(selected_)];
    (void)r.setName(names_[static_cast<std::size_t>(selected_)]);
    r.setLoopCount(loopValue());
    r.setRecordDelays(recordDelays_);
    events_.streams().storeInto(r);
}

MacroEdit MacroManager::stored(MacroEdit result) {
    if (selected_ >= 0 && (result == MacroEdit::Done || result == MacroEdit::Truncated)) {
        refreshRecord();
    }
    return result;
}

MacroEdit MacroManager::insertMouse(MouseButton button, MouseAction action) {
    if (selected_ < 0) {
        return MacroEdit::NoSuchLine;
    }
    return stored(events_.insertMouse(button, action));
}

MacroEdit MacroManager::insertDelay() {
    return stored(events_.insertDelay());
}

MacroEdit MacroManager::deleteLine() {
    if (selected_ < 0) {
        return MacroEdit::NoSuchLine;
    }
    return stored(events_.deleteSelectedLine());
}

MacroEdit MacroManager::commitDelay(int line, std::int64_t typed) {
    return stored(events_.commitDelay(line, typed));
}

const MacroTable& MacroManager::confirm() {
    events_.stopListening();
    syncNames();
    if (loopOn_ && selected_ >= 0) {
        working_[static_cast<std::size_t>(selected_)].setLoopCount(loopValue());
    }
    return working_;
}

} // namespace vantrel
