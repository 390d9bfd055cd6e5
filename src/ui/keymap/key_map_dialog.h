// SPDX-License-Identifier: MIT
#pragma once

#include "ui/capture/key_hook.h"
#include "ui/keymap/key_map_controller.h"
#include "ui/skin/skinned_dialog.h"

#include <array>
#include <vector>

class QKeyEvent;
class QLineEdit;
class QTreeWidgetItem;

namespace vantrel::ui {

class CTransparentListBox;
class VividTree;

// The key assignment dialog: the skinned face, the two key fields that show
// what the key capture took, the macro list and the basic function tree.
// The key capture runs while a key field has the focus and takes keys:
// from the opening, after a click on the field, or after Enter or Space
// on a field the keyboard came to with Tab. Everywhere else in the dialog
// the keys navigate. It pauses while a picker or a message needs the
// keyboard.
class CKeyMap : public SkinnedDialog, private KeyMapView {
    Q_OBJECT
public:
    // The combination field's menu command.
    static constexpr int kDeleteAll = 32789;

    CKeyMap(ConfiguratorModel& model, PendingAssignment& pending, SkinPainter& painter,
            UiLanguage language, FilePicker& files, KeyHook& hook, QWidget* parent = nullptr);
    ~CKeyMap() override;

    // Opens on key `key` (0-107) and runs modally; true for OK, when the
    // pending values hold the choice.
    bool run(int key);
    // Prepares the opening without running it (run() does this itself).
    void prepare(int key);

    KeyMapController& controller() { return controller_; }
    QLineEdit* singleField() const { return fields_[kSingleField]; }
    QLineEdit* comboField() const { return fields_[kComboField]; }
    CTransparentListBox* macroList() const { return list_; }
    VividTree* tree() const { return tree_; }
    QTreeWidgetItem* treeItem(int row) const;
    bool hookInstalled() const { return hookInstalled_; }
    // A key field takes keys while it has the focus.
    bool capturing() const { return armed_; }
    // The combination field's menu, as a right-click there opens it.
    void command(int id);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // KeyMapView
    void showTab(int tab) override;
    void setFieldText(Field field, const QString& text) override;
    void focusField(Field field) override;
    void setMacroLines(const QStringList& lines) override;
    void selectMacroLine(int line) override;
    void selectFunction(int row) override;
    void suspendCapture() override;
    void resumeCapture() override;

    void buildTree(UiLanguage language, SkinPainter& painter);
    void installHook();
    void removeHook();
    // The capture runs exactly while a field that takes keys has the focus.
    void updateCapture();
    void captured(std::uint8_t virtualKey);
    // A field took the focus, or a key while it has it; true: the key is used.
    void fieldFocusIn(std::size_t field, Qt::FocusReason reason);
    bool fieldKey(std::size_t field, const QKeyEvent& key);
    void startCapture(std::size_t field);
    int focusedField() const;
    void showComboMenu(const QPoint& at);

    KeyHook& hook_;
    KeyMapController controller_;
    bool hookInstalled_ = false;
    int suspended_ = 0; // nested pauses of the capture
    bool armed_ = true; // the focused key field takes keys
    std::array<QLineEdit*, 2> fields_{};
    CTransparentListBox* list_ = nullptr;
    VividTree* tree_ = nullptr;
    std::vector<QTreeWidgetItem*> rows_; // one per basic function row
};

} // namespace vantrel::ui
