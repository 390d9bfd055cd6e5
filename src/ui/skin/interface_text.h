// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"

#include <QString>
#include <string_view>

namespace vantrel::ui {

// A text of the interface language, from UTF-8 literals: the first for the
// Chinese interface, the second for every other.
inline QString uiText(UiLanguage language, const char* chinese, const char* other) {
    return QString::fromUtf8(language.pick(chinese, other));
}

inline QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline QString fromU8(std::u8string_view s) {
    return QString::fromUtf8(reinterpret_cast<const char*>(s.data()),
                             static_cast<qsizetype>(s.size()));
}

} // namespace vantrel::ui
