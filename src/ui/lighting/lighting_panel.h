// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_region.h"

class QPainter;
class QPoint;

namespace vantrel::ui {

// The lighting and device-switch panel on the left of the main window and
// the per-key colouring of the keyboard picture. The main window hands it
// the commands of its regions; it edits the model only.
class LightingPanel {
public:
    virtual ~LightingPanel() = default;

    // Draws the whole left panel onto the window's canvas.
    virtual void paint(QPainter& p) = 0;
    // Commands 3-15 and 23-35 of the main window's regions.
    virtual void command(int c) = 0;
    // A release while the keyboard or wrist effect list is open.
    virtual void keyboardListClick(const QPoint& at) = 0;
    virtual void wristListClick(const QPoint& at) = 0;
    // A key click in the per-key colour view.
    virtual void perKeyColourClick(int key) = 0;
    // The keyboard changed its lighting by itself (notification type).
    virtual void deviceLightingChanged(int type) = 0;
    // Per-key colour overlay of the keyboard picture (effects 51-55).
    virtual void paintPerKeyOverlay(QPainter& p) = 0;
    // The panel's regions as paint() shows them now, for assistive
    // technology.
    virtual void describe(AccessRegions&) const {}
};

} // namespace vantrel::ui
