// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_region.h"

class QWidget;

namespace vantrel::ui {

// Tells assistive technology what changed on a painted face since the last
// look: values of sliders, states, names and descriptions, the focused
// region, regions that came or went. The face calls it after each repaint.
class AccessNotifier {
public:
    void update(QWidget* widget, AccessibleFace& face);

private:
    AccessRegions last_;
    QString lastFocus_;
};

} // namespace vantrel::ui
