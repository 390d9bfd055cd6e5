// SPDX-License-Identifier: MIT
#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

namespace vantrel::windows {

// The wide (UTF-16) strings of the Windows API and our UTF-8 texts.
// Malformed input comes out with U+FFFD, as the system's converter gives it.
std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

// The system's sentence for an error code (GetLastError), in UTF-8, without
// the line break it ends with; the number itself when there is none.
std::string errorText(unsigned long code);
// errorText(GetLastError()).
std::string lastErrorText();

} // namespace vantrel::windows

#endif
