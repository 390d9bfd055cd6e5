// SPDX-License-Identifier: MIT
#include "ui/lighting/dialog_colour_chooser.h"

#include "ui/lighting/custom_colour_dialog.h"

namespace vantrel::ui {

DialogColourChooser::DialogColourChooser(ConfiguratorModel& model, const QImage& skin,
                                         std::uint16_t uiLanguage, QWidget* parent)
    : dialog_(new CCustomColorDialog(model, skin, uiLanguage, parent)) {}

DialogColourChooser::~DialogColourChooser() {
    delete dialog_.data();
}

bool DialogColourChooser::run() {
    return dialog_->run();
}

} // namespace vantrel::ui
