// SPDX-License-Identifier: MIT
#pragma once

#include "ui/macros/macro_dialog_controller.h"
#include "ui/skin/skinned_dialog.h"

#include <QTimer>

class QLineEdit;
class QMenu;

namespace vantrel::ui {

class CTransparentListBox;
struct MacroMenuItem;

// The macro manager's window: the skinned face, the macro list (renamed in
// place), the event list (delays edited in place, its menu on a
// right-click) and the loop-count field. Escape and Enter never end it.
class CMacroRecordDlg : public SkinnedDialog, private MacroDialogWidgets {
    Q_OBJECT
public:
    CMacroRecordDlg(const KeyNameTable& names, MonotonicClock clock, SkinPainter& painter,
                    UiLanguage language, KeyHook& hook, QWidget* parent = nullptr);
    ~CMacroRecordDlg() override;

    // One modal run on a working copy of `master`; true for OK. After OK,
    // controller().tableKept() says whether the working table is to be kept.
    bool run(const MacroTable& master);
    // Prepares the dialog as run() does, without the modal loop (tests).
    void start(const MacroTable& master);

    MacroDialogController& controller() { return controller_; }
    CTransparentListBox* macroList() const { return macroList_; }
    CTransparentListBox* eventList() const { return eventList_; }
    QLineEdit* loopEdit() const { return loopEdit_; }
    // The event list's menu as a right-click there opens it.
    QMenu* buildEventMenu();

    void done(int result) override;

private:
    void showMacros(const QStringList& names, int selected) override;
    void showEvents(const QStringList& lines, int selected) override;
    void showLoop(const QString& text, bool enabled) override;
    void addItems(QMenu& menu, const std::vector<MacroMenuItem>& items);

    UiLanguage language_;
    MacroDialogController controller_;
    CTransparentListBox* macroList_ = nullptr;
    CTransparentListBox* eventList_ = nullptr;
    QLineEdit* loopEdit_ = nullptr;
    QTimer names_; // carries renames into the working table
    bool renaming_ = false;
};

} // namespace vantrel::ui
