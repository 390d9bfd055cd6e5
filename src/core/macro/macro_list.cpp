// SPDX-License-Identifier: MIT
#include "core/macro/macro_list.h"

#include <algorithm>
#include <cstdio>

namespace vantrel {

std::size_t usedMacroCount(const MacroTable& table) {
    std::size_t n = 0;
    while (n < MacroTable::kCount && table[n].used()) {
        ++n;
    }
    return n;
}

MacroCompaction compactMacroTable(MacroTable& table) {
    MacroCompaction result;
    std::size_t to = 0;
    for (std::size_t from = 0; from < MacroTable::kCount; ++from) {
        if (!table[from].used()) {
            continue;
        }
        if (from != to) {
            table[to] = table[from];
            table[from] = MacroRecord{};
            result.moved = true;
        }
        ++to;
    }
    // Unused records carry nothing; leave them all zero.
    for (std::size_t i = to; i < MacroTable::kCount; ++i) {
        if (table[i] != MacroRecord{}) {
            table[i] = MacroRecord{};
        }
    }
    result.used = to;
    return result;
}

std::uint16_t shownLoopCount(const MacroRecord& record) {
    return std::max<std::uint16_t>(record.loopCount(), macro::kMinLoopCount);
}

std::size_t fillMacroSlots(const MacroTable& table, ConfigImage& image) {
    std::size_t i = 0;
    for (; i < macro::kMaxMacros && table[i].used(); ++i) {
        const auto& r = table[i];
        auto slot = image.macroSlot(i);
        const std::uint16_t loops = shownLoopCount(r);
        slot[0] = static_cast<std::uint8_t>(loops >> 8);
        slot[1] = static_cast<std::uint8_t>(loops & 0xFF);
        std::copy(r.deviceEvents().begin(), r.deviceEvents().end(), slot.begin() + 2);
    }
    return i;
}

std::u16string nextMacroName(const MacroTable& table) {
    for (unsigned i = 1;; ++i) {
        char buf[16];
        std::snprintf(buf, sizeof buf, i < 10 ? "Macro_00%u" : "Macro_0%u", i);
        std::u16string name(buf, buf + std::char_traits<char>::length(buf));
        if (!findMacroByName(table, name)) {
            return name;
        }
    }
}

std::optional<std::size_t> findMacroByName(const MacroTable& table, std::u16string_view name) {
    const std::size_t n = usedMacroCount(table);
    for (std::size_t i = 0; i < n; ++i) {
        if (table[i].name() == name) {
            return i;
        }
    }
    return std::nullopt;
}

Result<std::size_t> addMacro(MacroTable& table, std::u16string_view name, std::uint16_t loopCount,
                             bool recordDelays, const MacroStreams& streams) {
    const std::size_t n = usedMacroCount(table);
    if (n >= macro::kMaxMacros) {
        return makeError(ErrorCode::InvalidArgument,
                         "there are 32 macros already; the keyboard holds no more");
    }
    if (name.empty()) {
        return makeError(ErrorCode::InvalidArgument, "a macro needs a name");
    }
    if (findMacroByName(table, name)) {
        return makeError(ErrorCode::InvalidArgument, "a macro with this name exists already");
    }
    if (loopCount < macro::kMinLoopCount || loopCount > macro::kMaxLoopCount) {
        return makeError(ErrorCode::InvalidArgument, "the loop count is " +
                                                         std::to_string(loopCount) +
                                                         "; it must be 1 to 999");
    }
    MacroRecord r;
    if (auto s = r.setName(name); !s) {
        return s.error();
    }
    r.setLoopCount(loopCount);
    r.setRecordDelays(recordDelays);
    streams.storeInto(r);
    table[n] = r;
    return n;
}

Status deleteMacro(MacroTable& table, std::size_t index) {
    const std::size_t n = usedMacroCount(table);
    if (index >= n) {
        return makeError(ErrorCode::InvalidArgument, "there is no macro " + std::to_string(index) +
                                                         "; the list holds " + std::to_string(n));
    }
    for (std::size_t i = index; i + 1 < n; ++i) {
        table[i] = table[i + 1];
    }
    table[n - 1] = MacroRecord{};
    return {};
}

std::vector<std::optional<std::size_t>>
placesAfterDeletions(std::size_t countBefore, std::span<const MacroDeletion> deletions) {
    std::vector<std::optional<std::size_t>> places(countBefore);
    for (std::size_t i = 0; i < countBefore; ++i) {
        places[i] = i;
    }
    for (const MacroDeletion& d : deletions) {
        for (auto& place : places) {
            if (!place || *place < d.index) {
                continue;
            }
            if (*place == d.index) {
                place.reset();
            } else {
                --*place;
            }
        }
    }
    return places;
}

} // namespace vantrel
