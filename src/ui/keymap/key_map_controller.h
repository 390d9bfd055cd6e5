// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/key_map_layout.h"
#include "core/layout/region.h"
#include "core/model/assignment_commit.h"
#include "core/model/interface_language.h"
#include "ui/skin/dialog_controller.h"
#include "ui/skin/skin_store.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class FilePicker;
class SkinPainter;

// The key assignment dialog's controls, as its controller drives them.
class KeyMapView {
public:
    enum Field : int { kSingleField = 0, kComboField = 1 };

    virtual ~KeyMapView() = default;
    // Shows the controls of `tab` and hides the others.
    virtual void showTab(int tab) = 0;
    // The field's text, with the caret at its end.
    virtual void setFieldText(Field field, const QString& text) = 0;
    virtual void focusField(Field field) = 0;
    virtual void setMacroLines(const QStringList& lines) = 0;
    // Selects a line of the macro list (-1: none) and gives the list the focus.
    virtual void selectMacroLine(int line) = 0;
    // Selects a row of the basic function tree and opens its group (-1: none).
    virtual void selectFunction(int row) = 0;
    // The key capture stops while another window (a picker, a message)
    // needs the keyboard, and starts again after it.
    virtual void suspendCapture() = 0;
    virtual void resumeCapture() = 0;
};

// The key assignment dialog without a screen: what it shows for the key's
// stored assignment, the tabs, the captured keys, the disable box, the
// advanced rows, and the choice it leaves in the pending values for the
// commit. Entering the key tab or the advanced tab from another tab resets
// the key's record in the model at once; the caller puts the record back
// when the dialog is cancelled.
class KeyMapController : public DialogController {
public:
    static constexpr int kNoChoice = 255;

    KeyMapController(ConfiguratorModel& model, PendingAssignment& pending, SkinPainter& painter,
                     UiLanguage language, FilePicker& files, DialogHost& host, KeyMapView& view);

    // Prepares an opening for key `key` (0-107) from its record and enable
    // bit. The view installs the key capture afterwards and reports it.
    void open(int key);
    void setHookInstalled(bool installed) { hookInstalled_ = installed; }
    bool hookInstalled() const { return hookInstalled_; }

    // How a press ended the capture. Tab and Esc are keys like any other
    // while the capture runs; the same one pressed twice in a row takes
    // back what the first took and leaves the capture: Tab for the next
    // control, Esc to stay on the field with the keys navigating.
    enum class CaptureEnd { None, Next, Stay };

    // Input from the controls and the key capture.
    CaptureEnd keyCaptured(std::uint8_t virtualKey);
    // A key field began to capture (the opening, a click, Enter or Space).
    void fieldFocused(KeyMapView::Field field);
    void macroSelected(int line) { selectedMacro_ = line; }
    void functionSelected(int row) { selectedFunction_ = row; }
    // "Delete All" of the combination field's menu.
    void deleteAll();

    int tab() const { return tab_; }
    bool disableToggle() const { return disableToggle_; }
    int advancedChoice() const { return advancedChoice_; }
    int hoveredButton() const { return hover_.current(); }
    int hoveredBrowse() const { return hoveredBrowse_; }
    int selectedMacro() const { return selectedMacro_; }
    int selectedFunction() const { return selectedFunction_; }
    int capturedCount() const { return captured_; }
    const QString& fieldText(KeyMapView::Field f) const { return fieldText_[f]; }
    QString title() const;
    const SkinFolder& skinFolder() const { return folder_; }

    // How the advanced tab shows a chosen path: whole when shorter than 14
    // characters, else ".." and its part from the last separator on.
    static QString shownPath(const std::u16string& path);

    // DialogController
    QSize size() override;
    void compose(QPainter& p) override;
    bool dragsFrom(int x, int y) const override;
    void release(int x, int y) override;
    void hover(int x, int y) override;
    void leave() override;
    bool escape() override;
    AccessRegions accessRegions() const override;

private:
    // What one captured key may be taken back to.
    struct Taken {
        decltype(PendingAssignment::PendingKeys) keys{};
        int count = 0;
        int captured = 0;
        QString text[2];
    };
    Taken taken() const;
    void giveBack(const Taken& t);

    void showStoredAssignment(const AssignmentRecord& r);
    void clearCapture();
    void setField(KeyMapView::Field f, const QString& text);
    QString capturedNames() const;
    void enterKeyTab();
    void enterAdvancedTab();
    void switchTab(int tab);
    void save();
    void saveBasicFunction();
    void advancedClick(int x, int y);
    void browse(int row);
    void tell(const QString& text);
    std::uint8_t enabledByToggle() const { return disableToggle_ ? 0 : 1; }

    void composeTabs(QPainter& p);
    void composeKeyTab(QPainter& p);
    void composeAdvancedTab(QPainter& p);
    void composeFooter(QPainter& p);
    void describeAdvancedTab(AccessRegions& out) const;
    void image(QPainter& p, const char* name, int x, int y);

    ConfiguratorModel& model_;
    PendingAssignment& pending_;
    SkinPainter& painter_;
    UiLanguage language_;
    FilePicker& files_;
    DialogHost& host_;
    KeyMapView& view_;
    SkinFolder folder_;

    int key_ = 0;
    int tab_ = 0;
    bool disableToggle_ = false;
    int advancedChoice_ = kNoChoice;
    bool hookInstalled_ = false;
    bool firstFocusGuard_ = false;
    int lastFocused_ = -1;       // the key field that had the focus last
    int captured_ = 0;           // keys in PendingKeys
    std::uint8_t lastTaken_ = 0; // the key the capture took last, 0: none yet
    Taken beforeLast_;           // the keys before it
    int selectedMacro_ = -1;
    int selectedFunction_ = -1;
    int macroCount_ = 0;
    QString fieldText_[2];
    layout::HoverTracker hover_{layout::key_map::kNone};
    int hoveredBrowse_ = -1;
    int finishWith_ = 0; // 0: stay open, 1: OK, 2: Cancel
};

} // namespace vantrel::ui
