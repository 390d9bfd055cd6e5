// SPDX-License-Identifier: MIT
#pragma once

#include "ui/updater_launcher.h"

#include <QString>

namespace vantrel::ui {

// Starts the updater that ships beside the program (VANTREL_Update.exe on
// Windows, VANTREL_Update elsewhere) without arguments, in the program
// folder, never through a command interpreter. On Windows the shell's open
// verb starts it, so an updater that asks for administrator rights works.
class ProcessUpdaterLauncher final : public UpdaterLauncher {
public:
    explicit ProcessUpdaterLauncher(QString programFolder);
    Status start() override;
    QString path() const { return path_; }

private:
    QString path_;
};

} // namespace vantrel::ui
