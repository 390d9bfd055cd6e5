// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>

namespace vantrel::ui {

// The program's two message boxes, over `parent`: OK and Cancel (true for
// OK), and a message with an OK button.
inline bool askOkCancel(QWidget* parent, const QString& text, const QString& caption) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

inline void tell(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox::information(parent, caption, text);
}

} // namespace vantrel::ui
