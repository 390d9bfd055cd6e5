// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QCoreApplication;

namespace vantrel::app {

// What the desktop program was started with.
struct ProgramOptions {
    bool simulate = false;
    QString simState;
    QString trace;
    QString dataDir;
    QString screenshot; // render the window to this PNG and end
    bool background = false; // start hidden in the tray (on login)
};

// Parses the command line; --help and --version print and end the program.
ProgramOptions parseProgramOptions(const QCoreApplication& app);

} // namespace vantrel::app
