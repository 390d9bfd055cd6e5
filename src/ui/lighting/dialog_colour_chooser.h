// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"
#include "ui/lighting/colour_chooser.h"
#include "ui/lighting/custom_colour_dialog.h"

#include <QPointer>

class QWidget;

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class SkinPainter;

// The colour chooser of the running program: one long-lived dialog, run
// again for each colour edit, on the skin of the interface language.
class DialogColourChooser : public ColourChooser {
public:
    DialogColourChooser(ConfiguratorModel& model, SkinPainter& painter, UiLanguage language,
                        QWidget* parent = nullptr);
    ~DialogColourChooser() override;

    bool run() override;
    CCustomColorDialog& dialog() { return *dialog_; }

private:
    // Owned here; a parent window may end it first, which the pointer notices.
    QPointer<CCustomColorDialog> dialog_;
};

} // namespace vantrel::ui
