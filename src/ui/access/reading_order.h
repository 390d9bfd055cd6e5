// SPDX-License-Identifier: MIT
#pragma once

#include "ui/access/access_region.h"

#include <functional>

namespace vantrel::ui {

// Puts a face's own regions in reading order: by column, then top to
// bottom, then left to right; the rows of a list stay right behind it, in
// their own order. A face of one column passes no column function. Regions
// whose tops lie within `rowSlack` pixels of a row's first are read as one
// row (a check box drawn a little lower than the buttons beside it).
void inReadingOrder(AccessRegions& regions,
                    const std::function<int(const AccessRegion&)>& column = {}, int rowSlack = 0);

} // namespace vantrel::ui
