// SPDX-License-Identifier: MIT
#pragma once

#include "text_contrast.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace vantrel::ui::testing {

// A text one of Qt's widgets draws on a dialog: a field's text, a button's,
// a line of a list or a tree, and how it reads.
struct WidgetText {
    QString what; // the widget's kind and state
    QString text;
    QRect ink;
    LabelContrast contrast;
};

// Every such text of the dialog's visible widgets, measured as the labels
// are: the dialog grabbed with each text and once more without it. The
// first line of each list and tree is also measured chosen.
std::vector<WidgetText> widgetTexts(QWidget& dialog);

} // namespace vantrel::ui::testing
