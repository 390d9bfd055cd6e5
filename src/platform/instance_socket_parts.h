// SPDX-License-Identifier: MIT
// Shared by the systems' own socket and pipe names.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::platform {

// Only ASCII letters, digits and '-' of `text`: what every system takes in
// a socket or pipe name, and what Qt does not rewrite.
std::string keepNameCharacters(std::string_view text);

} // namespace vantrel::platform
