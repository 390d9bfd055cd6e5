// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"
#include "core/macro/macro_manager.h"
#include "core/model/interface_language.h"
#include "ui/capture/key_hook.h"
#include "ui/skin/dialog_controller.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QWidget;

namespace vantrel::ui {

class SkinPainter;

// What the macro manager's controller asks of the dialog's widgets. Showing
// lines never reports a selection back.
class MacroDialogWidgets {
public:
    virtual ~MacroDialogWidgets() = default;
    virtual void showMacros(const QStringList& names, int selected) = 0;
    virtual void showEvents(const QStringList& lines, int selected) = 0;
    virtual void showLoop(const QString& text, bool enabled) = 0;
};

// The macro manager without a screen: its face and buttons, the hook while
// something records, the event list's commands and the messages. The
// macros themselves live in MacroManager.
class MacroDialogController : public DialogController {
    Q_DECLARE_TR_FUNCTIONS(MacroManager)

public:
    MacroDialogController(const KeyNameTable& names, MonotonicClock clock, SkinPainter& painter,
                          UiLanguage language, KeyHook& hook, DialogHost& host);
    ~MacroDialogController() override;
    MacroDialogController(const MacroDialogController&) = delete;
    MacroDialogController& operator=(const MacroDialogController&) = delete;

    void setWidgets(MacroDialogWidgets* widgets) { widgets_ = widgets; }
    // The window that holds the hook; events for it are handled on its thread.
    void setWindow(QWidget* window) { window_ = window; }

    // A fresh working copy of `master`.
    void open(const MacroTable& master);
    MacroManager& manager() { return manager_; }
    const MacroManager& manager() const { return manager_; }
    bool hookInstalled() const { return hookInstalled_; }
    // After the dialog ended with OK: whether the working table is the one
    // to keep (OK, not the close box).
    bool tableKept() const { return kept_; }

    // From the widgets.
    void selectMacro(int index);
    void selectEventLine(int line);
    void loopTextChanged(const QString& text);
    bool acceptName(const QString& name);
    void renamed(int index, const QString& name);
    // The dialog's 100 ms timer: renames reach the working table.
    void tick() { manager_.syncNames(); }
    void command(int id);
    void editStarted();
    void delayCommitted(int line, int value);
    // A key from the hook. While recording every key is taken, Esc too;
    // Esc pressed twice in a row stops the recording without itself.
    void keyEvent(MacroEventRecorded event);
    // The window goes away however it ends: the hook goes with it.
    void closing();
    // The event list again from the streams (after the list's own editor
    // has finished with its line).
    void showEvents();

    // Button functions, as the face's regions call them.
    void record();
    void newMacro();
    void deleteMacro();
    void ok();
    void cancel();
    void closeBox();

    // DialogController
    QSize size() override;
    void compose(QPainter& p) override;
    bool dragsFrom(int x, int y) const override;
    void release(int x, int y) override;
    void hover(int x, int y) override;
    void leave() override;
    bool escape() override;
    AccessRegions accessRegions() const override;

    static const QString& skinFolderName();

private:
    // The hook follows whether anything records.
    void syncHook();
    // True when the event was the second Esc, which stopped the recording.
    bool stopsRecording(MacroEventRecorded event);
    void removeHook();
    // Message boxes, with the hook out of the way while they are open.
    void tell(const QString& text, const QString& caption);
    bool ask(const QString& text, const QString& caption);
    // Everything the widgets show, and the face.
    void refresh();
    void report(MacroEdit edit);
    QString caption() const;
    void composeDelayCaption(QPainter& p);

    MacroManager manager_;
    SkinPainter& painter_;
    UiLanguage language_;
    KeyHook& hook_;
    DialogHost& host_;
    MacroDialogWidgets* widgets_ = nullptr;
    QWidget* window_ = nullptr;
    layout::HoverTracker hover_;
    bool hookInstalled_ = false;
    bool kept_ = false;
    // Esc as the last keys of a recording: 1 pressed, 2 pressed and
    // released; the events before it.
    int escapeStroke_ = 0;
    MacroStreams beforeEscape_;
};

} // namespace vantrel::ui
