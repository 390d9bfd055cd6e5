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
    return QCoreApplication::translate(
               "MainWindow", "Keyboard found but not accessible (install the udev rule %1)")
        .arg(installedUdevRulePath());
}

} // namespace vantrel::ui
