// SPDX-License-Identifier: MIT
#pragma once

#include "core/macro/macro_streams.h"
#include "core/macro/macro_table.h"
#include "core/model/config_image.h"
#include "core/util/result.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

namespace macro {
inline constexpr std::uint16_t kMinLoopCount = 1;
inline constexpr std::uint16_t kMaxLoopCount = 999;
} // namespace macro

// The macro list is the run of used records from record 0 on.
std::size_t usedMacroCount(const MacroTable& table);

// A table with unused records between used ones, as another program may
// leave it, is moved together (order, names and streams kept) so that every
// macro has the slot of its place in the list.
struct MacroCompaction {
    bool moved = false;   // some records changed place
    std::size_t used = 0; // used records afterwards
};
MacroCompaction compactMacroTable(MacroTable& table);

// Slot i of the image = loop count (high byte first) and the device stream
// of record i, for every used record from 0 on, at most 32. Slots after the
// last used record keep their bytes. A stored loop count of 0 is shown as 1
// and sent as 1. Returns the number of slots written.
std::size_t fillMacroSlots(const MacroTable& table, ConfigImage& image);

// The loop count as the user sees it: a stored 0 reads as 1.
std::uint16_t shownLoopCount(const MacroRecord& record);

// "Macro_001", "Macro_002", ...: the smallest number whose name is not taken.
std::u16string nextMacroName(const MacroTable& table);

// Appends a macro after the last used record. Refused, with nothing changed:
// a 33rd macro, an empty or too long name, a name already in the list, a
// loop count outside 1..999.
Result<std::size_t> addMacro(MacroTable& table, std::u16string_view name, std::uint16_t loopCount,
                             bool recordDelays, const MacroStreams& streams);
// Removes macro `index`; the following macros move up one place.
Status deleteMacro(MacroTable& table, std::size_t index);

// One deletion: the macro's place and how many macros there were before.
struct MacroDeletion {
    std::size_t index = 0;
    std::size_t countBefore = 0;
};
// Where each of `countBefore` macros went after the deletions, in order:
// entry i is macro i's new place, or nothing for a deleted one.
std::vector<std::optional<std::size_t>>
placesAfterDeletions(std::size_t countBefore, std::span<const MacroDeletion> deletions);
// Index of the used record with exactly this name.
std::optional<std::size_t> findMacroByName(const MacroTable& table, std::u16string_view name);

} // namespace vantrel
