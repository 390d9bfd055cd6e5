// SPDX-License-Identifier: MIT
#include "core/model/assignment_commit.h"

#include "core/macro/macro_list.h"
#include "core/model/key_positions.h"
#include "core/model/state_files.h"

#include <algorithm>
#include <cstdio>

namespace vantrel {
namespace {

constexpr std::uint8_t kind(AssignmentKind k) {
    return static_cast<std::uint8_t>(k);
}

// Record data of every launch kind: the keyboard itself is told to report
// the key (entry kind 10); these bytes only tell the dialog what was chosen.
constexpr std::array<std::uint8_t, 4> kLaunchData = {0x03, 0x00, 0x23, 0x02};
// Mouse codes name mouse actions inside macros; a key cannot become one.
constexpr std::uint8_t kFirstMouseCode = 0xF0;
constexpr std::uint8_t kLastMouseCode = 0xF9;

std::string hex(std::uint8_t v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", v);
    return buf;
}

Status checkTargetKey(const KeyNameTable& names, std::uint8_t vk) {
    if (vk >= kFirstMouseCode && vk <= kLastMouseCode) {
        return makeError(ErrorCode::InvalidArgument,
                         "mouse actions can only be used inside macros, not as a key");
    }
    if (vk == 0 || names.usage(vk) == 0) {
        return makeError(ErrorCode::InvalidArgument,
                         "the key with virtual-key code " + hex(vk) +
                             " has no code the keyboard knows; it cannot be assigned");
    }
    return {};
}

// What the keyboard does out of the box for this key. Restoring a key gives
// it back this entry, so that the Fn key and the media keys keep working.
KeyTableEntry factoryEntry(std::size_t position) {
    const auto c = KeyPositionMatrixCode(position);
    KeyTableEntry e{};
    std::copy_n(DefaultKeyTable().begin() + c, entry::kSize, e.begin());
    return e;
}

void resetRecord(AssignmentRecord& r) {
    r.setKind(AssignmentKind::SingleKey);
    r.setKeyCount(0);
    std::fill(r.data().begin(), r.data().end(), 0);
}

void writeEntry(ConfigImage& image, std::size_t position, const KeyTableEntry& e) {
    auto dst = image.keyTableEntry(KeyPositionMatrixCode(position));
    std::copy(e.begin(), e.end(), dst.begin());
}

// The commit proper, on validated input. Returns whether the key ends up
// enabled by the commit itself (only the default button forces that).
bool applyCommit(ConfiguratorModel& model, const PendingAssignment& p) {
    const std::size_t i = p.CurrentKeyIndex;
    auto& r = model.assignments()[i];
    auto& image = model.image();
    const auto& names = model.keyNames();
    const std::uint8_t own = KeyPositionVk(i);

    if (p.PendingKeyCount == kRestoreDefaultKeyCount) {
        resetRecord(r);
        writeEntry(image, i, factoryEntry(i));
        image.setKeyEnabled(KeyPositionEnableBit(i), true);
        return true;
    }
    switch (p.PendingKind) {
    case kind(AssignmentKind::SingleKey): {
        const std::uint8_t k = p.PendingKeys[0];
        resetRecord(r);
        if (k == own) {
            writeEntry(image, i, factoryEntry(i));
            break;
        }
        r.data()[0] = k;
        r.setKeyCount(1);
        writeEntry(image, i, singleKeyEntry(names.usage(k)));
        model.marks().set(i, true);
        break;
    }
    case kind(AssignmentKind::Combination): {
        const auto n = static_cast<std::size_t>(p.PendingKeyCount);
        r.setKind(AssignmentKind::Combination);
        std::fill(r.data().begin(), r.data().end(), 0);
        KeyTableEntry e{entry::kKeyboard, 0, 0, 0};
        for (std::size_t k = 0; k < n; ++k) {
            r.data()[k] = p.PendingKeys[k];
            e[1 + k] = names.usage(p.PendingKeys[k]);
        }
        r.setKeyCount(static_cast<std::uint8_t>(n));
        writeEntry(image, i, e);
        model.marks().set(i, n >= 2);
        break;
    }
    case kind(AssignmentKind::Macro): {
        const auto m = static_cast<std::uint8_t>(p.PendingMacro);
        const KeyTableEntry e{entry::kMacro, 1, m, 0};
        r.setKind(AssignmentKind::Macro);
        std::copy(e.begin(), e.end(), r.data().begin());
        writeEntry(image, i, e);
        model.marks().set(i, true);
        fillMacroSlots(model.macros(), image);
        break;
    }
    case kind(AssignmentKind::BasicFunction): {
        const BasicFunction* f = findBasicFunction(p.PendingFunctionName);
        r.setKind(AssignmentKind::BasicFunction);
        std::copy(f->entry.begin(), f->entry.end(), r.data().begin());
        writeEntry(image, i, f->entry);
        model.marks().set(i, true);
        break;
    }
    case kind(AssignmentKind::PlayMusic):
    case kind(AssignmentKind::LaunchProgram):
    case kind(AssignmentKind::OpenFile):
    case kind(AssignmentKind::OpenFolder):
        r.setKind(p.PendingKind);
        r.setOwnKey(own);
        std::copy(kLaunchData.begin(), kLaunchData.end(), r.data().begin());
        (void)r.setPath(p.PendingPath); // length checked by validateAssignment
        writeEntry(image, i, KeyTableEntry{entry::kHostAction, 0, own, 0});
        model.marks().set(i, true);
        break;
    case kind(AssignmentKind::None):
        resetRecord(r);
        writeEntry(image, i, factoryEntry(i));
        break;
    default: // Cleared: the dialog already reset the record
        break;
    }
    return p.PendingKeyEnabled == 1;
}

} // namespace

KeyTableEntry singleKeyEntry(std::uint8_t usage) {
    switch (usage) {
    case 0x83:
        return {entry::kConsumer, 0, 0x83, 0x01};
    case 0xCD:
    case 0xE9:
    case 0xEA:
        return {entry::kConsumer, 0, usage, 0};
    default:
        return {entry::kKeyboard, 0, usage, 0};
    }
}

Status validateAssignment(const ConfiguratorModel& model, const PendingAssignment& p) {
    if (p.CurrentKeyIndex >= kKeyPositionCount) {
        return makeError(ErrorCode::InvalidArgument, "key index " +
                                                         std::to_string(p.CurrentKeyIndex) +
                                                         " is not a key of the keyboard (0-107)");
    }
    if (p.PendingKeyCount == kRestoreDefaultKeyCount) {
        return {};
    }
    const auto& names = model.keyNames();
    switch (p.PendingKind) {
    case kind(AssignmentKind::SingleKey):
        if (p.PendingKeys[0] == KeyPositionVk(p.CurrentKeyIndex)) {
            return {};
        }
        return checkTargetKey(names, p.PendingKeys[0]);
    case kind(AssignmentKind::Combination): {
        if (p.PendingKeyCount < 1 || p.PendingKeyCount > static_cast<int>(kMaxComboKeys)) {
            return makeError(ErrorCode::InvalidArgument, "a combination has 1 to 3 keys, not " +
                                                             std::to_string(p.PendingKeyCount));
        }
        for (int k = 0; k < p.PendingKeyCount; ++k) {
            if (auto s = checkTargetKey(names, p.PendingKeys[static_cast<std::size_t>(k)]); !s) {
                return s;
            }
        }
        return {};
    }
    case kind(AssignmentKind::Macro): {
        const std::size_t used = std::min(usedMacroCount(model.macros()), macro::kMaxMacros);
        if (p.PendingMacro < 0 || static_cast<std::size_t>(p.PendingMacro) >= used) {
            return makeError(ErrorCode::InvalidArgument,
                             "there is no macro " + std::to_string(p.PendingMacro) +
                                 " on the keyboard; macros 0 to " +
                                 std::to_string(static_cast<int>(used) - 1) + " exist");
        }
        return {};
    }
    case kind(AssignmentKind::BasicFunction):
        if (!findBasicFunction(p.PendingFunctionName)) {
            return makeError(ErrorCode::InvalidArgument,
                             "there is no function named \"" + p.PendingFunctionName + "\"");
        }
        return {};
    case kind(AssignmentKind::PlayMusic):
    case kind(AssignmentKind::LaunchProgram):
    case kind(AssignmentKind::OpenFile):
    case kind(AssignmentKind::OpenFolder):
        if (p.PendingPath.empty()) {
            return makeError(ErrorCode::InvalidArgument, "a launch function needs a path");
        }
        if (p.PendingPath.size() > record::kMaxPathLength) {
            return makeError(ErrorCode::InvalidArgument,
                             "the path is " + std::to_string(p.PendingPath.size()) +
                                 " characters long; at most 255 fit in a key assignment");
        }
        return {};
    case kind(AssignmentKind::None):
    case kind(AssignmentKind::Cleared):
        return {};
    default:
        return makeError(ErrorCode::InvalidArgument,
                         "unknown assignment kind " + std::to_string(p.PendingKind));
    }
}

Status CommitAssignment(ConfiguratorModel& model, const PendingAssignment& pending,
                        const std::filesystem::path& keymapPath) {
    if (auto s = validateAssignment(model, pending); !s) {
        return s;
    }
    applyCommit(model, pending);
    return SaveKeymapFile(keymapPath, model.image(), model.assignments());
}

Status assignKey(ConfiguratorModel& model, const PendingAssignment& pending,
                 const std::filesystem::path& keymapPath) {
    if (auto s = validateAssignment(model, pending); !s) {
        return s;
    }
    const std::size_t i = pending.CurrentKeyIndex;
    model.marks().set(i, false);
    const bool enabled =
        applyCommit(model, pending) || pending.PendingKeyCount == kRestoreDefaultKeyCount;
    model.image().setKeyEnabled(KeyPositionEnableBit(i), enabled);
    if (!enabled) {
        model.marks().set(i, true);
    }
    return SaveKeymapFile(keymapPath, model.image(), model.assignments());
}

} // namespace vantrel
