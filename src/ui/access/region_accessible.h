// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_region.h"

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

namespace vantrel::ui {

class FaceAccessible;

// One painted region: role, texts and state from the face's current
// region, actions that do what its click does, a value for sliders.
class RegionAccessible : public QAccessibleInterface,
                         public QAccessibleActionInterface,
                         public QAccessibleValueInterface {
public:
    RegionAccessible(FaceAccessible& owner, QWidget* widget, QString id);

    const QString& regionId() const { return id_; }

    // QAccessibleInterface
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // QAccessibleValueInterface
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    std::optional<AccessRegion> region() const;
    bool alive() const { return !widget_.isNull(); }

    FaceAccessible& owner_;
    QPointer<QWidget> widget_;
    QString id_;
};

} // namespace vantrel::ui
