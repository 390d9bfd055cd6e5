// SPDX-License-Identifier: MIT
#include "ui/macros/macro_menu.h"

#include <QCoreApplication>

namespace vantrel::ui {

std::vector<MacroMenuItem> macroEventMenu(UiLanguage) {
    using namespace macro_menu;
    const auto t = [](const char* text) { return QCoreApplication::translate("MacroMenu", text); };
    const auto button = [&](const char* text, int down, int up, int click) {
        return MacroMenuItem{t(text),
                             kNone,
                             {{t(QT_TRANSLATE_NOOP("MacroMenu", "Down")), down, {}},
                              {t(QT_TRANSLATE_NOOP("MacroMenu", "Up")), up, {}},
                              {t(QT_TRANSLATE_NOOP("MacroMenu", "Click")), click, {}}}};
    };
    return {
        {t(QT_TRANSLATE_NOOP("MacroMenu", "Record Before")), kRecordBefore, {}},
        {t(QT_TRANSLATE_NOOP("MacroMenu", "Record After")), kRecordAfter, {}},
        {t(QT_TRANSLATE_NOOP("MacroMenu", "Insert mouse function")),
         kNone,
         {button(QT_TRANSLATE_NOOP("MacroMenu", "Left click"), kLeftDown, kLeftUp, kLeftClick),
          button(QT_TRANSLATE_NOOP("MacroMenu", "Right click"), kRightDown, kRightUp, kRightClick),
          button(QT_TRANSLATE_NOOP("MacroMenu", "Middle click"), kMiddleDown, kMiddleUp,
                 kMiddleClick)}},
        {t(QT_TRANSLATE_NOOP("MacroMenu", "Insert Delay")), kInsertDelay, {}},
        {t(QT_TRANSLATE_NOOP("MacroMenu", "Delete")), kDeleteLine, {}},
    };
}

} // namespace vantrel::ui
