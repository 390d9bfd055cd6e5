// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/assignment_record.h"
#include "core/model/basic_functions.h"
#include "core/model/configurator_model.h"
#include "core/util/result.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace vantrel {

// PendingKeyCount asking for the key's default to be restored.
inline constexpr int kRestoreDefaultKeyCount = 255;
inline constexpr std::size_t kMaxComboKeys = 3;

// The choice the key assignment dialog (or the command line) leaves for the
// commit: which key, what it becomes, and whether it stays enabled.
struct PendingAssignment {
    std::uint8_t CurrentKeyIndex = 0; // key position 0-107
    std::uint8_t PendingKind = static_cast<std::uint8_t>(AssignmentKind::None);
    // Virtual-key codes in the order captured; only the first 1-3 are used.
    std::array<std::uint8_t, record::kDataSize> PendingKeys{};
    int PendingKeyCount = 0;         // 0-3, or kRestoreDefaultKeyCount
    int PendingMacro = -1;           // macro list index = slot number
    std::string PendingFunctionName; // in the interface language, UTF-8
    std::u16string PendingPath;      // for the launch kinds
    std::uint8_t PendingKeyEnabled = 1;
    UiLanguage language;
};

// Checks everything the commit needs without changing anything: the key
// index, the keys' codes, the macro number, the function name, the path
// length (at most 255 characters).
Status validateAssignment(const ConfiguratorModel& model, const PendingAssignment& pending);

// Writes the key's key table entry, its assignment record and its mark (and,
// for the default, its enable bit), fills the macro slots for a macro, then
// saves keymap.bin. Invalid input is refused before anything changes.
Status CommitAssignment(ConfiguratorModel& model, const PendingAssignment& pending,
                        const std::filesystem::path& keymapPath);

// The whole key assignment after the dialog's OK: the key's mark cleared,
// the commit, then the enable bit from PendingKeyEnabled (a disabled key is
// marked), and one save of keymap.bin.
Status assignKey(ConfiguratorModel& model, const PendingAssignment& pending,
                 const std::filesystem::path& keymapPath);

// The key table entry for a single target key with this usage: the
// keyboard's own special keys are consumer usages.
KeyTableEntry singleKeyEntry(std::uint8_t usage);

} // namespace vantrel
