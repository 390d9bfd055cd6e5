// SPDX-License-Identifier: MIT
#include "core/model/command_changes.h"

#include <algorithm>

namespace vantrel {
namespace {

void takeChangedBytes(ConfigImage& into, const ConfigImage& start, const ConfigImage& after) {
    auto out = into.bytes();
    const auto from = start.bytes();
    const auto to = after.bytes();
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (to[i] != from[i]) {
            out[i] = to[i];
        }
    }
}

bool sameRecord(const AssignmentRecord& a, const AssignmentRecord& b) {
    return std::ranges::equal(a.bytes(), b.bytes());
}

void takeChangedRecords(AssignmentTable& into, const AssignmentTable& start,
                        const AssignmentTable& after) {
    for (std::size_t i = 0; i < AssignmentTable::kCount; ++i) {
        if (!sameRecord(after[i], start[i])) {
            into[i] = after[i];
        }
    }
}

} // namespace

void takeCommandChanges(ConfiguratorModel& into, const CommandStart& start,
                        const ConfiguratorModel& after) {
    takeChangedBytes(into.syncedImage(), start.image, after.syncedImage());
    takeChangedBytes(into.image(), start.image, after.image());
    takeChangedRecords(into.syncedAssignments(), start.assignments, after.syncedAssignments());
    takeChangedRecords(into.assignments(), start.assignments, after.assignments());
    into.recomputeMarks();
}

} // namespace vantrel
