// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vantrel {

// Our texts are UTF-8 on every system. A path's own narrow form is not: on
// Windows it is the ANSI code page, which cannot hold most user names (and
// libstdc++ throws on what it cannot convert). Every path that goes into a
// message, a request or a file therefore goes through these two.
std::string pathText(const std::filesystem::path& path);
std::filesystem::path pathFromText(std::string_view utf8);

} // namespace vantrel
