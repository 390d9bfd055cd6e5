// SPDX-License-Identifier: MIT
#pragma once

#include "ui/profiles/programs_dialog_controller.h"
#include "ui/skin/skinned_dialog.h"

namespace vantrel::ui {

class CTransparentListBox;

// The window of the dialog that binds programs to profiles: the skinned
// face, the list of the chosen profile's programs, and the windows open
// now offered in a menu under their button.
class CProgramsDlg : public SkinnedDialog, private ProfileListView, private ChoicePrompt {
    Q_OBJECT
public:
    CProgramsDlg(std::filesystem::path profileFolder, std::filesystem::path bindingsFile,
                 SkinPainter& painter, UiLanguage language, ProgramsDialogController::Ports ports,
                 QWidget* parent = nullptr);

    // Shows `profile`'s programs and runs the dialog modally.
    void run(const QString& profile);

    ProgramsDialogController& controller() { return controller_; }
    CTransparentListBox* list() const { return list_; }

private:
    void showLines(const QStringList& lines, int selected) override;
    std::optional<int> choose(const QString& caption, const QStringList& lines) override;

    ProgramsDialogController controller_;
    CTransparentListBox* list_ = nullptr;
};

} // namespace vantrel::ui
