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

// Whether a path names the same place from every current folder: "/..." on
// POSIX; on Windows a drive with its root ("C:\...") or a share
// ("\\server\share", "\\?\..."), which libstdc++'s is_absolute misses.
// "\x" and "C:x" depend on the current drive or folder and are not.
bool isAbsolutePathText(std::string_view utf8);

} // namespace vantrel
