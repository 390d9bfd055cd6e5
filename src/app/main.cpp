// SPDX-License-Identifier: MIT
// The configurator's window program.
#include "app/application.h"
#include "app/program_options.h"
#include "core/util/guarded_main.h"
#include "ui/access/face_factory.h"

#include <QApplication>

namespace {

int runWindowProgram(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vantrel.Vantrel"));
    // Hidden windows and the tray keep the program alive; it ends by its
    // own exit commands only.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before the first window: the painted windows' regions for screen readers.
    vantrel::ui::installFaceAccessibility();
    vantrel::app::Application program(vantrel::app::parseProgramOptions(qt));
    return program.run();
}

} // namespace

int main(int argc, char** argv) {
    if (const auto answered = vantrel::app::answerWithoutDisplay(argc, argv)) {
        return *answered;
    }
    return vantrel::runGuarded("vantrel", 1, [&] { return runWindowProgram(argc, argv); });
}
