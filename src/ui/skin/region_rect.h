// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"

#include <QRect>

namespace vantrel::ui {

// A region of a layout table as Qt's rectangle (both inclusive of their
// edges, so the size is the region's).
inline QRect toQRect(const layout::Region& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

} // namespace vantrel::ui
