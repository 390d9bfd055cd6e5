// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace vantrel::ui {

// The in-place editor of the skinned list box: Enter (on its release) and
// leaving the field commit, Escape cancels. Key presses it handles never
// reach the dialog, so neither Enter nor Escape ends the dialog meanwhile.
class CEditHelper : public QLineEdit {
    Q_OBJECT
public:
    explicit CEditHelper(QWidget* parent);

signals:
    // true: commit, false: cancel.
    void done(bool commit);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace vantrel::ui
