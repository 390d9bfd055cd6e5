// SPDX-License-Identifier: MIT
// What the desktop program takes over from a command it ran for vantrelctl.
#include "core/model/command_changes.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// A desktop model with one unapplied edit of the user (speed 2, synced 5)
// and the command's start: the synced state.
struct Fixture {
    ConfiguratorModel desktop;
    CommandStart start;
    ConfiguratorModel command;

    Fixture() {
        desktop.image().setLightBrightness(50);
        desktop.image().setLightSpeed(5);
        desktop.syncImage();
        desktop.syncAssignments();
        desktop.image().setLightSpeed(2);
        start = CommandStart{desktop.syncedImage(), desktop.syncedAssignments()};
        command.image() = start.image;
        command.syncImage();
        command.assignments() = start.assignments;
        command.syncAssignments();
    }
};

TEST(CommandChanges, WhatWasSentIsSyncedAndTheUsersEditsStayUnapplied) {
    Fixture f;
    f.command.image().setLightBrightness(10);
    f.command.syncImage();

    takeCommandChanges(f.desktop, f.start, f.command);
    EXPECT_EQ(f.desktop.syncedImage().lightBrightness(), 10);
    EXPECT_EQ(f.desktop.image().lightBrightness(), 10);
    // The user's edit is still waiting for Apply, and only it differs.
    EXPECT_EQ(f.desktop.image().lightSpeed(), 2);
    EXPECT_EQ(f.desktop.syncedImage().lightSpeed(), 5);
}

TEST(CommandChanges, AChangeThatWasNotSentWaitsForTheNextApply) {
    Fixture f;
    f.command.image().setLightBrightness(10); // the write-all failed: not synced

    takeCommandChanges(f.desktop, f.start, f.command);
    EXPECT_EQ(f.desktop.image().lightBrightness(), 10);
    EXPECT_EQ(f.desktop.syncedImage().lightBrightness(), 50);
}

TEST(CommandChanges, AssignmentsGoOverARecordAtATime) {
    Fixture f;
    f.desktop.assignments()[7].setKind(3); // the user's unapplied assignment
    f.command.assignments()[0].setKind(AssignmentKind::Combination);
    f.command.assignments()[0].setKeyCount(1);
    f.command.syncAssignments();

    takeCommandChanges(f.desktop, f.start, f.command);
    EXPECT_EQ(f.desktop.syncedAssignments()[0].keyCount(), 1);
    EXPECT_EQ(f.desktop.assignments()[0].keyCount(), 1);
    EXPECT_EQ(f.desktop.assignments()[7].kind(), 3);
    EXPECT_EQ(f.desktop.syncedAssignments()[7].kind(), f.start.assignments[7].kind());
}

TEST(CommandChanges, ACommandThatChangedNothingChangesNothing) {
    Fixture f;
    const ConfiguratorModel before = f.desktop;
    takeCommandChanges(f.desktop, f.start, f.command);
    EXPECT_TRUE(std::ranges::equal(f.desktop.image().bytes(), before.image().bytes()));
    EXPECT_TRUE(std::ranges::equal(f.desktop.syncedImage().bytes(), before.syncedImage().bytes()));
}

} // namespace
} // namespace vantrel
