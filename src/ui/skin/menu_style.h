// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace vantrel::ui {

// Pop-up menus (the profile list's, the tray's, the event list's) in the
// colours of the skins, so they belong to the dark windows they open over.
inline QString skinnedMenuStyle() {
    return QStringLiteral(
        "QMenu { background: #1C1F26; color: white; border: 1px solid #2A2E37; padding: 3px 0px; }"
        "QMenu::item { padding: 4px 22px 4px 18px; }"
        "QMenu::item:selected { background: #E0243A; }"
        "QMenu::item:disabled { color: #5A606C; }"
        "QMenu::separator { height: 1px; background: #2A2E37; margin: 3px 6px; }"
        "QMenu::indicator { width: 12px; height: 12px; left: 3px; }");
}

} // namespace vantrel::ui
