// SPDX-License-Identifier: MIT
// The switching of profiles by the program in front, between the window
// system's reports and the keyboard: what is sent, the snapshot it returns
// to, the gate and the status line, with a fake keyboard behind it.
#include "core/model/state_files.h"
#include "support/temp_dir.h"
#include "ui/event_wait.h"
#include "ui/profiles/profile_switching.h"

#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using namespace vantrel;
using vantrel::ui::ProfileSwitching;
using vantrel::ui::testing::waitFor;

namespace {

constexpr std::uint8_t kHeldBrightness = 10;
constexpr std::uint8_t kRacingBrightness = 40;

class Switching : public ::testing::Test {
protected:
    Switching() {
        ConfigImage racing;
        racing.setLightBrightness(kRacingBrightness);
        std::filesystem::create_directories(dir / "Configure");
        EXPECT_TRUE(SaveKeymapFile(dir / "Configure" / "Racing.bin", racing, AssignmentTable{}));
        ProgramBindings b;
        b.bind("/usr/games/kart", "Racing");
        EXPECT_TRUE(SaveBindingsFile(dir / "bindings.conf", b));
        held.image.setLightBrightness(kHeldBrightness);
        switching = make();
    }

    std::unique_ptr<ProfileSwitching> make() {
        ProfileSwitching::Ports ports;
        ports.gate = [this] { return gate; };
        ports.held = [this] { return held; };
        ports.send = [this](const ProfileSwitching::Configuration& c,
                            std::function<void(Status)> done) {
            sent.push_back(c.image.lightBrightness());
            if (fail) {
                done(makeError(ErrorCode::Disconnected, "the keyboard went away"));
                return;
            }
            held = c;
            done(Status::success());
        };
        ports.status = [this](const QString& s) { status = s; };
        return std::make_unique<ProfileSwitching>(dir / "Configure", dir / "bindings.conf",
                                                  std::move(ports));
    }

    vantrel::testing::TempDir dir;
    ProfileSwitcher::Gate gate;
    ProfileSwitching::Configuration held;
    std::vector<int> sent;
    bool fail = false;
    QString status;
    std::unique_ptr<ProfileSwitching> switching;
};

TEST_F(Switching, TheBoundProfileAfterTheHoldAndWhatWasHeldAfterAnUnboundProgram) {
    switching->frontChanged({"/usr/games/kart", "Kart"});
    EXPECT_TRUE(sent.empty()); // the hold has not passed
    ASSERT_TRUE(waitFor([&] { return sent.size() == 1; }));
    EXPECT_EQ(sent[0], kRacingBrightness);
    EXPECT_EQ(status, "Profile Racing, from the program in front");

    switching->frontChanged({"/usr/bin/notes", "Notes"});
    ASSERT_TRUE(waitFor([&] { return sent.size() == 2; }));
    EXPECT_EQ(sent[1], kHeldBrightness);
    EXPECT_EQ(status, "");
    EXPECT_EQ(switching->profileNames(), QStringList{"Racing"});
}

// On Wayland the system names our window by its app_id alone: in front
// between a bound and an unbound program, it must not count as unbound.
TEST_F(Switching, OurOwnWindowKnownOnlyByItsAppIdChangesNothing) {
    const QString before = QGuiApplication::desktopFileName();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vantrel.Vantrel"));
    switching = make();
    QGuiApplication::setDesktopFileName(before);
    switching->frontChanged({"/usr/games/kart", "Kart"});
    ASSERT_TRUE(waitFor([&] { return sent.size() == 1; }));
    switching->frontChanged({"", "io.github.vantrel.Vantrel"});
    QTest::qWait(800);
    EXPECT_EQ(sent.size(), 1u);
    // Another program known by its class alone does bring the earlier state.
    switching->frontChanged({"", "notes"});
    ASSERT_TRUE(waitFor([&] { return sent.size() == 2; }));
    EXPECT_EQ(sent[1], kHeldBrightness);
}

TEST_F(Switching, PendingEditsHoldTheSwitchAndSayItThenItHappens) {
    gate.editsPending = true;
    switching->frontChanged({"/usr/games/kart", ""});
    ASSERT_TRUE(waitFor([&] { return status.contains("waits"); }));
    EXPECT_TRUE(sent.empty());
    gate.editsPending = false; // applied
    ASSERT_TRUE(waitFor([&] { return sent.size() == 1; }));
    EXPECT_FALSE(status.contains("waits"));
}

TEST_F(Switching, AKeyboardThatWentAwayGetsTheProfileWhenItIsBack) {
    fail = true;
    switching->frontChanged({"/usr/games/kart", ""});
    ASSERT_TRUE(waitFor([&] { return sent.size() == 1; }));
    EXPECT_TRUE(status.contains("went away"));
    QCoreApplication::processEvents();
    EXPECT_EQ(sent.size(), 1u); // not again at once
    fail = false;               // back, and read again
    ASSERT_TRUE(waitFor([&] { return sent.size() == 2; }));
    EXPECT_EQ(held.image.lightBrightness(), kRacingBrightness);
}

TEST_F(Switching, ALoadFromTheMenuAndTheSwitchingToggleAreKept) {
    switching->loadByHand("Racing");
    EXPECT_EQ(sent, std::vector<int>{kRacingBrightness});
    EXPECT_EQ(status, "Profile Racing");
    EXPECT_TRUE(switching->switchingOn());
    switching->setSwitching(false);
    auto back = LoadBindingsFile(dir / "bindings.conf");
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->bindings.switchingOn());
    switching->loadByHand("Missing");
    EXPECT_EQ(sent.size(), 1u);
    EXPECT_TRUE(status.contains("Missing"));
}

} // namespace
