// SPDX-License-Identifier: MIT
#include "ui/skin/skinned_dialog.h"

#include "ui/access/widget_stops.h"
#include "ui/skin/message_boxes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <QtMath>

namespace vantrel::ui {

SkinnedDialog::SkinnedDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    setMouseTracking(true);
    // The face is the controller's picture: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Tab, not a click: a click on a painted button leaves the focus (and a
    // running key capture) where it was.
    setFocusPolicy(Qt::TabFocus);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* now) { followFocus(now); });
}

SkinnedDialog::~SkinnedDialog() {
    // The children go after this part of the dialog, and their focus
    // changes must not reach it.
    disconnect(focusWatch_);
}

void SkinnedDialog::setController(DialogController* controller) {
    controller_ = controller;
    if (controller_) {
        const QSize size = controller_->size();
        if (size.isValid()) {
            setFixedSize(size);
        }
    }
    repaint();
}

void SkinnedDialog::repaint() {
    update();
}

void SkinnedDialog::finish(bool ok) {
    if (ok) {
        accept();
    } else {
        reject();
    }
}

void SkinnedDialog::paintEvent(QPaintEvent*) {
    if (!controller_) {
        return;
    }
    // Composed at the screen's scale: the controller draws in logical
    // pixels, the painter puts them on the canvas's finer ones.
    const qreal scale = devicePixelRatio();
    const QSize pixels(qCeil(width() * scale), qCeil(height() * scale));
    if (canvas_.size() != pixels || canvas_.devicePixelRatio() != scale) {
        canvas_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        canvas_.setDevicePixelRatio(scale);
    }
    canvas_.fill(Qt::black);
    {
        QPainter p(&canvas_);
        controller_->compose(p);
    }
    QPainter p(this);
    p.drawImage(0, 0, canvas_);
    if (!keyboard_.focus().isEmpty() && focusWithin()) {
        keyboard_.paintRing(p, keyboardStops());
    }
    notifier_.update(this, *this);
}

AccessRegions SkinnedDialog::accessRegions() {
    AccessRegions regions = controller_ ? controller_->accessRegions() : AccessRegions{};
    keyboard_.mark(regions);
    return regions;
}

AccessRegions SkinnedDialog::keyboardStops() {
    return withWidgetStops(accessRegions(), *this);
}

bool SkinnedDialog::focusWithin() const {
    const QWidget* f = QApplication::focusWidget();
    return f && (f == this || isAncestorOf(f));
}

void SkinnedDialog::followFocus(QWidget* now) {
    // Only once the keyboard is in use: a pointer user sees no ring.
    if (keyboard_.focus().isEmpty() || !now || now == this || !isAncestorOf(now)) {
        return;
    }
    keyboard_.focusOn(stopOfWidget(*this, now));
    update();
}

void SkinnedDialog::showKeyboardOn(QWidget* widget) {
    if (const QString stop = stopOfWidget(*this, widget); !stop.isEmpty()) {
        keyboard_.focusOn(stop);
        update();
    }
}

bool SkinnedDialog::focusNextPrevChild(bool next) {
    // Qt moves the focus on from a widget it hides (a tab's controls): no
    // key was pressed, so no ring.
    const QWidget* focused = QApplication::focusWidget();
    if (!controller_ || (focused && focused != this && !focused->isVisible())) {
        return QDialog::focusNextPrevChild(next);
    }
    if (const QString from = stopOfWidget(*this, QApplication::focusWidget()); !from.isEmpty()) {
        keyboard_.focusOn(from);
    }
    // Past the last stop the focus comes round to the first.
    if (!keyboard_.step(*this, next)) {
        keyboard_.step(*this, next);
    }
    const Qt::FocusReason reason = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    movingByKeys_ = true;
    if (QWidget* w = widgetOfStop(*this, keyboard_.focus())) {
        w->setFocus(reason);
    } else {
        setFocus(reason);
    }
    movingByKeys_ = false;
    update();
    return true;
}

void SkinnedDialog::activateRegion(const AccessRegion& region) {
    if (!controller_ || region.disabled) {
        return;
    }
    if (QWidget* w = widgetOfStop(*this, region.id)) {
        w->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The pointer's click at the region's centre, hover first as it comes.
    const QPoint at = region.rect.center();
    controller_->hover(at.x(), at.y());
    controller_->release(at.x(), at.y());
}

void SkinnedDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !controller_) {
        return;
    }
    pressed_ = true;
    movingByHand_ = false;
    pressAt_ = event->position().toPoint();
    dragFrom_ = controller_->dragsFrom(pressAt_.x(), pressAt_.y());
}

void SkinnedDialog::mouseMoveEvent(QMouseEvent* event) {
    if (!controller_) {
        return;
    }
    const bool leftDown = event->buttons().testFlag(Qt::LeftButton);
    if (!leftDown) {
        pressed_ = false;
        movingByHand_ = false;
    }
    if (movingByHand_) {
        move(event->globalPosition().toPoint() - pressAt_);
        return;
    }
    if (pressed_ && dragFrom_ && event->position().toPoint() != pressAt_) {
        // The press was on the background: the window follows the pointer
        // and the release is no click.
        pressed_ = false;
        QWindow* w = windowHandle();
        if (!(w && w->startSystemMove())) {
            movingByHand_ = true;
            move(event->globalPosition().toPoint() - pressAt_);
        }
        return;
    }
    const QPoint at = event->position().toPoint();
    controller_->hover(at.x(), at.y());
}

void SkinnedDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !controller_) {
        return;
    }
    const bool click = pressed_;
    pressed_ = false;
    if (movingByHand_) {
        movingByHand_ = false;
        return;
    }
    if (click) {
        const QPoint at = event->position().toPoint();
        controller_->release(at.x(), at.y());
    }
}

void SkinnedDialog::leaveEvent(QEvent* event) {
    if (controller_) {
        controller_->leave();
    }
    QDialog::leaveEvent(event);
}

void SkinnedDialog::keyPressEvent(QKeyEvent* event) {
    if (controller_ && hasFocus() && keyboard_.keyPress(*event, *this)) {
        update();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept(); // never the dialog's OK
        return;
    case Qt::Key_Escape:
        event->accept();
        if (controller_ && !controller_->escape()) {
            reject();
        }
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool SkinnedDialog::confirm(const QString& text, const QString& caption) {
    return askOkCancel(this, text, caption);
}

void SkinnedDialog::inform(const QString& text, const QString& caption) {
    tell(this, text, caption);
}

} // namespace vantrel::ui
