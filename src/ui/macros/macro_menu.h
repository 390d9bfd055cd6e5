// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"

#include <QString>
#include <vector>

namespace vantrel::ui {

// The event list's context menu: its commands and texts by language.
namespace macro_menu {
enum Command : int {
    kNone = 0,
    kRecordBefore = 32790,
    kRecordAfter = 32791,
    kInsertDelay = 32793,
    kLeftDown = 32800,
    kLeftUp = 32801,
    kLeftClick = 32802,
    kRightDown = 32804,
    kRightUp = 32806,
    kRightClick = 32807,
    kMiddleDown = 32811,
    kMiddleUp = 32812,
    kMiddleClick = 32813,
    kDeleteLine = 32815,
};
} // namespace macro_menu

// One item: a command, or a submenu when `items` is not empty.
struct MacroMenuItem {
    QString text;
    int command = macro_menu::kNone;
    std::vector<MacroMenuItem> items;
};

// Record Before, Record After, the mouse submenu (left, right, middle; each
// Down, Up, Click), Insert Delay, Delete.
std::vector<MacroMenuItem> macroEventMenu(UiLanguage language);

} // namespace vantrel::ui
