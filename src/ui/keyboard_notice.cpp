// SPDX-License-Identifier: MIT
#include "ui/keyboard_notice.h"

#include <QCoreApplication>

namespace vantrel::ui {

QString installedUdevRulePath() {
#ifdef VANTREL_UDEV_RULE_PATH
    return QStringLiteral(VANTREL_UDEV_RULE_PATH);
#else
    return QStringLiteral("70-vantrel.rules");
#endif
}

QString simulationNotice(bool keyboardInaccessible) {
    if (!keyboardInaccessible) {
        return QCoreApplication::translate("MainWindow",
                                           "Keyboard simulator: no keyboard connected");
    }
#ifdef _WIN32
    // Windows lets every user open the keyboard; another program that holds
    // it (a vendor's tool) is what stands in the way.
    return QCoreApplication::translate(
        "MainWindow", "Keyboard found but not accessible (another program may be using it)");
#else
    return QCoreApplication::translate(
               "MainWindow", "Keyboard found but not accessible (install the udev rule %1)")
        .arg(installedUdevRulePath());
#endif
}

} // namespace vantrel::ui
