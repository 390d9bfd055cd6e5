// SPDX-License-Identifier: MIT
#include "ui/lighting/dialog_colour_chooser.h"

#include "ui/skin/skin_painter.h"

namespace vantrel::ui {

DialogColourChooser::DialogColourChooser(ConfiguratorModel& model, SkinPainter& painter,
                                         UiLanguage language, QWidget* parent)
    : dialog_(
          new CCustomColorDialog(model, painter, SkinFolder::of(language, {}), language, parent)) {}

DialogColourChooser::~DialogColourChooser() {
    delete dialog_.data();
}

bool DialogColourChooser::run() {
    return dialog_ && dialog_->run();
}

} // namespace vantrel::ui
