// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>
#include <QObject>

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
    void fill();

private:
    ProfileSwitching& switching_;
    QMenu menu_;
};

} // namespace vantrel::ui
