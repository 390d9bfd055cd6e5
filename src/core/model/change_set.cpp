// SPDX-License-Identifier: MIT
#include "core/model/change_set.h"

#include <algorithm>

namespace vantrel {
namespace {

bool differs(const ConfigImage& a, const ConfigImage& b, std::size_t offset, std::size_t size) {
    const auto x = a.bytes().subspan(offset, size);
    const auto y = b.bytes().subspan(offset, size);
    return !std::equal(x.begin(), x.end(), y.begin());
}

} // namespace

bool ChangeSet::otherThanLighting() const {
    return colours || gameMode || reportRate || responseTime || keyTable || enableMap ||
           std::ranges::any_of(slots, [](bool b) { return b; }) ||
           std::ranges::any_of(maps, [](bool b) { return b; });
}

ChangeSet computeChanges(const ConfigImage& current, const ConfigImage& synced) {
    using namespace image;
    ChangeSet c;
    c.colours = differs(current, synced, kKeyColours, 3 * kColourCount);
    c.gameMode = differs(current, synced, kGameMode, 1);
    c.reportRate = differs(current, synced, kReportRate, 1);
    c.responseTime = differs(current, synced, kKeyResponseTime, 1);
    c.keyTable = differs(current, synced, kKeyTable, kKeyTableSize);
    c.enableMap = differs(current, synced, kKeyEnableMap, kKeyEnableMapSize);
    for (std::size_t n = 0; n < kMacroSlotCount; ++n) {
        c.slots[n] = differs(current, synced, kMacroSlots + n * kMacroSlotSize, kMacroSlotSize);
    }
    for (std::size_t m = 0; m < kColourMapCount; ++m) {
        c.maps[m] = differs(current, synced, kColourMaps + m * kColourMapSize, kColourMapSize);
    }
    c.lighting = differs(current, synced, kLightEffect, kLightDirection - kLightEffect + 1);
    return c;
}

} // namespace vantrel
