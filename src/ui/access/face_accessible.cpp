// SPDX-License-Identifier: MIT
#include "ui/access/face_accessible.h"

#include "ui/access/region_accessible.h"

namespace vantrel::ui {

FaceAccessible::FaceAccessible(QWidget* widget, AccessibleFace& face, QAccessible::Role role)
    : QAccessibleWidget(widget, role), face_(face) {}

FaceAccessible::~FaceAccessible() {
    // The region objects belong to no QObject, so Qt's cache never frees them.
    for (RegionAccessible* o : std::as_const(objects_)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(o));
    }
}

int FaceAccessible::widgetChildCount() const {
    return QAccessibleWidget::childCount();
}

int FaceAccessible::childCount() const {
    return widgetChildCount() + static_cast<int>(childrenOf(QString()).size());
}

QAccessibleInterface* FaceAccessible::child(int index) const {
    const int widgets = widgetChildCount();
    if (index < widgets) {
        return QAccessibleWidget::child(index);
    }
    const AccessRegions own = childrenOf(QString());
    const auto i = static_cast<std::size_t>(index - widgets);
    return i < own.size() ? regionObject(own[i].id) : nullptr;
}

int FaceAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* r = dynamic_cast<const RegionAccessible*>(child);
    if (!r) {
        return QAccessibleWidget::indexOfChild(child);
    }
    const AccessRegions own = childrenOf(QString());
    for (std::size_t i = 0; i < own.size(); ++i) {
        if (own[i].id == r->regionId()) {
            return widgetChildCount() + static_cast<int>(i);
        }
    }
    return -1;
}

QAccessibleInterface* FaceAccessible::childAt(int x, int y) const {
    if (QAccessibleInterface* w = QAccessibleWidget::childAt(x, y)) {
        return w;
    }
    for (const AccessRegion& r : childrenOf(QString())) {
        if (toScreen(r.rect).contains(x, y)) {
            return regionObject(r.id);
        }
    }
    return nullptr;
}

std::optional<AccessRegion> FaceAccessible::region(const QString& id) const {
    for (AccessRegion& r : face_.accessRegions()) {
        if (r.id == id) {
            return std::move(r);
        }
    }
    return std::nullopt;
}

AccessRegions FaceAccessible::childrenOf(const QString& parentId) const {
    AccessRegions all = face_.accessRegions();
    AccessRegions out;
    for (AccessRegion& r : all) {
        if (r.parentId == parentId) {
            out.push_back(std::move(r));
        }
    }
    return out;
}

RegionAccessible* FaceAccessible::regionObject(const QString& id) const {
    if (RegionAccessible* o = objects_.value(id)) {
        return o;
    }
    auto* o = new RegionAccessible(const_cast<FaceAccessible&>(*this), widget(), id);
    QAccessible::registerAccessibleInterface(o);
    objects_.insert(id, o);
    return o;
}

QRect FaceAccessible::toScreen(const QRect& client) const {
    return QRect(widget()->mapToGlobal(client.topLeft()), client.size());
}

} // namespace vantrel::ui
