// SPDX-License-Identifier: MIT
#include "ui/access/face_factory.h"

#include "ui/access/face_accessible.h"

#include <QWidget>

namespace vantrel::ui {
namespace {

QAccessibleInterface* faceFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    auto* face = dynamic_cast<AccessibleFace*>(widget);
    if (!face) {
        return nullptr;
    }
    const bool dialog = widget->isWindow() && widget->parentWidget();
    return new FaceAccessible(widget, *face, dialog ? QAccessible::Dialog : QAccessible::Window);
}

} // namespace

void installFaceAccessibility() {
    QAccessible::installFactory(faceFactory);
}

} // namespace vantrel::ui
