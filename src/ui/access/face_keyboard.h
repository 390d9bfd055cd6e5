// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_region.h"

class QKeyEvent;
class QPainter;

namespace vantrel::ui {

// The keyboard on a painted face: which region has the focus, Tab and
// Shift+Tab through the regions in their order, the arrow keys within a
// group (to the region that lies in that direction) and on sliders, Space
// and Enter to act, Esc to close an open list. The face draws the ring.
class FaceKeyboard {
public:
    // True when the key was for the regions.
    bool keyPress(const QKeyEvent& event, AccessibleFace& face);
    // Moves the focus one stop on; false at the end (and the focus leaves
    // the regions for the face's own widgets).
    bool step(AccessibleFace& face, bool forward);
    // Marks the focused region in a fresh list of the face's regions.
    void mark(AccessRegions& regions) const;
    // The ring around the focused region, in the skin's accent colour.
    void paintRing(QPainter& p, const AccessRegions& regions) const;
    void clear() { focus_.clear(); }
    // The focus went to this stop by other means (a click into a widget).
    void focusOn(const QString& id);
    const QString& focus() const { return focus_; }

private:
    void arrow(AccessibleFace& face, const AccessRegions& regions, int dx, int dy);
    void activate(AccessibleFace& face, const AccessRegion& region);
    void follow(const AccessRegions& regions);

    QString focus_;
    QString returnTo_; // the combo box whose list has the focus
};

// The stop a region belongs to: its group, its list, or itself.
QString stopOf(const AccessRegion& r);
// Whether the keyboard can land on the region.
bool focusable(const AccessRegion& r);
// The region of `candidates` nearest to `from` in the direction (dx, dy),
// or -1.
int nearestInDirection(const AccessRegions& candidates, const QRect& from, int dx, int dy);

} // namespace vantrel::ui
