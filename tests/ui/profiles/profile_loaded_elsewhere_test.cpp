// SPDX-License-Identifier: MIT
// A profile sent by vantrelctl through the running program: the tray's
// Profiles menu checks it and the status line names it, and an automatic
// switch afterwards does not return to what was held before the load. The
// reasons core gives reach the status line in the interface language.
#include "../in_language.h"
#include "core/model/state_files.h"
#include "support/temp_dir.h"
#include "ui/event_wait.h"
#include "ui/profiles/profile_switching.h"
#include "ui/profiles/profiles_menu.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

namespace vantrel::ui::testing {
namespace {

constexpr std::uint8_t kRacingBrightness = 40;
constexpr std::uint8_t kWorkBrightness = 20;

class LoadedElsewhere : public ::testing::Test {
protected:
    LoadedElsewhere() {
        std::filesystem::create_directories(dir / "Configure");
        for (const auto& [name, brightness] :
             {std::pair{"Racing", kRacingBrightness}, std::pair{"Work", kWorkBrightness}}) {
            ConfigImage image;
            image.setLightBrightness(brightness);
            EXPECT_TRUE(SaveKeymapFile(dir / "Configure" / (std::string(name) + ".bin"), image,
                                       AssignmentTable{}));
        }
        ProgramBindings b;
        b.bind("/usr/games/kart", "Racing");
        EXPECT_TRUE(SaveBindingsFile(dir / "bindings.conf", b));
        ProfileSwitching::Ports ports;
        ports.gate = [] { return ProfileSwitcher::Gate{}; };
        ports.held = [this] { return held; };
        ports.send = [this](const ProfileSwitching::Configuration& c,
                            std::function<void(Status)> done) {
            sent.push_back(c.image.lightBrightness());
            held = c;
            done(Status::success());
        };
        ports.status = [this](const QString& s) { status = s; };
        switching = std::make_unique<ProfileSwitching>(dir / "Configure", dir / "bindings.conf",
                                                       std::move(ports));
        menu = std::make_unique<ProfilesMenu>(*switching);
    }

    QStringList checkedItems() const {
        QStringList out;
        for (const QAction* a : menu->menu()->actions()) {
            if (a->isCheckable() && a->isChecked()) {
                out << a->text();
            }
        }
        return out;
    }

    vantrel::testing::TempDir dir;
    ProfileSwitching::Configuration held;
    std::vector<int> sent;
    QString status;
    std::unique_ptr<ProfileSwitching> switching;
    std::unique_ptr<ProfilesMenu> menu;
};

TEST_F(LoadedElsewhere, TheMenuAndTheStatusLineFollowAProfileLoadedByTheCommandLine) {
    EXPECT_EQ(checkedItems(), QStringList{"Automatic switching"});
    int changes = 0;
    QObject::connect(switching.get(), &ProfileSwitching::changed, [&] { ++changes; });

    switching->loadedElsewhere(QStringLiteral("Work"));
    EXPECT_TRUE(sent.empty()); // the command sent it already
    EXPECT_EQ(status, "Profile Work");
    EXPECT_EQ(changes, 1);
    // Checked in the menu as it is, without opening it again.
    EXPECT_EQ(checkedItems(), (QStringList{"Work", "Automatic switching"}));

    switching->loadedElsewhere(QStringLiteral("Racing"));
    EXPECT_EQ(checkedItems(), (QStringList{"Racing", "Automatic switching"}));
}

TEST_F(LoadedElsewhere, AProgramInFrontAfterTheLoadReturnsToTheLoadedProfile) {
    switching->frontChanged({"/usr/games/kart", "Kart"});
    ASSERT_TRUE(waitFor([&] { return sent.size() == 1; }));
    EXPECT_EQ(checkedItems(), (QStringList{"Racing", "Automatic switching"}));

    // vantrelctl loads Work while the bound program is in front ...
    held.image.setLightBrightness(kWorkBrightness);
    switching->loadedElsewhere(QStringLiteral("Work"));
    EXPECT_EQ(status, "Profile Work");
    EXPECT_EQ(checkedItems(), (QStringList{"Work", "Automatic switching"}));
    // ... and an unbound program in front keeps what the user loaded: there
    // is no earlier configuration left to return to.
    switching->frontChanged({"/usr/bin/notes", "Notes"});
    QTest::qWait(700);
    for (const int b : sent) {
        EXPECT_NE(b, 0) << "an empty configuration was sent";
    }
    EXPECT_EQ(held.image.lightBrightness(), kWorkBrightness);
}

TEST_F(LoadedElsewhere, CoreReasonsReachTheStatusLineInTheInterfaceLanguage) {
    const InLanguage inLanguage(UiLanguage::russianInterface());
    std::filesystem::resize_file(dir / "Configure" / "Work.bin", 100);
    switching->loadByHand(QStringLiteral("Work"));
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(status.contains("Work.bin")) << status.toStdString();
    EXPECT_FALSE(status.contains("bytes; a profile has")) << status.toStdString();
    EXPECT_TRUE(status.contains("100"));
}

} // namespace
} // namespace vantrel::ui::testing
