// SPDX-License-Identifier: MIT
#pragma once

#include "core/macro/macro_list.h"
#include "core/model/configurator_model.h"
#include "core/model/state_files.h"
#include "core/util/result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace vantrel {

// One key whose macro binding changed because macros were deleted.
struct MacroKeyChange {
    std::size_t position = 0; // key position 0-107
    std::size_t oldSlot = 0;  // the macro it played
    // The same macro's new slot, or nothing: the key has its own function back.
    std::optional<std::size_t> newSlot;
};

// Deleting macros moves every later macro down. Keys that played a moved
// macro follow it to its new slot; keys that played a deleted one get their
// own function back (their slot now holds another macro). `places` comes
// from placesAfterDeletions; slots beyond it, or beyond the 32 the keyboard
// holds, are left alone. Each changed key goes through the assignment
// commit, which saves keymap.bin; the model's macro table must already be
// the new one. Returns the keys changed, in key order.
Result<std::vector<MacroKeyChange>>
followMacroPlaces(ConfiguratorModel& model, std::span<const std::optional<std::size_t>> places,
                  const std::filesystem::path& keymapPath);

// The same for one deleted macro of `countBefore`.
Result<std::vector<MacroKeyChange>> followDeletedMacro(ConfiguratorModel& model,
                                                       std::size_t deleted, std::size_t countBefore,
                                                       const std::filesystem::path& keymapPath);

// The macro manager ended with OK. With a `kept` working table it becomes
// the model's, and keys follow the `deletions` made in it; then the slots
// are filled from the model's table and keymap.bin and MacroDefine.bin are
// saved, each replaced whole or not at all. Returns the keys changed.
Result<std::vector<MacroKeyChange>> keepMacroTable(ConfiguratorModel& model,
                                                   const DataFolder& folder, const MacroTable* kept,
                                                   std::span<const MacroDeletion> deletions);

} // namespace vantrel
