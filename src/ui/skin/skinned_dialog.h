// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_notifier.h"
#include "ui/access/face_keyboard.h"
#include "ui/skin/dialog_controller.h"

#include <QDialog>
#include <QImage>
#include <QPoint>

namespace vantrel::ui {

// The view of every skinned dialog: frameless and modal, as large as its
// background, its face composed off-screen by the controller and copied in
// one piece. A press on the background followed by a move drags the window
// (by the window system where it can, else by hand); a press and release
// without a move is a click for the controller. Message boxes are the
// dialog's own. The keyboard goes through the painted regions and the
// dialog's own widgets alike, in reading order, with the ring on the face.
class SkinnedDialog : public QDialog, public DialogHost, public AccessibleFace {
    Q_OBJECT
public:
    explicit SkinnedDialog(QWidget* parent = nullptr);
    ~SkinnedDialog() override;

    // The controller must outlive the view's use of it; the dialog takes
    // its size.
    void setController(DialogController* controller);
    // One modal run; true for OK.
    bool runModal() { return exec() == QDialog::Accepted; }

    // DialogHost
    void repaint() override;
    void finish(bool ok) override;
    bool confirm(const QString& text, const QString& caption) override;
    void inform(const QString& text, const QString& caption) override;

    // AccessibleFace
    AccessRegions accessRegions() override;
    AccessRegions keyboardStops() override;
    void activateRegion(const AccessRegion& region) override;

    // The stop the keyboard is on (a region's id, or a widget's stop).
    const QString& keyboardFocus() const { return keyboard_.focus(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // The keyboard's ring goes to the stop of this widget.
    void showKeyboardOn(QWidget* widget);
    // True while Tab or Shift+Tab moves the focus (a window system that
    // activates the dialog gives its first widget the focus with the same
    // reason).
    bool movingByKeys() const { return movingByKeys_; }

private:
    // The ring follows a widget that took the focus by other means.
    void followFocus(QWidget* now);
    bool focusWithin() const;

    DialogController* controller_ = nullptr;
    QImage canvas_;
    bool pressed_ = false;  // the left button went down on the face
    bool dragFrom_ = false; // ... on a point that moves the window
    bool movingByHand_ = false;
    QPoint pressAt_; // client point of the press
    AccessNotifier notifier_;
    FaceKeyboard keyboard_;
    QMetaObject::Connection focusWatch_;
    bool movingByKeys_ = false;
};

} // namespace vantrel::ui
