// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <string>
#include <string_view>

namespace vantrel {

// Command lines and our own texts are UTF-8; the stored files hold UTF-16LE.
// Malformed input is refused rather than patched, so that a name or path is
// never stored different from what the user typed.
Result<std::u16string> utf8ToUtf16(std::string_view text);
// Unpaired surrogates come out as U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

} // namespace vantrel
