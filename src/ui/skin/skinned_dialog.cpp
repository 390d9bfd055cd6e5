// SPDX-License-Identifier: MIT
#include "ui/skin/skinned_dialog.h"

#include "ui/skin/message_boxes.h"

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
    notifier_.update(this, *this);
}

AccessRegions SkinnedDialog::accessRegions() {
    return controller_ ? controller_->accessRegions() : AccessRegions{};
}

void SkinnedDialog::activateRegion(const AccessRegion& region) {
    if (!controller_ || region.disabled) {
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
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept(); // never the dialog's OK
        return;
    case Qt::Key_Escape:
        event->accept();
        if (controller_ && controller_->escapeCancels()) {
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
