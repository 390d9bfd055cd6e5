// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"

#include <QColor>
#include <QPoint>
#include <QString>

class QPainter;

namespace vantrel::ui {

// What the main window offers the panels drawn on its canvas: the skin
// images, the program's own text drawing, and the six bitmap sliders.
class PanelHost {
public:
    virtual ~PanelHost() = default;

    // Copies the skin image `name` opaque at its own size to (x, y).
    virtual void drawSkinImage(QPainter& p, const QString& name, int x, int y) = 0;
    // The program's label ("Arial" of the given cell height, weight 300,
    // transparent background) in `colour`; (x, y) is the top-left of the
    // text cell.
    virtual void drawLabel(QPainter& p, const QString& text, int x, int y, int height,
                           const QColor& colour) = 0;
    // A button's label: at the skin's place in the languages whose skins
    // were drawn for their texts, centred in `box` in the others.
    virtual void drawButtonLabel(QPainter& p, const QString& text, QPoint skinPlace,
                                 const layout::Region& box, int height) = 0;
    // One-pixel white outline from (x, y) to (x + w, y + h).
    virtual void drawOutline(QPainter& p, int x, int y, int w, int h) = 0;

    // Sliders are identified by their control ids (SliderId). Drawing a
    // slider stores its position into its image field.
    virtual void drawSlider(QPainter& p, int id) = 0;
    virtual void setSliderVisible(int id, bool visible) = 0;
    virtual void setSliderEnabled(int id, bool enabled) = 0;
    virtual bool sliderEnabled(int id) const = 0;
    virtual int sliderPosition(int id) const = 0;
    virtual void setSliderPosition(int id, int position) = 0;

    // Requests a repaint of the whole window.
    virtual void repaint() = 0;
};

} // namespace vantrel::ui
