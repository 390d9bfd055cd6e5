// SPDX-License-Identifier: MIT
#include "ui/main_dialog_commands.h"

#include "core/model/macro_followers.h"
#include "ui/macros/macro_record_dialog.h"
#include "ui/macros/macro_result.h"
#include "ui/profiles/configure_dialog.h"
#include "ui/skin/message_boxes.h"

namespace vantrel::ui {

MainDialogCommands::MainDialogCommands(ConfiguratorModel& model, const DataFolder& folder,
                                       SkinPainter& painter, UiLanguage language, KeyHook& hook,
                                       QWidget* parent)
    : model_(model), folder_(folder), painter_(painter), hook_(hook), language_(language),
      parent_(parent), files_(parent), profiles_(folder.profiles()) {}

void MainDialogCommands::assignKey(int) {}

void MainDialogCommands::profiles() {
    CConfigureDlg dialog(model_, profiles_, painter_, language_, files_, parent_);
    dialog.run();
}

void MainDialogCommands::macros() {
    CMacroRecordDlg dialog(model_.keyNames(), steadyClock(), painter_, language_, hook_, parent_);
    if (!dialog.run(model_.macros())) {
        return; // Cancel: nothing is written
    }
    MacroDialogController& c = dialog.controller();
    const MacroManager& m = c.manager();
    const auto result =
        keepMacroTable(model_, folder_, c.tableKept() ? &m.working() : nullptr, m.deletions());
    if (const QString notice = macroResultNotice(result, model_, language_); !notice.isEmpty()) {
        const QString caption =
            language_.pick(QStringLiteral("宏管理"), QStringLiteral("Управление макросами"));
        tell(parent_, notice, caption);
    }
}

} // namespace vantrel::ui
