// SPDX-License-Identifier: MIT
#include "app/program_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace vantrel::app {

ProgramOptions parseProgramOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configurator for the Vantrel keyboard"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("simulate"), QStringLiteral("Use the simulated keyboard.")});
    parser.addOption({QStringLiteral("sim-state"),
                      QStringLiteral("Keep the simulated keyboard in FILE (implies --simulate)."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("trace"), QStringLiteral("Write every transfer to FILE."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("data-dir"),
                      QStringLiteral("Folder of keymap.bin, MacroDefine.bin and VER.bin."),
                      QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("screenshot"),
                      QStringLiteral("Render the window after start-up to FILE (PNG) and exit."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("background"),
                      QStringLiteral("Start hidden in the tray (minimised where there is none).")});
    parser.process(app);
    ProgramOptions o;
    o.simulate = parser.isSet(QStringLiteral("simulate"));
    o.simState = parser.value(QStringLiteral("sim-state"));
    o.trace = parser.value(QStringLiteral("trace"));
    o.dataDir = parser.value(QStringLiteral("data-dir"));
    o.screenshot = parser.value(QStringLiteral("screenshot"));
    o.background = parser.isSet(QStringLiteral("background"));
    return o;
}

} // namespace vantrel::app
