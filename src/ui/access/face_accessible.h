// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_region.h"

#include <QAccessibleWidget>
#include <QHash>
#include <optional>

namespace vantrel::ui {

class RegionAccessible;

// The accessible object of a painted window: its own child widgets first,
// then one child per region its face reports. The region objects are made
// on first use and live as long as the window's object.
class FaceAccessible : public QAccessibleWidget {
public:
    FaceAccessible(QWidget* widget, AccessibleFace& face, QAccessible::Role role);
    ~FaceAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    AccessibleFace& face() const { return face_; }
    // The region as the face shows it now; nothing once it is gone.
    std::optional<AccessRegion> region(const QString& id) const;
    // The regions under `parentId` (empty: the window's own), in order.
    AccessRegions childrenOf(const QString& parentId) const;
    // The object of a region, made on first use.
    RegionAccessible* regionObject(const QString& id) const;
    // Screen rectangle of client pixels.
    QRect toScreen(const QRect& client) const;

private:
    int widgetChildCount() const;

    AccessibleFace& face_;
    mutable QHash<QString, RegionAccessible*> objects_;
};

} // namespace vantrel::ui
