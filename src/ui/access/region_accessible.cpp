// SPDX-License-Identifier: MIT
#include "ui/access/region_accessible.h"

#include "ui/access/face_accessible.h"
#include "ui/access/face_keyboard.h"

#include <QTimer>
#include <algorithm>

namespace vantrel::ui {

RegionAccessible::RegionAccessible(FaceAccessible& owner, QWidget* widget, QString id)
    : owner_(owner), widget_(widget), id_(std::move(id)) {}

std::optional<AccessRegion> RegionAccessible::region() const {
    if (!alive()) {
        return std::nullopt;
    }
    return owner_.region(id_);
}

bool RegionAccessible::isValid() const {
    return region().has_value();
}

QWindow* RegionAccessible::window() const {
    return alive() ? owner_.window() : nullptr;
}

QAccessibleInterface* RegionAccessible::childAt(int x, int y) const {
    if (!alive()) {
        return nullptr;
    }
    for (const AccessRegion& r : owner_.childrenOf(id_)) {
        if (owner_.toScreen(r.rect).contains(x, y)) {
            return owner_.regionObject(r.id);
        }
    }
    return nullptr;
}

QAccessibleInterface* RegionAccessible::parent() const {
    const auto r = region();
    if (!r) {
        return nullptr;
    }
    if (r->parentId.isEmpty()) {
        return &owner_;
    }
    return owner_.regionObject(r->parentId);
}

QAccessibleInterface* RegionAccessible::child(int index) const {
    if (!alive() || index < 0) {
        return nullptr;
    }
    const AccessRegions own = owner_.childrenOf(id_);
    const auto i = static_cast<std::size_t>(index);
    return i < own.size() ? owner_.regionObject(own[i].id) : nullptr;
}

int RegionAccessible::childCount() const {
    return alive() ? static_cast<int>(owner_.childrenOf(id_).size()) : 0;
}

int RegionAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* r = dynamic_cast<const RegionAccessible*>(child);
    if (!r || !alive()) {
        return -1;
    }
    const AccessRegions own = owner_.childrenOf(id_);
    const auto it = std::find_if(own.begin(), own.end(),
                                 [&](const AccessRegion& a) { return a.id == r->regionId(); });
    return it == own.end() ? -1 : static_cast<int>(it - own.begin());
}

QString RegionAccessible::text(QAccessible::Text t) const {
    const auto r = region();
    if (!r) {
        return {};
    }
    switch (t) {
    case QAccessible::Name:
        return r->name;
    case QAccessible::Description:
        return r->description;
    case QAccessible::Value:
        return r->slider ? QString::number(r->position) : r->value;
    default:
        return {};
    }
}

QRect RegionAccessible::rect() const {
    const auto r = region();
    return r ? owner_.toScreen(r->rect) : QRect();
}

QAccessible::Role RegionAccessible::role() const {
    const auto r = region();
    return r ? r->role : QAccessible::NoRole;
}

QAccessible::State RegionAccessible::state() const {
    QAccessible::State s;
    const auto r = region();
    if (!r) {
        s.invalid = true;
        return s;
    }
    s.disabled = r->disabled;
    s.checkable = r->checkable;
    s.checked = r->checked;
    s.selectable = r->role == QAccessible::ListItem || r->role == QAccessible::PageTab;
    s.selected = r->selected;
    s.expandable = r->expandable;
    s.expanded = r->expandable && r->expanded;
    s.collapsed = r->expandable && !r->expanded;
    s.focusable = true;
    s.focused = r->focused && widget_->hasFocus();
    return s;
}

void* RegionAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    if (type == QAccessible::ValueInterface && region().value_or(AccessRegion{}).slider) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return nullptr;
}

QStringList RegionAccessible::actionNames() const {
    const auto r = region();
    if (!r || !focusable(*r)) {
        return {}; // texts, groups and lists do nothing of their own
    }
    if (r->slider) {
        return {increaseAction(), decreaseAction()};
    }
    if (r->checkable) {
        return {toggleAction(), pressAction()};
    }
    return {pressAction()};
}

void RegionAccessible::doAction(const QString& action) {
    const auto r = region();
    if (!r || r->disabled) {
        return;
    }
    if (r->slider) {
        if (action == increaseAction()) {
            setCurrentValue(r->position + r->step);
        } else if (action == decreaseAction()) {
            setCurrentValue(r->position - r->step);
        }
        return;
    }
    if (action != pressAction() && action != toggleAction()) {
        return;
    }
    // Later, from the event loop: a click may open a modal dialog, and the
    // screen reader's call must get its answer before that runs.
    QTimer::singleShot(0, widget_.data(), [this, id = id_, w = widget_] {
        if (!w) {
            return;
        }
        if (const auto now = owner_.region(id)) {
            owner_.face().activateRegion(*now);
        }
    });
}

QVariant RegionAccessible::currentValue() const {
    const auto r = region();
    return r ? QVariant(r->position) : QVariant();
}

void RegionAccessible::setCurrentValue(const QVariant& value) {
    const auto r = region();
    if (!r || !r->slider || r->disabled) {
        return;
    }
    owner_.face().setRegionPosition(*r, std::clamp(value.toInt(), r->minimum, r->maximum));
}

QVariant RegionAccessible::maximumValue() const {
    return region().value_or(AccessRegion{}).maximum;
}

QVariant RegionAccessible::minimumValue() const {
    return region().value_or(AccessRegion{}).minimum;
}

QVariant RegionAccessible::minimumStepSize() const {
    return region().value_or(AccessRegion{}).step;
}

} // namespace vantrel::ui
