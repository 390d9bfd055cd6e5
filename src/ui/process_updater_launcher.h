// SPDX-License-Identifier: MIT
#pragma once

#include "ui/updater_launcher.h"

#include <QString>

namespace vantrel::ui {

// Starts the updater that ships beside the program (VANTREL_Update.exe on
// Windows, VANTREL_Update elsewhere) directly, never through a shell.
class ProcessUpdaterLauncher final : public UpdaterLauncher {
public:
    explicit ProcessUpdaterLauncher(QString programFolder);
    Status start() override;
    QString path() const { return path_; }

private:
    QString path_;
};

} // namespace vantrel::ui
