// SPDX-License-Identifier: MIT
#include "core/model/assignment_record.h"

#include "core/model/key_positions.h"

namespace vantrel {

std::u16string AssignmentRecord::path() const {
    std::u16string out;
    for (std::size_t i = 0; i < record::kPathUnits; ++i) {
        const auto lo = bytes_[record::kPath + 2 * i];
        const auto hi = bytes_[record::kPath + 2 * i + 1];
        const auto unit = static_cast<char16_t>(lo | (hi << 8));
        if (unit == 0) {
            break;
        }
        out.push_back(unit);
    }
    return out;
}

Status AssignmentRecord::setPath(std::u16string_view path) {
    if (path.size() > record::kMaxPathLength) {
        return makeError(ErrorCode::InvalidArgument,
                         "the path is " + std::to_string(path.size()) +
                             " characters long; at most 255 fit in a key assignment");
    }
    for (std::size_t i = 0; i < record::kPathUnits; ++i) {
        const char16_t unit = i < path.size() ? path[i] : u'\0';
        bytes_[record::kPath + 2 * i] = static_cast<std::uint8_t>(unit & 0xFF);
        bytes_[record::kPath + 2 * i + 1] = static_cast<std::uint8_t>(unit >> 8);
    }
    return {};
}

void AssignmentTable::clear() {
    for (auto& r : records_) {
        r = AssignmentRecord{};
    }
}

void AssignmentTable::writeOwnKeys() {
    for (std::size_t i = 0; i < kKeyPositionCount; ++i) {
        records_[i].setOwnKey(KeyPositionVk(i));
    }
}

} // namespace vantrel
