// SPDX-License-Identifier: MIT
#include "ui/macros/macro_menu.h"

#include "ui/skin/interface_text.h"

namespace vantrel::ui {

std::vector<MacroMenuItem> macroEventMenu(UiLanguage language) {
    using namespace macro_menu;
    const auto t = [language](const char* chinese, const char* other) {
        return uiText(language, chinese, other);
    };
    const auto button = [&](const char* chinese, const char* other, int down, int up, int click) {
        return MacroMenuItem{t(chinese, other),
                             kNone,
                             {{t("壓下", "Вниз"), down, {}},
                              {t("釋放", "Вверх"), up, {}},
                              {t("單擊", "Щелчок"), click, {}}}};
    };
    return {
        {t("在之前開始錄入", "Запись до"), kRecordBefore, {}},
        {t("在之后開始錄入", "Запись после"), kRecordAfter, {}},
        {t("插入鼠標按鍵", "Insert Mouse Key"),
         kNone,
         {button("左鍵", "Щелчок левой", kLeftDown, kLeftUp, kLeftClick),
          button("右鍵", "Щелчок правой", kRightDown, kRightUp, kRightClick),
          button("中鍵", "Щелчок средней", kMiddleDown, kMiddleUp, kMiddleClick)}},
        {t("插入延遲", "Вставить задержку"), kInsertDelay, {}},
        {t("刪除", "Удалить"), kDeleteLine, {}},
    };
}

} // namespace vantrel::ui
