// SPDX-License-Identifier: MIT
#include "core/model/macro_followers.h"

#include "core/macro/macro_list.h"
#include "core/model/assignment_commit.h"
#include "core/model/key_positions.h"

#include <algorithm>

namespace vantrel {

Result<std::vector<MacroKeyChange>>
followMacroPlaces(ConfiguratorModel& model, std::span<const std::optional<std::size_t>> places,
                  const std::filesystem::path& keymapPath) {
    std::vector<MacroKeyChange> changes;
    const std::size_t onKeyboard = std::min(places.size(), macro::kMaxMacros);
    for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
        const auto e = model.image().keyTableEntry(KeyPositionMatrixCode(i));
        if (e[0] != entry::kMacro || e[1] != 1 || e[2] >= onKeyboard || places[e[2]] == e[2]) {
            continue;
        }
        MacroKeyChange change{i, e[2], places[e[2]]};
        PendingAssignment p;
        p.CurrentKeyIndex = static_cast<std::uint8_t>(i);
        p.PendingKeyEnabled = model.image().keyEnabled(KeyPositionEnableBit(i)) ? 1 : 0;
        if (change.newSlot) {
            p.PendingKind = static_cast<std::uint8_t>(AssignmentKind::Macro);
            p.PendingMacro = static_cast<int>(*change.newSlot);
        } else {
            p.PendingKind = static_cast<std::uint8_t>(AssignmentKind::None);
        }
        if (Status s = assignKey(model, p, keymapPath); !s) {
            return s.error();
        }
        changes.push_back(change);
    }
    return changes;
}

Result<std::vector<MacroKeyChange>> followDeletedMacro(ConfiguratorModel& model,
                                                       std::size_t deleted, std::size_t countBefore,
                                                       const std::filesystem::path& keymapPath) {
    const MacroDeletion d{deleted, countBefore};
    const auto places = placesAfterDeletions(countBefore, std::span(&d, 1));
    return followMacroPlaces(model, places, keymapPath);
}

Result<std::vector<MacroKeyChange>> keepMacroTable(ConfiguratorModel& model,
                                                   const DataFolder& folder, const MacroTable* kept,
                                                   std::span<const MacroDeletion> deletions) {
    std::vector<MacroKeyChange> changes;
    if (kept) {
        const std::size_t countBefore = usedMacroCount(model.macros());
        model.macros() = *kept;
        auto followed =
            followMacroPlaces(model, placesAfterDeletions(countBefore, deletions), folder.keymap());
        if (!followed) {
            return followed.error();
        }
        changes = std::move(*followed);
    }
    fillMacroSlots(model.macros(), model.image());
    if (Status s = SaveKeymapFile(folder.keymap(), model.image(), model.assignments()); !s) {
        return s.error();
    }
    if (Status s = SaveMacroFile(folder.macros(), model.macros()); !s) {
        return s.error();
    }
    return changes;
}

} // namespace vantrel
