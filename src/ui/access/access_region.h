// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>
#include <vector>

namespace vantrel::ui {

// One region of a painted face as assistive technology sees it. Faces build
// these from the same tables they paint and hit-test with, each time they
// are asked, so the tree always matches the picture.
struct AccessRegion {
    // Stable while the region exists ("cmd:22", "key:5"): an object a
    // screen reader holds keeps meaning the same region across repaints.
    QString id;
    // Empty: a child of the window; otherwise the id of its list.
    QString parentId;
    // Regions of one group (a palette, the keys, a list's rows) are one
    // stop for Tab; the arrow keys move between them. Rows of a list are
    // grouped by their list without saying so.
    QString group;
    // A combo box: the id of the list it opens.
    QString opens;
    QAccessible::Role role = QAccessible::Button;
    QString name;
    QString description;
    QString value; // a combo box's current choice
    QRect rect;    // client pixels
    bool checkable = false;
    bool checked = false;
    bool selected = false;
    bool disabled = false;
    bool expandable = false;
    bool expanded = false;
    bool focused = false; // the region the keyboard acts on
    // Sliders: the positions and the step of one arrow press.
    bool slider = false;
    int minimum = 0;
    int maximum = 0;
    int position = 0;
    int step = 1;
};

using AccessRegions = std::vector<AccessRegion>;

// A window whose face is painted: what it shows, and how its regions act.
class AccessibleFace {
public:
    virtual ~AccessibleFace() = default;
    virtual AccessRegions accessRegions() = 0;
    // What Tab and the arrows go through: the regions, and where the face
    // holds widgets of its own, those too (in reading order).
    virtual AccessRegions keyboardStops() { return accessRegions(); }
    // Does what a click on the region does.
    virtual void activateRegion(const AccessRegion& region) = 0;
    // Moves a slider region as a drag would.
    virtual void setRegionPosition(const AccessRegion&, int) {}
};

} // namespace vantrel::ui
