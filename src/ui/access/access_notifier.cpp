// SPDX-License-Identifier: MIT
#include "ui/access/access_notifier.h"

#include "ui/access/face_accessible.h"
#include "ui/access/region_accessible.h"

#include <QAccessible>
#include <QWidget>

namespace vantrel::ui {
namespace {

const AccessRegion* findRegion(const AccessRegions& regions, const QString& id) {
    for (const AccessRegion& r : regions) {
        if (r.id == id) {
            return &r;
        }
    }
    return nullptr;
}

QAccessible::State changedState(const AccessRegion& a, const AccessRegion& b) {
    QAccessible::State s;
    s.checked = a.checked != b.checked;
    s.selected = a.selected != b.selected;
    s.disabled = a.disabled != b.disabled;
    s.expanded = a.expanded != b.expanded;
    s.collapsed = s.expanded;
    return s;
}

void send(QAccessibleInterface* iface, QAccessible::Event type) {
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

void tellChanges(RegionAccessible* iface, const AccessRegion& before, const AccessRegion& now) {
    if (now.slider && now.position != before.position) {
        QAccessibleValueChangeEvent event(iface, now.position);
        QAccessible::updateAccessibility(&event);
    }
    if (now.value != before.value) {
        QAccessibleValueChangeEvent event(iface, now.value);
        QAccessible::updateAccessibility(&event);
    }
    const QAccessible::State changed = changedState(before, now);
    if (changed.checked || changed.selected || changed.disabled || changed.expanded) {
        QAccessibleStateChangeEvent event(iface, changed);
        QAccessible::updateAccessibility(&event);
    }
    if (now.name != before.name) {
        send(iface, QAccessible::NameChanged);
    }
    if (now.description != before.description) {
        send(iface, QAccessible::DescriptionChanged);
    }
}

} // namespace

void AccessNotifier::update(QWidget* widget, AccessibleFace& face) {
    if (!QAccessible::isActive()) {
        last_.clear();
        return;
    }
    auto* owner = dynamic_cast<FaceAccessible*>(QAccessible::queryAccessibleInterface(widget));
    if (!owner) {
        return;
    }
    AccessRegions now = face.accessRegions();
    QString focus;
    for (const AccessRegion& r : now) {
        const AccessRegion* before = findRegion(last_, r.id);
        if (!before) {
            send(owner->regionObject(r.id), QAccessible::ObjectCreated);
        } else {
            tellChanges(owner->regionObject(r.id), *before, r);
        }
        if (r.focused) {
            focus = r.id;
        }
    }
    for (const AccessRegion& r : last_) {
        if (!findRegion(now, r.id)) {
            send(owner->regionObject(r.id), QAccessible::ObjectDestroyed);
        }
    }
    if (!focus.isEmpty() && focus != lastFocus_ && widget->hasFocus()) {
        send(owner->regionObject(focus), QAccessible::Focus);
    }
    lastFocus_ = focus;
    last_ = std::move(now);
}

} // namespace vantrel::ui
