// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace vantrel::ui {

// Where the rule that opens the keyboard to the logged-in user is installed.
QString installedUdevRulePath();

// What the window says while it works on the simulated keyboard: that no
// keyboard is there, or that one is there but its device nodes are closed
// to the user, naming the udev rule that opens them.
QString simulationNotice(bool keyboardInaccessible);

} // namespace vantrel::ui
