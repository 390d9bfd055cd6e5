// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>
#include <QObject>
#include <functional>

namespace vantrel::ui {

class ProfileSwitching;

// The tray's Profiles menu: every profile by name (the active one checked,
// a click loads it) and the switch for automatic switching, filled each
// time it opens so that profiles saved meanwhile are there.
class ProfilesMenu : public QObject {
    Q_OBJECT
public:
    explicit ProfilesMenu(ProfileSwitching& switching, QObject* parent = nullptr);
    QMenu* menu() { return &menu_; }
    // What "Programs…" does (opens the dialog that binds programs).
    void setOpenPrograms(std::function<void()> open) { openPrograms_ = std::move(open); }
    void fill();
    // Checks the active profile's item of the menu as it is.
    void markActive();

private:
    ProfileSwitching& switching_;
    QMenu menu_;
    std::function<void()> openPrograms_;
};

} // namespace vantrel::ui
