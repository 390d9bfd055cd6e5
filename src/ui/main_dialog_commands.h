// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/assignment_commit.h"
#include "core/model/interface_language.h"
#include "core/model/profile_store.h"
#include "core/model/state_files.h"
#include "ui/capture/key_hook.h"
#include "ui/dialog_commands.h"
#include "ui/widgets/qt_file_picker.h"

class QWidget;

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class SkinPainter;
class UserPrompts;

// The dialogs of the running program, opened modally over the main window.
// The profile folder and the current profile file live as long as the
// program, so a profile exported once is what a later rename copies. The
// key assignment's pending values live as long, too.
class MainDialogCommands : public DialogCommands {
public:
    // `hook` captures the keys of the key assignment dialog and those the
    // macro manager records. Without `files` the dialogs use Qt's file
    // dialogs.
    MainDialogCommands(ConfiguratorModel& model, const DataFolder& folder, SkinPainter& painter,
                       UiLanguage language, KeyHook& hook, QWidget* parent, UserPrompts& prompts,
                       FilePicker* files = nullptr);

    void assignKey(int key) override;
    void profiles() override;
    void macros() override;

    ProfileStore& profileStore() { return profiles_; }
    const PendingAssignment& pending() const { return pending_; }

private:
    // The assignment records as keymap.bin holds them.
    void reloadAssignments();
    void reportFailure(const std::string& message);

    ConfiguratorModel& model_;
    DataFolder folder_;
    SkinPainter& painter_;
    KeyHook& hook_;
    UiLanguage language_;
    QWidget* parent_;
    UserPrompts& prompts_;
    QtFilePicker qtFiles_;
    FilePicker& files_;
    ProfileStore profiles_;
    PendingAssignment pending_;
};

} // namespace vantrel::ui
