// SPDX-License-Identifier: MIT
#include "ui/main_dialog_commands.h"

#include "ui/profiles/configure_dialog.h"

namespace vantrel::ui {

MainDialogCommands::MainDialogCommands(ConfiguratorModel& model, const DataFolder& folder,
                                       SkinPainter& painter, UiLanguage language, QWidget* parent)
    : model_(model), painter_(painter), language_(language), parent_(parent), files_(parent),
      profiles_(folder.profiles()) {}

void MainDialogCommands::assignKey(int) {}

void MainDialogCommands::profiles() {
    CConfigureDlg dialog(model_, profiles_, painter_, language_, files_, parent_);
    dialog.run();
}

void MainDialogCommands::macros() {}

} // namespace vantrel::ui
