// SPDX-License-Identifier: MIT
#include "ui/main_window.h"

#include "ui/main_window_controller.h"
#include "ui/single_instance.h"
#include "ui/skin/message_boxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

namespace vantrel::ui {

CQuendalDlg::CQuendalDlg(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    // A later copy of the program finds this window by its title.
    setWindowTitle(QString::fromUtf8(CQuendalApp::kWindowTitle));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The whole face is drawn from the composed picture: nothing to erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void CQuendalDlg::attach(MainWindowController* controller) {
    controller_ = controller;
    const QSize size = controller_->windowSize();
    if (size.isValid()) {
        setFixedSize(size);
    }
    controller_->prepare(devicePixelRatio());
    update();
}

void CQuendalDlg::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* w = windowHandle(); w && !screenWatched_) {
        // Not every platform repaints a window whose screen changed.
        connect(w, &QWindow::screenChanged, this, [this] { repaint(); });
        screenWatched_ = true;
    }
}

void CQuendalDlg::repaint() {
    update();
}

void CQuendalDlg::paintEvent(QPaintEvent*) {
    if (!controller_) {
        return;
    }
    // At the screen's scale of this very paint: the window may have moved
    // to a screen of another scale since the last one.
    QPainter p(this);
    controller_->paint(p, devicePixelRatio());
    if (hasFocus() && !keyboard_.focus().isEmpty()) {
        keyboard_.paintRing(p, accessRegions());
    }
    notifier_.update(this, *this);
}

bool CQuendalDlg::focusNextPrevChild(bool next) {
    if (!controller_) {
        return false;
    }
    // The window has no widgets of its own: the focus goes round its regions.
    if (!keyboard_.step(*this, next)) {
        keyboard_.step(*this, next);
    }
    repaint();
    return true;
}

AccessRegions CQuendalDlg::accessRegions() {
    AccessRegions regions = controller_ ? controller_->accessRegions() : AccessRegions{};
    keyboard_.mark(regions);
    return regions;
}

void CQuendalDlg::activateRegion(const AccessRegion& region) {
    if (controller_) {
        controller_->activateRegion(region);
    }
}

void CQuendalDlg::setRegionPosition(const AccessRegion& region, int position) {
    if (controller_) {
        controller_->setRegionPosition(region, position);
    }
}

void CQuendalDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !controller_) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    pressOffset_ = pos;
    manualMove_ = false;
    controller_->mousePress(pos.x(), pos.y());
}

void CQuendalDlg::mouseMoveEvent(QMouseEvent* event) {
    if (!controller_) {
        return;
    }
    const bool leftDown = event->buttons().testFlag(Qt::LeftButton);
    if (manualMove_) {
        if (leftDown) {
            move(event->globalPosition().toPoint() - pressOffset_);
            return;
        }
        manualMove_ = false;
    }
    const QPoint pos = event->position().toPoint();
    controller_->mouseMove(pos.x(), pos.y(), leftDown);
}

void CQuendalDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !controller_) {
        return;
    }
    if (manualMove_) {
        manualMove_ = false;
        return;
    }
    const QPoint pos = event->position().toPoint();
    controller_->mouseRelease(pos.x(), pos.y());
}

void CQuendalDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control && controller_ && !event->isAutoRepeat()) {
        controller_->ctrlPressed();
        return;
    }
    if (controller_ && !controller_->busy() && keyboard_.keyPress(*event, *this)) {
        repaint();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CQuendalDlg::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control && controller_ && !event->isAutoRepeat()) {
        controller_->ctrlReleased();
        repaint();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void CQuendalDlg::closeEvent(QCloseEvent* event) {
    // Closing by the window system does what the close button does.
    event->ignore();
    if (controller_ && !controller_->busy()) {
        controller_->close();
    }
}

void CQuendalDlg::contextMenuEvent(QContextMenuEvent* event) {
    if (!about_) {
        return;
    }
    QMenu menu(this);
    menu.addAction(QCoreApplication::translate("MainWindow", "About Quendal..."), this,
                   [this] { about_(); });
    menu.exec(event->globalPos());
}

void CQuendalDlg::hideWindow() {
    if (canHide_ && canHide_()) {
        hide();
    } else {
        // Without a tray icon a hidden window could never come back.
        showMinimized();
    }
}

void CQuendalDlg::showWindow() {
    showNormal();
    raise();
    activateWindow();
}

void CQuendalDlg::endProgram() {
    if (end_) {
        end_();
    } else {
        QApplication::quit();
    }
}

void CQuendalDlg::setBusy(bool busy) {
    if (busy == busy_) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void CQuendalDlg::startSystemMove() {
    QWindow* w = windowHandle();
    if (w && w->startSystemMove()) {
        return;
    }
    manualMove_ = true;
}

void CQuendalDlg::after(int milliseconds, std::function<void()> task) {
    QTimer::singleShot(milliseconds, this, std::move(task));
}

bool CQuendalDlg::confirm(const QString& text, const QString& caption) {
    return askOkCancel(this, text, caption);
}

void CQuendalDlg::inform(const QString& text, const QString& caption) {
    tell(this, text, caption);
}

} // namespace vantrel::ui
