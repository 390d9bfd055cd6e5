// SPDX-License-Identifier: MIT
#include "ui/macros/macro_result.h"

#include "core/model/key_positions.h"
#include "ui/skin/interface_text.h"

#include <QCoreApplication>
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
                          const ConfiguratorModel& model) {
    if (!result) {
        return QCoreApplication::translate("MacroManager", "The macros were not saved: ") +
               fromUtf8(result.error().message);
    }
    QStringList lines;
    for (const MacroKeyChange& c : *result) {
        const QString key = keyName(model, c.position);
        if (c.newSlot) {
            const QString macro = QString::fromStdU16String(model.macros()[*c.newSlot].name());
            lines << QCoreApplication::translate(
                         "MacroManager",
                         "Key %1 still runs the macro \"%2\", whose place in the list "
                         "changed.")
                         .arg(key, macro);
        } else {
            lines << QCoreApplication::translate("MacroManager",
                                                 "Key %1 ran a deleted macro and does its own "
                                                 "job again.")
                         .arg(key);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace vantrel::ui
