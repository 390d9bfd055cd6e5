// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"

#include <string_view>

namespace vantrel {

// The name of the basic function `id` (its command-line name) in one of the
// interface languages that the function table itself does not hold
// (English, Chinese, Russian); empty for those and for an unknown id.
std::string_view basicFunctionName(std::string_view id, UiLanguage language);

// Whether `name` is the function's name in one of those languages.
bool basicFunctionNamed(std::string_view id, std::string_view name);

} // namespace vantrel
