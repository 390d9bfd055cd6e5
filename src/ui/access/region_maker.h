// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_region.h"

namespace vantrel::ui {

// A region of a face's table: its id, role, name and rectangle.
inline AccessRegion makeRegion(QString id, QAccessible::Role role, QString name, QRect rect) {
    AccessRegion r;
    r.id = std::move(id);
    r.role = role;
    r.name = std::move(name);
    r.rect = rect;
    return r;
}

} // namespace vantrel::ui
