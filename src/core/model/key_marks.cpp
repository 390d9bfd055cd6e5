// SPDX-License-Identifier: MIT
#include "core/model/key_marks.h"

#include "core/model/key_positions.h"

namespace vantrel {

void KeyMarks::recompute(const ConfigImage& image, const AssignmentTable& table) {
    const auto& defaults = DefaultKeyTable();
    for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
        const auto& pos = keyPositions()[i];
        const auto c = pos.matrixCode();
        const auto& r = table[i];
        const bool usageChanged = image.keyTableEntry(c)[2] != defaults[c + 2];
        const bool assigned = r.kind() != 0;
        const bool retargeted = r.data()[0] != r.ownKey() && r.keyCount() == 1;
        const bool disabled = !image.keyEnabled(pos.enableBit);
        marks_[i] = (usageChanged || assigned || retargeted || disabled) ? 1 : 0;
    }
    marks_[kFnKeyPosition] = 0;
}

} // namespace vantrel
