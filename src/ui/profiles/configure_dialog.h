// SPDX-License-Identifier: MIT
#pragma once

#include "ui/profiles/profile_dialog_controller.h"
#include "ui/skin/skinned_dialog.h"

namespace vantrel::ui {

class CTransparentListBox;

// The profile manager's window: the skinned face, the sorted profile list
// (renamed in place) and its menu on a right-click.
class CConfigureDlg : public SkinnedDialog, private ProfileListView {
    Q_OBJECT
public:
    CConfigureDlg(ConfiguratorModel& model, ProfileStore& store, SkinPainter& painter,
                  UiLanguage language, FilePicker& files, QWidget* parent = nullptr);

    // Lists the folder and runs the dialog modally; true for OK.
    bool run();

    ProfileDialogController& controller() { return controller_; }
    CTransparentListBox* list() const { return list_; }

private:
    void showLines(const QStringList& lines, int selected) override;
    void showMenu(const QPoint& at);

    ProfileDialogController controller_;
    CTransparentListBox* list_ = nullptr;
};

} // namespace vantrel::ui
