// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/program_bindings.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace vantrel {

// Decides when the program in front brings its profile to the keyboard.
// It acts on a change of front window only after it has held for kHold, so
// that running through windows with alt-tab sends nothing; it leaves the
// keyboard alone while the window is not ready for it (see Gate); and when a
// program without a profile comes to the front it brings back what the
// keyboard held before the first automatic switch. The caller sends the
// profile and reports the result; a timer of its own calls decide() again
// at wakeAt().
class ProfileSwitcher {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kHold{500};

    // What keeps a switch from happening now; it happens once all are clear.
    struct Gate {
        bool dialogOpen = false;   // a dialog of ours works on its own copy
        bool deviceBusy = false;   // an apply, reset, read or recording runs
        bool editsPending = false; // the window holds edits not yet applied
        bool keyboardAbsent = false;
    };

    enum class Action {
        None,
        Load,    // send `profile`
        Restore, // send what the keyboard held before the first automatic switch
        Wait,    // a switch is due but the gate holds it back (`waitingForEdits` tells why)
    };
    struct Decision {
        Action action = Action::None;
        std::string profile; // Load: the profile; Restore: the one it was, if known
        bool waitingForEdits = false;
        // Which report of the front window it answers: one that came while
        // the switch was sent is still to be acted on.
        unsigned front = 0;
    };

    explicit ProfileSwitcher(std::function<Clock::time_point()> now) : now_(std::move(now)) {}

    void setBindings(ProgramBindings bindings) { bindings_ = std::move(bindings); }
    const ProgramBindings& bindings() const { return bindings_; }

    void frontChanged(const FrontProgram& front);
    // When decide() has something new to say; empty while nothing is due.
    std::optional<Clock::time_point> wakeAt() const;
    Decision decide(const Gate& gate) const;

    // The decision was carried out. A failed switch stays due (a keyboard
    // that went away gets it when it is back) unless `retry` is false.
    void switched(const Decision& done);
    void switchFailed(bool retry);
    // The user loaded a profile himself (empty: a configuration of no
    // profile): it is what the keyboard holds now and what unbound programs
    // leave in place.
    void loadedByHand(const std::string& profile);

    // The profile the keyboard holds as far as we know, and whether the
    // program in front brought it.
    const std::optional<std::string>& active() const { return active_; }
    bool activeFromFront() const { return automatic_; }
    const FrontProgram& front() const { return front_; }

private:
    std::function<Clock::time_point()> now_;
    ProgramBindings bindings_;
    FrontProgram front_;
    Clock::time_point since_{};
    bool due_ = false;
    unsigned frontReports_ = 0;
    std::optional<std::string> active_;
    // True from the first automatic switch until the keyboard holds again
    // what it held before it (`before_`).
    bool automatic_ = false;
    std::optional<std::string> before_;
};

} // namespace vantrel
