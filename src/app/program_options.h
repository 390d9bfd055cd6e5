// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineParser>
#include <optional>

namespace vantrel::app {

// The desktop program's own command-line options (with --help and
// --version), for the parser the window's start-up uses.
void addProgramOptions(QCommandLineParser& parser);

// Answers what needs no display before the window system is touched:
// --help and --version print and end with 0; an unknown option or one
// without its value is told on stderr and ends with 2, as vantrelctl does.
// Empty when the program should start. Options of a single dash belong to
// Qt (-platform, -display ...) and are left to it.
std::optional<int> answerWithoutDisplay(int argc, char** argv);

} // namespace vantrel::app
