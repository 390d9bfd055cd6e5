// SPDX-License-Identifier: MIT
#include "ui/keyboard_notice.h"

namespace vantrel::ui {

QString installedUdevRulePath() {
#ifdef VANTREL_UDEV_RULE_PATH
    return QStringLiteral(VANTREL_UDEV_RULE_PATH);
#else
    return QStringLiteral("70-vantrel.rules");
#endif
}

QString simulationNotice(bool keyboardInaccessible, UiLanguage language) {
    const bool chinese = language.chinese();
    if (!keyboardInaccessible) {
        return chinese ? QStringLiteral("键盘模拟器：未连接键盘")
                       : QStringLiteral("Симулятор клавиатуры: клавиатура не подключена");
    }
    return (chinese
                ? QStringLiteral("已找到键盘，但无法访问（请安装 udev 规则 %1）")
                : QStringLiteral("Клавиатура найдена, но недоступна (установите правило udev %1)"))
        .arg(installedUdevRulePath());
}

} // namespace vantrel::ui
