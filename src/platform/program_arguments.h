// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace vantrel::platform {

// The program's command line in UTF-8, as our texts are. On Windows main()
// is given the ANSI code page's version, which has no room for most file
// names; the system's wide command line is split as the C runtime splits it
// instead. Elsewhere argv itself.
std::vector<std::string> programArguments(int argc, char** argv);

// Makes a console show UTF-8 output as such (Windows consoles use the OEM
// code page); nothing elsewhere, and nothing for output to a file or pipe.
void useUtf8Console();

// argv-style pointers into `arguments`, null-terminated, for parsers that
// take argc and argv.
std::vector<char*> argumentPointers(std::vector<std::string>& arguments);

} // namespace vantrel::platform
