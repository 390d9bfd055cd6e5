// SPDX-License-Identifier: MIT
#include "core/macro/macro_table.h"

namespace vantrel {

std::u16string MacroRecord::name() const {
    std::u16string out;
    for (std::size_t i = 0; i < macro::kNameUnits; ++i) {
        const auto unit = static_cast<char16_t>(bytes_[2 * i] | (bytes_[2 * i + 1] << 8));
        if (unit == 0) {
            break;
        }
        out.push_back(unit);
    }
    return out;
}

Status MacroRecord::setName(std::u16string_view name) {
    if (name.size() > macro::kMaxNameLength) {
        return makeError(ErrorCode::InvalidArgument, "the macro name is " +
                                                         std::to_string(name.size()) +
                                                         " characters long; at most 254 fit");
    }
    for (std::size_t i = 0; i < macro::kNameUnits; ++i) {
        const char16_t unit = i < name.size() ? name[i] : u'\0';
        bytes_[2 * i] = static_cast<std::uint8_t>(unit & 0xFF);
        bytes_[2 * i + 1] = static_cast<std::uint8_t>(unit >> 8);
    }
    return {};
}

void MacroTable::clear() {
    for (auto& r : records_) {
        r = MacroRecord{};
    }
}

} // namespace vantrel
