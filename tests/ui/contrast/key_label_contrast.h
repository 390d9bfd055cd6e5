// SPDX-License-Identifier: MIT
#pragma once

#include "text_contrast.h"

#include <QImage>
#include <QString>
#include <vector>

namespace vantrel::ui::testing {

// A key's own label, printed on its cap by the skin, and how it reads on
// the idle and on the lit picture.
struct KeyLabelContrast {
    QString label;
    LabelContrast idle;
    LabelContrast lit;
};

// The glyphs a skin picture carries in an area (device pixels): every
// pixel lighter than any dark face of the skins, with the two pixels
// around them, which the glyphs' antialiasing tints.
struct PrintedGlyphs {
    QRect area;
    QRect box;              // the glyphs' own pixels
    std::vector<bool> near; // over the area, row by row
    bool at(const QPoint& p) const {
        return near[static_cast<std::size_t>((p.y() - area.top()) * area.width() +
                                             (p.x() - area.left()))];
    }
};
PrintedGlyphs glyphsIn(const QImage& picture, const QRect& area);
// Those glyphs on `picture` (the one they were found in, or one with the
// same glyphs in another colour): the lightest glyph pixel against every
// other pixel of their box and of three pixels around it.
LabelContrast readPrinted(const QImage& picture, const PrintedGlyphs& glyphs);

// Every key of the keyboard pictures (kb_BK.png and kb_hl.png at one
// scale). The pictures carry the labels, so the glyphs are found in the
// idle one, where they are far lighter than the cap: their colour is the
// lightest glyph pixel and the background every other pixel of the box
// they span (one device pixel of antialiasing around them left out).
std::vector<KeyLabelContrast> keyLabelContrasts(const QImage& idle, const QImage& lit);

} // namespace vantrel::ui::testing
