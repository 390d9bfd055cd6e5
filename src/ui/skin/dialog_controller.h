// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_region.h"
#include "ui/user_prompts.h"

#include <QSize>

class QPainter;

namespace vantrel::ui {

// What a skinned dialog's controller asks of the window around it. Tests
// answer it without a screen.
class DialogHost : public UserPrompts {
public:
    // Recompose and show the whole face.
    virtual void repaint() = 0;
    // End the modal run: true for OK, false for Cancel.
    virtual void finish(bool ok) = 0;
};

// A skinned dialog's behaviour without a screen: its face, its regions and
// its answers to the pointer and keys. The view (SkinnedDialog) only feeds
// it input in client pixels and shows what it composes.
class DialogController {
public:
    virtual ~DialogController() = default;

    // The window's size: its background picture's.
    virtual QSize size() = 0;
    // The whole face, background first; children draw themselves above.
    virtual void compose(QPainter& p) = 0;
    // True where a press on the face moves the window (its background).
    virtual bool dragsFrom(int x, int y) const = 0;
    // The left button went up at (x, y) without moving the window.
    virtual void release(int x, int y) = 0;
    // The pointer moved to (x, y) with no window move going on.
    virtual void hover(int, int) {}
    // The pointer left the window.
    virtual void leave() {}
    // Escape ends the dialog as its cancel does: true when the controller
    // did so itself; false leaves it to the view, which rejects. Enter
    // never ends a skinned dialog.
    virtual bool escape() { return false; }
    // The face's regions as compose() shows them now, in reading order,
    // for assistive technology. Activating one is a click on its centre.
    virtual AccessRegions accessRegions() const { return {}; }
};

} // namespace vantrel::ui
