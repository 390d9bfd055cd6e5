// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/colour_dialog_layout.h"
#include "core/model/interface_language.h"
#include "core/model/rgb.h"
#include "ui/lighting/colour_dialog_controller.h"
#include "ui/skin/skinned_dialog.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class CXColorSpectrumCtrl;
class SkinPainter;

// The modal colour chooser: a palette of 64 cells, the spectrum, read-only
// value boxes, a preview square. It starts from the model's exchange colour
// and keeps that colour up to date on every change; callers read it after OK.
class CCustomColorDialog : public SkinnedDialog, private ColourDialogWidgets {
    Q_OBJECT
public:
    // The dialog's background picture is "Color_BK.png" of `skins`; without
    // one the dialog draws a plain background of its own.
    CCustomColorDialog(ConfiguratorModel& model, SkinPainter& painter, const SkinFolder& skins,
                       UiLanguage language, QWidget* parent = nullptr);

    // Prepares the dialog from the exchange colour; run() does this itself.
    void startFromExchangeColour();
    // One modal run; true for OK.
    bool run();

    ColourDialogController& controller() { return controller_; }
    int selectedCell() const { return controller_.selectedCell(); }
    CXColorSpectrumCtrl* spectrum() const { return spectrum_; }
    QString boxText(int controlId) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    static constexpr int kFallbackWidth = layout::colour_dialog::kFallbackWidth;
    static constexpr int kFallbackHeight = layout::colour_dialog::kFallbackHeight;

private:
    // ColourDialogWidgets
    void showInSpectrum(Rgb c) override;
    void refillValues() override;

    ConfiguratorModel& model_;
    ColourDialogController controller_;
    CXColorSpectrumCtrl* spectrum_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    // Red, green, blue, hue, saturation, luminosity.
    std::array<QLineEdit*, 6> boxes_{};
};

} // namespace vantrel::ui
