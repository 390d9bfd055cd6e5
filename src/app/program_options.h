// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

class QCommandLineParser;
class QCoreApplication;

namespace vantrel::app {

// What the desktop program was started with.
struct ProgramOptions {
    bool simulate = false;
    QString simState;
    QString trace;
    QString dataDir;
    QString screenshot;      // render the window to this PNG and end
    bool background = false; // start hidden in the tray (on login)
    QString
        language; // a catalogue name ("en", "pt_BR"...) or "zh"; empty: the saved or the session's
};

// Parses the command line; --help and --version print and end the program.
ProgramOptions parseProgramOptions(const QCoreApplication& app);

// The program's options (with --help and --version), for every parser.
void addProgramOptions(QCommandLineParser& parser);

// Answers what needs no display, before the window system is touched:
// --help and --version print and end with 0; an unknown option or one
// without its value (or with an empty one) is told on stderr and ends with
// 2, as vantrelctl does.
// Empty when the program should start. Options of a single dash belong to
// Qt (-platform, -display ...) and are left to it.
std::optional<int> answerWithoutDisplay(int argc, char** argv);

} // namespace vantrel::app
