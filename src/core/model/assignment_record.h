// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vantrel {

// What a key was assigned, for the user interface (byte 1 of the record).
enum class AssignmentKind : std::uint8_t {
    SingleKey = 0,
    Combination = 1,
    Macro = 2,
    BasicFunction = 3,
    PlayMusic = 4,
    LaunchProgram = 5,
    OpenFile = 6,
    OpenFolder = 7,
    None = 8,      // pending only: the key gets its own code back
    Cleared = 255, // the advanced tab was entered from another tab
};

inline constexpr bool isAdvancedKind(std::uint8_t kind) {
    return kind >= 4 && kind <= 7;
}

namespace record {
inline constexpr std::size_t kSize = 772;
inline constexpr std::size_t kOwnKey = 0;
inline constexpr std::size_t kKind = 1;
inline constexpr std::size_t kData = 2;
inline constexpr std::size_t kDataSize = 255;
inline constexpr std::size_t kKeyCount = 257;
inline constexpr std::size_t kReserved = 258; // 2 bytes, never written
inline constexpr std::size_t kPath = 260;
inline constexpr std::size_t kPathUnits = 256; // UTF-16LE units including the terminator
inline constexpr std::size_t kMaxPathLength = kPathUnits - 1;
static_assert(kData + kDataSize == kKeyCount);
static_assert(kPath + 2 * kPathUnits == kSize);
} // namespace record

// One key's assignment record, 772 bytes in the layout of keymap.bin.
class AssignmentRecord {
public:
    AssignmentRecord() { bytes_.fill(0); }

    std::span<std::uint8_t, record::kSize> bytes() { return bytes_; }
    std::span<const std::uint8_t, record::kSize> bytes() const { return bytes_; }

    std::uint8_t ownKey() const { return bytes_[record::kOwnKey]; }
    void setOwnKey(std::uint8_t vk) { bytes_[record::kOwnKey] = vk; }
    std::uint8_t kind() const { return bytes_[record::kKind]; }
    void setKind(std::uint8_t k) { bytes_[record::kKind] = k; }
    void setKind(AssignmentKind k) { setKind(static_cast<std::uint8_t>(k)); }
    std::span<std::uint8_t, record::kDataSize> data() {
        return std::span<std::uint8_t, record::kDataSize>(bytes_.data() + record::kData,
                                                          record::kDataSize);
    }
    std::span<const std::uint8_t, record::kDataSize> data() const {
        return std::span<const std::uint8_t, record::kDataSize>(bytes_.data() + record::kData,
                                                                record::kDataSize);
    }
    std::uint8_t keyCount() const { return bytes_[record::kKeyCount]; }
    void setKeyCount(std::uint8_t n) { bytes_[record::kKeyCount] = n; }

    // The launch path, UTF-16 up to its terminator (or the field's end).
    std::u16string path() const;
    // Stores the path with its terminator; a path longer than 255 units does
    // not fit and is refused without touching the record.
    Status setPath(std::u16string_view path);

    friend bool operator==(const AssignmentRecord&, const AssignmentRecord&) = default;

private:
    std::array<std::uint8_t, record::kSize> bytes_;
};
static_assert(sizeof(AssignmentRecord) == record::kSize);

// One record per key index; the first 108 describe the picture's keys.
class AssignmentTable {
public:
    static constexpr std::size_t kCount = 255;
    static constexpr std::size_t kBytes = kCount * record::kSize;

    AssignmentRecord& operator[](std::size_t i) { return records_.at(i); }
    const AssignmentRecord& operator[](std::size_t i) const { return records_.at(i); }

    // Contiguous bytes in the layout of keymap.bin.
    std::span<std::uint8_t, kBytes> bytes() {
        return std::span<std::uint8_t, kBytes>(records_.front().bytes().data(), kBytes);
    }
    std::span<const std::uint8_t, kBytes> bytes() const {
        return std::span<const std::uint8_t, kBytes>(records_.front().bytes().data(), kBytes);
    }

    void clear();
    // Byte 0 of the first 108 records always holds the position's own
    // virtual-key code; rewritten after every load and reset.
    void writeOwnKeys();

    friend bool operator==(const AssignmentTable&, const AssignmentTable&) = default;

private:
    std::array<AssignmentRecord, kCount> records_{};
};
static_assert(sizeof(AssignmentTable) == AssignmentTable::kBytes);
static_assert(AssignmentTable::kBytes == 196860);

} // namespace vantrel
