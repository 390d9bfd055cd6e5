// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace vantrel::ui {

inline QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline QString fromU8(std::u8string_view s) {
    return QString::fromUtf8(reinterpret_cast<const char*>(s.data()),
                             static_cast<qsizetype>(s.size()));
}

} // namespace vantrel::ui
