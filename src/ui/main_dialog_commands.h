// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/assignment_commit.h"
#include "core/model/interface_language.h"
#include "core/model/profile_store.h"
#include "core/model/state_files.h"
#include "ui/dialog_commands.h"
#include "ui/widgets/qt_file_picker.h"

class QWidget;

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class KeyHook;
class SkinPainter;
class UserPrompts;

// The dialogs of the running program, opened modally over the main window.
// The profile folder and the current profile file live as long as the
// program, so a profile exported once is what a later rename copies. The
// key assignment's pending values live as long, too.
class MainDialogCommands : public DialogCommands {
public:
    // Without `files` the dialogs use Qt's file dialogs.
    MainDialogCommands(ConfiguratorModel& model, const DataFolder& folder, SkinPainter& painter,
                       UiLanguage language, QWidget* parent, UserPrompts& prompts, KeyHook& hook,
                       FilePicker* files = nullptr);

    void assignKey(int key) override;
    void profiles() override;
    void macros() override;

    ProfileStore& profileStore() { return profiles_; }
    const PendingAssignment& pending() const { return pending_; }

private:
    // The assignment records as keymap.bin holds them.
    void reloadAssignments();
    void tell(const std::string& message);

    ConfiguratorModel& model_;
    DataFolder folder_;
    SkinPainter& painter_;
    UiLanguage language_;
    QWidget* parent_;
    UserPrompts& prompts_;
    KeyHook& hook_;
    QtFilePicker qtFiles_;
    FilePicker& files_;
    ProfileStore profiles_;
    PendingAssignment pending_;
};

} // namespace vantrel::ui
