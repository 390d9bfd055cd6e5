// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_notifier.h"
#include "ui/access/access_region.h"
#include "ui/access/face_keyboard.h"
#include "ui/user_prompts.h"
#include "ui/window_shell.h"

#include <QPoint>
#include <QWidget>
#include <functional>

namespace vantrel::ui {

class MainWindowController;

// The main window: a frameless window the size of its background skin that
// shows the controller's picture and hands it the pointer and Ctrl key.
class CQuendalDlg : public QWidget, public WindowShell, public UserPrompts, public AccessibleFace {
    Q_OBJECT
public:
    explicit CQuendalDlg(QWidget* parent = nullptr);
    // The controller is made with this window as its shell; attach it after.
    void attach(MainWindowController* controller);
    // Whether the window may hide itself now (a tray icon brings it back);
    // asked at each hiding, since a panel may come or go meanwhile.
    void setCanHide(std::function<bool()> canHide) { canHide_ = std::move(canHide); }
    // What "About" shows; the window's context menu offers it too.
    void setAboutAction(std::function<void()> about) { about_ = std::move(about); }
    void setEndProgram(std::function<void()> end) { end_ = std::move(end); }

    // WindowShell
    void repaint() override;
    void hideWindow() override;
    void showWindow() override;
    void endProgram() override;
    void setBusy(bool busy) override;
    void startSystemMove() override;
    void after(int milliseconds, std::function<void()> task) override;

    // UserPrompts
    bool confirm(const QString& text, const QString& caption) override;
    void inform(const QString& text, const QString& caption) override;

    // AccessibleFace
    AccessRegions accessRegions() override;
    void activateRegion(const AccessRegion& region) override;
    void setRegionPosition(const AccessRegion& region, int position) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    MainWindowController* controller_ = nullptr;
    std::function<bool()> canHide_;
    bool busy_ = false;
    bool manualMove_ = false;
    bool screenWatched_ = false;
    QPoint pressOffset_;
    std::function<void()> about_;
    std::function<void()> end_;
    AccessNotifier notifier_;
    FaceKeyboard keyboard_;
};

} // namespace vantrel::ui
