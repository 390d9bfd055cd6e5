// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/rgb.h"
#include "ui/skin/dialog_controller.h"
#include "ui/skin/skin_store.h"

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class SkinPainter;

// What the colour chooser's controller asks of the dialog's widgets.
class ColourDialogWidgets {
public:
    virtual ~ColourDialogWidgets() = default;
    // The spectrum shows `c` (without reporting it back).
    virtual void showInSpectrum(Rgb c) = 0;
    // The value boxes show the exchange colour again.
    virtual void refillValues() = 0;
};

// The colour chooser's face and clicks: the palette, the selected cell, the
// labels and preview, the close square. The exchange colour of the model is
// the chooser's colour at every moment.
class ColourDialogController : public DialogController {
public:
    // The face is "Color_BK.png" of `skins`; where there is none, the
    // chooser draws a plain face of its own.
    ColourDialogController(ConfiguratorModel& model, SkinPainter& painter, SkinFolder skins,
                           DialogHost& host, ColourDialogWidgets& widgets);

    // Takes the exchange colour as the starting colour.
    void start();
    // The user changed the colour in the spectrum.
    void spectrumChanged(Rgb c);
    int selectedCell() const { return selectedCell_; }

    QSize size() override;
    void compose(QPainter& p) override;
    bool dragsFrom(int x, int y) const override;
    void release(int x, int y) override;
    AccessRegions accessRegions() const override;

private:
    static void drawPlainFace(QPainter& p);

    ConfiguratorModel& model_;
    SkinPainter& painter_;
    SkinFolder skins_;
    DialogHost& host_;
    ColourDialogWidgets& widgets_;
    int selectedCell_ = -1;
};

} // namespace vantrel::ui
