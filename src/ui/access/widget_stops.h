// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_region.h"

class QWidget;

namespace vantrel::ui {

// A painted window that also holds widgets of its own (fields, lists)
// goes through both with Tab: each widget the keyboard can reach is one
// more stop among the regions. Screen readers see the widgets themselves,
// so these stops are for the keyboard only.
AccessRegions withWidgetStops(AccessRegions regions, const QWidget& window);
// The widget a stop stands for, or nothing when it is a region.
QWidget* widgetOfStop(const QWidget& window, const QString& id);
// The stop of the window's child that holds `focused`, or an empty id.
QString stopOfWidget(const QWidget& window, const QWidget* focused);

} // namespace vantrel::ui
