// SPDX-License-Identifier: MIT
#include "ui/access/reading_order.h"

#include <algorithm>

namespace vantrel::ui {

void inReadingOrder(AccessRegions& regions, const std::function<int(const AccessRegion&)>& column,
                    int rowSlack) {
    AccessRegions top;
    for (const AccessRegion& r : regions) {
        if (r.parentId.isEmpty()) {
            top.push_back(r);
        }
    }
    const auto columnOf = [&column](const AccessRegion& r) { return column ? column(r) : 0; };
    std::stable_sort(top.begin(), top.end(), [&columnOf](const auto& a, const auto& b) {
        const int ca = columnOf(a), cb = columnOf(b);
        if (ca != cb) {
            return ca < cb;
        }
        return a.rect.top() != b.rect.top() ? a.rect.top() < b.rect.top()
                                            : a.rect.left() < b.rect.left();
    });
    for (auto row = top.begin(); row != top.end();) {
        const auto end = std::find_if(row, top.end(), [&](const AccessRegion& r) {
            return columnOf(r) != columnOf(*row) || r.rect.top() - row->rect.top() > rowSlack;
        });
        std::stable_sort(
            row, end, [](const auto& a, const auto& b) { return a.rect.left() < b.rect.left(); });
        row = end;
    }
    AccessRegions ordered;
    ordered.reserve(regions.size());
    for (AccessRegion& t : top) {
        const QString id = t.id;
        ordered.push_back(std::move(t));
        for (const AccessRegion& r : regions) {
            if (r.parentId == id) {
                ordered.push_back(r);
            }
        }
    }
    regions = std::move(ordered);
}

} // namespace vantrel::ui
