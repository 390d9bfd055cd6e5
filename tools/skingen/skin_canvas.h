// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>
#include <map>

namespace vantrel::skingen {

// The palette every skin shares.
namespace palette {
inline const QColor kFar{0x14, 0x16, 0x1B};
inline const QColor kPanel{0x1C, 0x1F, 0x26};
inline const QColor kPanelBorder{0x2A, 0x2E, 0x37};
inline const QColor kTitle{0x1F, 0x23, 0x2B};
inline const QColor kCapTop{0x26, 0x2A, 0x33};
inline const QColor kCapSide{0x1B, 0x1E, 0x25};
inline const QColor kCapEdge{0x34, 0x39, 0x46};
inline const QColor kLabel{0xC9, 0xCE, 0xD8};
inline const QColor kAccent{0xE0, 0x24, 0x3A};
inline const QColor kAccentHover{0xFF, 0x44, 0x58};
inline const QColor kGlow{0xFF, 0x5A, 0x6A};
inline const QColor kSecondary{0x24, 0xC8, 0xE0};
inline const QColor kDisabled{0x5A, 0x60, 0x6C};
inline const QColor kPlate{0x1A, 0x1D, 0x23};
} // namespace palette

// The scales every skin is drawn at: the program picks the pictures of the
// screen's scale, and smooths the 2x ones for the scales between.
inline constexpr qreal kSkinScales[] = {1.0, 2.0};

// The file name of a picture drawn at `scale`: "name.png" at 1x and
// "name@2x.png" at 2x, where Qt and the program look for it.
QString scaledName(const QString& name, qreal scale);

// Where the generator puts its images; groups add to it by name. A picture
// goes in under the name of its own scale (its device pixel ratio).
class SkinSet {
public:
    void add(const QString& name, const QImage& image) {
        images_[scaledName(name, image.devicePixelRatio())] = image;
    }
    const std::map<QString, QImage>& images() const { return images_; }

private:
    std::map<QString, QImage> images_;
};

// A picture of w x h pixels at `scale`: its groups draw in those pixels
// and the painter puts every line and glyph on the finer grid.
QImage newImage(qreal scale, int w, int h, const QColor& fill);
// A painter with antialiasing on, for one image.
void prepare(QPainter& p);
QFont arial(int pixelHeight, int weight = QFont::Normal);
// A flat button face: rounded, a lighter top edge.
void drawButtonFace(QPainter& p, const QRectF& r, const QColor& face);
// The white tick of a lit check box or switch.
void drawTick(QPainter& p, const QPolygonF& tick, qreal width);
// A dark panel with a one-pixel border and 4-pixel corners.
void drawPanel(QPainter& p, const QRect& r);
// The frame of the profile manager and the dialogs in its look: a title
// strip 34 pixels high with its red mark, and a border round the whole.
void drawDialogFrame(QPainter& p, int width, int height);
// The well a list lies in, a little larger than the list.
void drawListWell(QPainter& p, const layout::Region& list);

// A dialog's close box: a white cross over the box's few pixels on a
// rounded face, 4 pixels larger on every side (drawn at left - 4, top - 4).
QImage closeBoxImage(qreal scale, const layout::Region& box, const QColor& face);

// A region of a layout table as Qt's rectangle (the size is the region's).
inline QRect rectOf(const layout::Region& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// The program's icon, a lit key cap, size x size pixels.
QImage programIcon(int size);

// Skin groups register themselves with a static Registrar; a group draws
// its pictures at the scale it is given.
using SkinGroup = std::function<void(SkinSet&, qreal scale)>;
std::map<QString, SkinGroup>& groups();
struct Registrar {
    Registrar(const QString& name, SkinGroup g) { groups()[name] = std::move(g); }
};

} // namespace vantrel::skingen
