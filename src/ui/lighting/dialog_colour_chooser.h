// SPDX-License-Identifier: MIT
#pragma once

#include "ui/lighting/colour_chooser.h"
#include "ui/lighting/custom_colour_dialog.h"

#include <QImage>
#include <QPointer>
#include <cstdint>

class QWidget;

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

// The colour chooser of the running program: one long-lived dialog, run
// again for each colour edit.
class DialogColourChooser : public ColourChooser {
public:
    DialogColourChooser(ConfiguratorModel& model, const QImage& skin, std::uint16_t uiLanguage,
                        QWidget* parent = nullptr);
    ~DialogColourChooser() override;

    bool run() override;
    CCustomColorDialog& dialog() { return *dialog_; }

private:
    // Owned here; a parent window may end it first, which the pointer notices.
    QPointer<CCustomColorDialog> dialog_;
};

} // namespace vantrel::ui
