// SPDX-License-Identifier: MIT
#include "ui/access/face_keyboard.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace vantrel::ui {
namespace {

// The skin's accent, as its focused fields and buttons show it.
const QColor kRingColour(0xFF, 0x44, 0x58);
constexpr int kRingMargin = 2;
constexpr int kRingWidth = 2;

int indexOf(const AccessRegions& regions, const QString& id) {
    for (std::size_t i = 0; i < regions.size(); ++i) {
        if (regions[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// One entry per stop, in reading order: the focused member of the focused
// group, else the group's chosen member (selected, checked), else its first.
std::vector<int> stops(const AccessRegions& regions, const QString& focus) {
    std::vector<int> out;
    std::vector<QString> seen;
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const AccessRegion& r = regions[i];
        if (!focusable(r)) {
            continue;
        }
        const QString stop = stopOf(r);
        const auto known = std::find(seen.begin(), seen.end(), stop);
        const int index = static_cast<int>(i);
        if (known == seen.end()) {
            seen.push_back(stop);
            out.push_back(index);
            continue;
        }
        int& kept = out[static_cast<std::size_t>(known - seen.begin())];
        const AccessRegion& current = regions[static_cast<std::size_t>(kept)];
        if (current.id != focus && (r.id == focus || r.selected || r.checked)) {
            kept = index;
        }
    }
    return out;
}

} // namespace

QString stopOf(const AccessRegion& r) {
    if (!r.group.isEmpty()) {
        return r.group;
    }
    return r.parentId.isEmpty() ? r.id : r.parentId;
}

bool focusable(const AccessRegion& r) {
    switch (r.role) {
    case QAccessible::StaticText:
    case QAccessible::Grouping:
    case QAccessible::List:
    case QAccessible::PopupMenu:
        return false;
    default:
        return !r.disabled;
    }
}

int nearestInDirection(const AccessRegions& candidates, const QRect& from, int dx, int dy) {
    const QPoint c = from.center();
    int best = -1;
    long bestScore = LONG_MAX;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const QPoint p = candidates[i].rect.center();
        const int along = dx != 0 ? (p.x() - c.x()) * dx : (p.y() - c.y()) * dy;
        const int across = dx != 0 ? std::abs(p.y() - c.y()) : std::abs(p.x() - c.x());
        // Only regions ahead, and of those the ones in line first: a key
        // in the next row counts only where there is none in this one.
        const bool inLine = dx != 0 ? across * 2 < from.height() + candidates[i].rect.height()
                                    : across * 2 < from.width() + candidates[i].rect.width();
        if (along <= 0) {
            continue;
        }
        const long score = (inLine ? 0L : 100000L) + 8L * along + across;
        if (score < bestScore) {
            bestScore = score;
            best = static_cast<int>(i);
        }
    }
    return best;
}

void FaceKeyboard::mark(AccessRegions& regions) const {
    for (AccessRegion& r : regions) {
        r.focused = !focus_.isEmpty() && r.id == focus_;
    }
}

bool FaceKeyboard::step(AccessibleFace& face, bool forward) {
    const AccessRegions regions = face.keyboardStops();
    const std::vector<int> order = stops(regions, focus_);
    if (order.empty()) {
        return false;
    }
    const int at = indexOf(regions, focus_);
    const QString current = at < 0 ? QString() : stopOf(regions[static_cast<std::size_t>(at)]);
    int pos = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (stopOf(regions[static_cast<std::size_t>(order[i])]) == current) {
            pos = static_cast<int>(i);
        }
    }
    const int count = static_cast<int>(order.size());
    const int next = pos < 0 ? (forward ? 0 : count - 1) : pos + (forward ? 1 : -1);
    if (next < 0 || next >= count) {
        focus_.clear();
        return false;
    }
    focus_ = regions[static_cast<std::size_t>(order[static_cast<std::size_t>(next)])].id;
    return true;
}

bool FaceKeyboard::keyPress(const QKeyEvent& event, AccessibleFace& face) {
    AccessRegions regions = face.keyboardStops();
    follow(regions);
    const int at = indexOf(regions, focus_);
    if (at < 0) {
        return false;
    }
    const AccessRegion& r = regions[static_cast<std::size_t>(at)];
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activate(face, r);
        return true;
    case Qt::Key_Escape:
        if (returnTo_.isEmpty() || indexOf(regions, returnTo_) < 0) {
            return false;
        }
        face.activateRegion(regions[static_cast<std::size_t>(indexOf(regions, returnTo_))]);
        focus_ = returnTo_;
        returnTo_.clear();
        return true;
    case Qt::Key_Left:
        arrow(face, regions, -1, 0);
        return true;
    case Qt::Key_Right:
        arrow(face, regions, 1, 0);
        return true;
    case Qt::Key_Up:
        arrow(face, regions, 0, -1);
        return true;
    case Qt::Key_Down:
        arrow(face, regions, 0, 1);
        return true;
    default:
        return false;
    }
}

void FaceKeyboard::arrow(AccessibleFace& face, const AccessRegions& regions, int dx, int dy) {
    const AccessRegion& r = regions[static_cast<std::size_t>(indexOf(regions, focus_))];
    if (r.slider) {
        const int delta = (dx > 0 || dy < 0) ? r.step : -r.step;
        face.setRegionPosition(r, std::clamp(r.position + delta, r.minimum, r.maximum));
        return;
    }
    AccessRegions members;
    for (const AccessRegion& m : regions) {
        if (m.id != r.id && focusable(m) && stopOf(m) == stopOf(r)) {
            members.push_back(m);
        }
    }
    if (const int to = nearestInDirection(members, r.rect, dx, dy); to >= 0) {
        focus_ = members[static_cast<std::size_t>(to)].id;
    }
}

void FaceKeyboard::activate(AccessibleFace& face, const AccessRegion& region) {
    face.activateRegion(region);
    if (region.opens.isEmpty()) {
        return;
    }
    // A list opened: the focus goes to its chosen row, and back to the box
    // when the list closes.
    const AccessRegions now = face.keyboardStops();
    int first = -1;
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i].parentId == region.opens && (first < 0 || now[i].selected)) {
            first = static_cast<int>(i);
        }
    }
    if (first >= 0) {
        returnTo_ = region.id;
        focus_ = now[static_cast<std::size_t>(first)].id;
    }
}

void FaceKeyboard::focusOn(const QString& id) {
    if (id != focus_) {
        focus_ = id;
        returnTo_.clear();
    }
}

void FaceKeyboard::follow(const AccessRegions& regions) {
    // The focused region went away (its list closed): back to the box.
    if (!focus_.isEmpty() && indexOf(regions, focus_) < 0) {
        focus_ = indexOf(regions, returnTo_) >= 0 ? returnTo_ : QString();
        returnTo_.clear();
    }
}

void FaceKeyboard::paintRing(QPainter& p, const AccessRegions& regions) const {
    const int at = indexOf(regions, focus_);
    if (at < 0) {
        return;
    }
    const QRect r = regions[static_cast<std::size_t>(at)].rect.adjusted(-kRingMargin, -kRingMargin,
                                                                        kRingMargin, kRingMargin);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kRingColour, kRingWidth));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.restore();
}

} // namespace vantrel::ui
