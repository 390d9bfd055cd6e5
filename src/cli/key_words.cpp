// SPDX-License-Identifier: MIT
#include "cli/key_words.h"

#include "core/model/assignment_commit.h"
#include "core/model/assignment_parser.h"
#include "core/model/key_positions.h"
#include "core/model/key_reference.h"

#include <algorithm>

namespace vantrel::cli {

namespace {

using Words = std::vector<std::string>;

// The key code behind a usage: the record's own choice when it gives this
// usage, else the first key with a name that reads back.
std::optional<std::uint8_t> keyFor(const KeyNameTable& names, std::uint8_t usage,
                                   std::span<const std::uint8_t> chosen) {
    for (std::uint8_t vk : chosen) {
        if (vk != 0 && names.usage(vk) == usage) {
            return vk;
        }
    }
    for (int vk = 1; vk < static_cast<int>(KeyNameTable::kCount); ++vk) {
        const auto code = static_cast<std::uint8_t>(vk);
        if (names.usage(code) == usage && parseKeyCode(names, keyReference(names, code))) {
            return code;
        }
    }
    return std::nullopt;
}

std::optional<Words> keyboardPageWords(const KeyNameTable& names, const KeyTableEntry& e,
                                       const AssignmentRecord& record) {
    const auto chosen = std::span<const std::uint8_t>(record.data()).first(kMaxComboKeys);
    // A single key is bytes 0, usage, 0; a combination fills bytes 1-3 in order.
    if (e[1] == 0 && e[2] != 0 && e[3] == 0) {
        if (auto vk = keyFor(names, e[2], chosen)) {
            return Words{"key", keyReference(names, *vk)};
        }
        return std::nullopt;
    }
    std::string keys;
    for (std::size_t k = 1; k < entry::kSize && e[k] != 0; ++k) {
        auto vk = keyFor(names, e[k], chosen);
        if (!vk) {
            return std::nullopt;
        }
        keys += (keys.empty() ? "" : "+") + keyReference(names, *vk);
    }
    if (keys.empty()) {
        return std::nullopt;
    }
    return Words{"combo", keys};
}

std::optional<Words> consumerPageWords(const KeyNameTable& names, const KeyTableEntry& e) {
    if (const BasicFunction* f = findBasicFunctionByEntry(e)) {
        return Words{"function", std::string(f->id)};
    }
    // The keyboard's own special keys are consumer usages too.
    for (int vk = 1; vk < static_cast<int>(KeyNameTable::kCount); ++vk) {
        const auto code = static_cast<std::uint8_t>(vk);
        if (names.usage(code) != 0 && singleKeyEntry(names.usage(code)) == e) {
            return Words{"key", keyReference(names, code)};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Words> assignWords(const ConfiguratorModel& model, std::size_t position) {
    const ConfigImage& image = model.image();
    const KeyNameTable& names = model.keyNames();
    const AssignmentRecord& record = model.assignments()[position];
    KeyTableEntry e{};
    const auto stored = image.keyTableEntry(KeyPositionMatrixCode(position));
    std::copy(stored.begin(), stored.end(), e.begin());
    KeyTableEntry factory{};
    std::copy_n(DefaultKeyTable().begin() + KeyPositionMatrixCode(position), entry::kSize,
                factory.begin());

    if (e == factory) {
        return image.keyEnabled(KeyPositionEnableBit(position)) ? Words{"default"}
                                                                : Words{"disable"};
    }
    switch (e[0]) {
    case entry::kKeyboard:
        return keyboardPageWords(names, e, record);
    case entry::kConsumer:
        return consumerPageWords(names, e);
    case entry::kMacro:
        return Words{"macro", std::to_string(e[2])};
    case entry::kHostAction:
        // The keyboard only reports the key; what it opens lives in keymap.bin.
        if (isAdvancedKind(record.kind())) {
            return describeAssignment(record, names);
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace vantrel::cli
