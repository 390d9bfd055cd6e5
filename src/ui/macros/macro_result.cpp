// SPDX-License-Identifier: MIT
#include "ui/macros/macro_result.h"

#include "core/model/key_positions.h"
#include "ui/skin/interface_text.h"

#include <QStringList>

namespace vantrel::ui {
namespace {

QString keyName(const ConfiguratorModel& model, std::size_t position) {
    if (position == kFnKeyPosition) {
        return QStringLiteral("Fn");
    }
    const auto name = trimmedKeyName(model.keyNames().name(KeyPositionVk(position)));
    return name.empty() ? QStringLiteral("#%1").arg(position) : fromUtf8(name);
}

} // namespace

QString macroResultNotice(const Result<std::vector<MacroKeyChange>>& result,
                          const ConfiguratorModel& model, UiLanguage language) {
    if (!result) {
        return uiText(language, "宏沒有保存：", "Макросы не сохранены: ") +
               fromUtf8(result.error().message);
    }
    QStringList lines;
    for (const MacroKeyChange& c : *result) {
        const QString key = keyName(model, c.position);
        if (c.newSlot) {
            const QString macro = QString::fromStdU16String(model.macros()[*c.newSlot].name());
            lines << uiText(language, "按鍵%1仍執行宏「%2」，它在列表中的位置變了。",
                            "Клавиша %1 запускает тот же макрос «%2»; его место в списке "
                            "изменилось.")
                         .arg(key, macro);
        } else {
            lines << uiText(language, "按鍵%1執行的宏已刪除，按鍵恢復了原來的功能。",
                            "Клавиша %1 запускала удалённый макрос и снова выполняет свою "
                            "функцию.")
                         .arg(key);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace vantrel::ui
