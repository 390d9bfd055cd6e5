// SPDX-License-Identifier: MIT
#include "ui/widgets/edit_helper.h"

#include <QKeyEvent>

namespace vantrel::ui {

CEditHelper::CEditHelper(QWidget* parent) : QLineEdit(parent) {
    setFrame(true);
    setStyleSheet(QStringLiteral("QLineEdit { color: white; background: black;"
                                 " border: 1px solid #24C8E0; padding: 0px 2px; }"));
}

void CEditHelper::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept(); // committed on the release
        return;
    case Qt::Key_Escape:
        event->accept();
        emit done(false);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void CEditHelper::keyReleaseEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        event->accept();
        emit done(true);
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

void CEditHelper::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (isVisible()) {
        emit done(true);
    }
}

} // namespace vantrel::ui
