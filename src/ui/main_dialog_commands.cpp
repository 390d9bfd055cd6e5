// SPDX-License-Identifier: MIT
#include "ui/main_dialog_commands.h"

#include "core/model/configurator_model.h"
#include "core/model/key_positions.h"
#include "core/model/macro_followers.h"
#include "ui/keymap/key_map_dialog.h"
#include "ui/macros/macro_record_dialog.h"
#include "ui/macros/macro_result.h"
#include "ui/profiles/configure_dialog.h"
#include "ui/skin/message_boxes.h"
#include "ui/user_prompts.h"

#include <QCoreApplication>
#include <filesystem>
#include <memory>

namespace vantrel::ui {

MainDialogCommands::MainDialogCommands(ConfiguratorModel& model, const DataFolder& folder,
                                       SkinPainter& painter, UiLanguage language, KeyHook& hook,
                                       QWidget* parent, UserPrompts& prompts, FilePicker* files)
    : model_(model), folder_(folder), painter_(painter), hook_(hook), language_(language),
      parent_(parent), prompts_(prompts), qtFiles_(parent), files_(files ? *files : qtFiles_),
      profiles_(folder.profiles()) {
    pending_.language = language;
}

void MainDialogCommands::reportFailure(const std::string& message) {
    prompts_.inform(QString::fromStdString(message), QStringLiteral("VANTREL"));
}

void MainDialogCommands::reloadAssignments() {
    // Without the file the records in memory are the last saved ones; the
    // commit writes the file again.
    std::error_code ec;
    if (!std::filesystem::exists(folder_.keymap(), ec)) {
        return;
    }
    // Only a whole file replaces them: a damaged one leaves the records in
    // memory, which the commit then saves.
    auto image = std::make_unique<ConfigImage>();
    auto saved = std::make_unique<AssignmentTable>();
    if (Status s = LoadProfileFile(folder_.keymap(), *image, *saved); !s) {
        reportFailure(s.error().message + "; the assignments in memory are kept");
        return;
    }
    saved->writeOwnKeys();
    model_.assignments() = *saved;
}

void MainDialogCommands::assignKey(int key) {
    if (key < 0 || key >= static_cast<int>(kKeyPositionCount)) {
        return;
    }
    reloadAssignments();
    // The dialog resets the record when a tab is entered; a cancelled run
    // must leave the key as it was.
    const auto k = static_cast<std::size_t>(key);
    const AssignmentRecord before = model_.assignments()[k];
    CKeyMap dialog(model_, pending_, painter_, language_, files_, hook_, parent_);
    if (!dialog.run(key)) {
        model_.assignments()[k] = before;
        return;
    }
    if (Status s = validateAssignment(model_, pending_); !s) {
        model_.assignments()[k] = before;
        reportFailure(s.error().message);
        return;
    }
    if (Status s = vantrel::assignKey(model_, pending_, folder_.keymap()); !s) {
        reportFailure(s.error().message);
    }
}

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
    if (const QString notice = macroResultNotice(result, model_); !notice.isEmpty()) {
        tell(parent_, notice,
             QCoreApplication::translate("MacroManager", "Macro manager", "message caption"));
    }
}

} // namespace vantrel::ui
