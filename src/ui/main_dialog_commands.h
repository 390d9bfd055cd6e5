// SPDX-License-Identifier: MIT
#pragma once

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

// The dialogs of the running program, opened modally over the main window.
// The profile folder and the current profile file live as long as the
// program, so a profile exported once is what a later rename copies.
class MainDialogCommands : public DialogCommands {
public:
    // `hook` captures the keys the macro manager records.
    MainDialogCommands(ConfiguratorModel& model, const DataFolder& folder, SkinPainter& painter,
                       UiLanguage language, KeyHook& hook, QWidget* parent);

    void assignKey(int key) override;
    void profiles() override;
    void macros() override;

    ProfileStore& profileStore() { return profiles_; }

private:
    ConfiguratorModel& model_;
    DataFolder folder_;
    SkinPainter& painter_;
    KeyHook& hook_;
    UiLanguage language_;
    QWidget* parent_;
    QtFilePicker files_;
    ProfileStore profiles_;
};

} // namespace vantrel::ui
