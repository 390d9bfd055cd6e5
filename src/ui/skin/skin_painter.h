// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"
#include "core/model/interface_language.h"
#include "ui/skin/skin_store.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace vantrel::ui {

// A label as it was drawn: its text, the pixels its glyphs cover and the
// cell it was placed in, in the coordinates of the window's face, and the
// colour of its glyphs.
struct DrawnLabel {
    QString text;
    QRect ink;
    QRect cell;
    QColor colour;
};

// How every window draws its face: skin pictures at their own size, the
// program's labels and the one-pixel outline. One label rule for all
// windows, so a text of a given height looks the same everywhere.
// Coordinates are logical pixels; pictures come at the scale of the
// painter's device (its device pixel ratio), so a canvas composed at 2x
// gets the 2x pictures and text drawn on its own pixels.
class SkinPainter {
public:
    explicit SkinPainter(SkinStore& store) : store_(store) {}

    SkinStore& store() { return store_; }

    // Copies the picture `name` of `folder` at its own size to (x, y);
    // nothing when the picture is missing (then false).
    bool image(QPainter& p, const SkinFolder& folder, const QString& name, int x, int y);
    bool image(QPainter& p, const QString& name, int x, int y) {
        return image(p, SkinFolder::mainWindow(), name, x, y);
    }
    // Copies the part `part` (in the picture's logical pixels) of the main
    // window's picture `name` to where it lies when the whole picture is
    // drawn at (x, y).
    void imagePart(QPainter& p, const QString& name, int x, int y, const QRect& part);
    // The scale a painter draws at: its device's pixel ratio.
    static qreal scaleOf(const QPainter& p);
    // "Arial" of the given cell height (ascent plus descent), weight 300, on
    // a transparent background; (x, y) is the top-left of the text cell.
    void label(QPainter& p, const QString& text, int x, int y, int height,
               const QColor& colour = Qt::white);
    // A button's or tab's text: at the skin's place (x, y) in a language
    // that keeps it, else centred in `box`, each of its lines (split at
    // "\n") on its own row. The skin's places are drawn line by line by
    // their callers; here `text` is one line for them.
    void buttonLabel(QPainter& p, UiLanguage language, const QString& text, QPoint skinPlace,
                     const layout::Region& box, int height, const QColor& colour = Qt::white);
    // A check box's text: at the skin's place in a language that keeps it,
    // else beside the box, its capitals centred on the box's middle.
    void checkBoxLabel(QPainter& p, UiLanguage language, const QString& text, QPoint skinPlace,
                       const layout::Region& box, int height);
    // A one-pixel white outline from (x, y) to (x + w, y + h).
    static void outline(QPainter& p, int x, int y, int w, int h);

    // The label font of a cell height.
    const QFont& labelFont(int height);
    // The same face in bold at a pixel size (the skinned list boxes).
    static QFont boldFont(int pixelSize);

    // Every label drawn from now on is also added to `log` (nothing when
    // null): how tests see that each text fits its place.
    void setLabelLog(std::vector<DrawnLabel>* log) { log_ = log; }
    // While set, labels are logged but not drawn: the same face without its
    // texts shows the pixels each text stands on.
    void setLabelsHidden(bool hidden) { labelsHidden_ = hidden; }

private:
    SkinStore& store_;
    std::vector<DrawnLabel>* log_ = nullptr;
    bool labelsHidden_ = false;
    QHash<int, QFont> fonts_;
};

} // namespace vantrel::ui
