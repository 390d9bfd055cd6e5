// SPDX-License-Identifier: MIT
#include "core/model/profile_switcher.h"

#include <gtest/gtest.h>

using namespace vantrel;
using namespace std::chrono_literals;
using Action = ProfileSwitcher::Action;

namespace {

const FrontProgram kGame{"/usr/games/kart", "Kart"};
const FrontProgram kEditor{"/usr/bin/editor", "Editor"};
const FrontProgram kShop{"/usr/bin/steam", "Steam"};

class Switcher : public ::testing::Test {
protected:
    Switcher() : switcher([this] { return now; }) {
        ProgramBindings b;
        b.bind(kGame.executable, "Racing");
        b.bind("class:steam", "Shop");
        switcher.setBindings(b);
    }
    // Time passes; the caller's timer fires when the switcher asked it to.
    ProfileSwitcher::Decision after(std::chrono::milliseconds wait,
                                    ProfileSwitcher::Gate gate = {}) {
        now += wait;
        return switcher.decide(gate);
    }
    // Runs what was decided, as the window does when the keyboard took it.
    void carryOut(const ProfileSwitcher::Decision& d) { switcher.switched(d); }

    ProfileSwitcher::Clock::time_point now{};
    ProfileSwitcher switcher;
};

TEST_F(Switcher, ABoundProgramBringsItsProfileAfterTheHoldAndAnOtherBringsTheOldOneBack) {
    switcher.loadedByHand("Work");
    switcher.frontChanged(kGame);
    EXPECT_EQ(switcher.wakeAt(), now + ProfileSwitcher::kHold);
    EXPECT_EQ(after(499ms).action, Action::None);
    auto d = after(1ms);
    ASSERT_EQ(d.action, Action::Load);
    EXPECT_EQ(d.profile, "Racing");
    carryOut(d);
    EXPECT_EQ(switcher.active(), "Racing");
    EXPECT_TRUE(switcher.activeFromFront());
    EXPECT_EQ(switcher.wakeAt(), std::nullopt);

    // Another bound program: its profile, and "Work" is still the way back.
    switcher.frontChanged(kShop);
    d = after(600ms);
    ASSERT_EQ(d.action, Action::Load);
    EXPECT_EQ(d.profile, "Shop");
    carryOut(d);

    switcher.frontChanged(kEditor);
    d = after(500ms);
    ASSERT_EQ(d.action, Action::Restore);
    EXPECT_EQ(d.profile, "Work");
    carryOut(d);
    EXPECT_EQ(switcher.active(), "Work");
    EXPECT_FALSE(switcher.activeFromFront());
    // Unbound programs leave the user's own choice alone.
    switcher.frontChanged({"/bin/other", "Other"});
    EXPECT_EQ(after(1s).action, Action::None);
}

TEST_F(Switcher, FastAlternationSendsNothingAndTheLastWindowCounts) {
    for (int i = 0; i < 10; ++i) {
        switcher.frontChanged(i % 2 ? kEditor : kGame);
        EXPECT_EQ(after(200ms).action, Action::None) << i;
    }
    // Ends on the editor, unbound, with nothing switched before: nothing.
    EXPECT_EQ(after(1s).action, Action::None);
    // Ends on the game: its profile once it has held.
    switcher.frontChanged(kGame);
    switcher.frontChanged(kGame); // a repeated report does not restart the hold
    EXPECT_EQ(after(300ms).action, Action::None);
    switcher.frontChanged(kGame);
    EXPECT_EQ(after(200ms).action, Action::Load);
}

TEST_F(Switcher, AWindowThatCameWhileTheSwitchWasSentIsActedOn) {
    switcher.frontChanged(kGame);
    const auto d = after(1s);
    ASSERT_EQ(d.action, Action::Load);
    switcher.frontChanged(kEditor); // while the profile goes to the keyboard
    carryOut(d);
    EXPECT_EQ(after(100ms).action, Action::None);
    EXPECT_EQ(after(400ms).action, Action::Restore);
}

TEST_F(Switcher, TheGateHoldsTheSwitchUntilItOpens) {
    switcher.frontChanged(kGame);
    ProfileSwitcher::Gate edits;
    edits.editsPending = true;
    auto d = after(1s, edits);
    EXPECT_EQ(d.action, Action::Wait);
    EXPECT_TRUE(d.waitingForEdits);
    for (auto gate : {ProfileSwitcher::Gate{true, false, false, false},
                      ProfileSwitcher::Gate{false, true, false, false},
                      ProfileSwitcher::Gate{false, false, false, true}}) {
        d = after(1s, gate);
        EXPECT_EQ(d.action, Action::Wait);
        EXPECT_FALSE(d.waitingForEdits);
    }
    // Applied or reverted: the switch happens.
    EXPECT_EQ(after(0ms).action, Action::Load);
}

TEST_F(Switcher, AFailedSwitchStaysDueForAReturningKeyboard) {
    switcher.frontChanged(kGame);
    auto d = after(1s);
    ASSERT_EQ(d.action, Action::Load);
    switcher.switchFailed(true); // the keyboard went away meanwhile
    EXPECT_EQ(after(0ms, {false, false, false, true}).action, Action::Wait);
    EXPECT_EQ(after(5s).action, Action::Load); // back, and re-read
    switcher.switchFailed(false);              // a damaged profile: not tried again
    EXPECT_EQ(after(1s).action, Action::None);
}

TEST_F(Switcher, NothingWithSwitchingOffOrWhenTheProfileIsThereAlready) {
    switcher.loadedByHand("Racing");
    switcher.frontChanged(kGame);
    EXPECT_EQ(after(1s).action, Action::None);

    ProgramBindings off = switcher.bindings();
    off.setSwitching(false);
    switcher.setBindings(off);
    switcher.frontChanged(kShop);
    EXPECT_EQ(switcher.wakeAt(), std::nullopt);
    EXPECT_EQ(after(1s).action, Action::None);
}

TEST_F(Switcher, ALoadByHandIsTheNewWayBack) {
    switcher.loadedByHand("Work");
    switcher.frontChanged(kGame);
    carryOut(after(1s));
    switcher.loadedByHand("Quiet"); // the user picks one while the game is in front
    EXPECT_FALSE(switcher.activeFromFront());
    switcher.frontChanged(kEditor);
    EXPECT_EQ(after(1s).action, Action::None);
    switcher.frontChanged(kGame);
    carryOut(after(1s));
    switcher.frontChanged(kEditor);
    auto d = after(1s);
    EXPECT_EQ(d.action, Action::Restore);
    EXPECT_EQ(d.profile, "Quiet");
}

} // namespace
