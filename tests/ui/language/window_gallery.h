// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"
#include "ui/skin/skin_painter.h"

#include <QImage>
#include <QString>
#include <QWidget>
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

// One picture of a window with the same face drawn again without the
// program's labels: the pixels each label stands on. `window` is the
// dialog with its widgets (null for the main window, which has none).
struct Face {
    QString name;
    QImage picture;
    QImage bare;
    std::vector<DrawnLabel> labels;
    QWidget* window = nullptr;
};
using FaceSink = std::function<void(const Face&)>;
// The pictures of drawEveryWindow and the states that change what stands
// behind a text: each button of the dialogs under the pointer, a hovered
// row of each effect list.
void drawEveryFace(UiLanguage language, const FaceSink& face);

} // namespace vantrel::ui::testing
