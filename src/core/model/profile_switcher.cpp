// SPDX-License-Identifier: MIT
#include "core/model/profile_switcher.h"

namespace vantrel {

void ProfileSwitcher::frontChanged(const FrontProgram& front) {
    if (front == front_ && due_) {
        return; // the same window again: the hold goes on from its first report
    }
    front_ = front;
    since_ = now_();
    due_ = true;
    ++frontReports_;
}

std::optional<ProfileSwitcher::Clock::time_point> ProfileSwitcher::wakeAt() const {
    if (!due_ || !bindings_.switchingOn()) {
        return std::nullopt;
    }
    return since_ + kHold;
}

ProfileSwitcher::Decision ProfileSwitcher::decide(const Gate& gate) const {
    if (!due_ || !bindings_.switchingOn() || now_() < since_ + kHold) {
        return {};
    }
    Decision d;
    if (auto bound = bindings_.profileFor(front_)) {
        if (active_ == bound) {
            return {}; // the keyboard holds it already
        }
        d = {Action::Load, *bound, false, frontReports_};
    } else if (automatic_) {
        d = {Action::Restore, before_.value_or(std::string()), false, frontReports_};
    } else {
        return {};
    }
    if (gate.dialogOpen || gate.deviceBusy || gate.editsPending || gate.keyboardAbsent) {
        return {Action::Wait, d.profile, gate.editsPending, frontReports_};
    }
    return d;
}

void ProfileSwitcher::switched(const Decision& done) {
    due_ = due_ && done.front != frontReports_;
    if (done.action == Action::Load) {
        if (!automatic_) {
            before_ = active_;
            automatic_ = true;
        }
        active_ = done.profile;
    } else if (done.action == Action::Restore) {
        active_ = before_;
        automatic_ = false;
        before_.reset();
    }
}

void ProfileSwitcher::switchFailed(bool retry) {
    if (!retry) {
        due_ = false;
    }
}

void ProfileSwitcher::loadedByHand(const std::string& profile) {
    active_ = profile.empty() ? std::nullopt : std::optional<std::string>(profile);
    automatic_ = false;
    before_.reset();
    due_ = false;
}

} // namespace vantrel
