// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"
#include "ui/skin/skin_painter.h"

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace vantrel::ui::testing {

// Every window of the program drawn in one language, in the states that
// show its texts: the main window with its lists and menus, each tab of the
// key assignment dialog, the macro manager idle and recording, the profile
// manager and the colour chooser. `shot` receives each picture by name with
// the labels the program drew on it.
using ShotSink = std::function<void(const QString& name, const QImage& picture,
                                    const std::vector<DrawnLabel>& labels)>;
void drawEveryWindow(UiLanguage language, const ShotSink& shot);

} // namespace vantrel::ui::testing
