// SPDX-License-Identifier: MIT
#include "ui/process_updater_launcher.h"

#include "core/model/firmware_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace vantrel::ui {

ProcessUpdaterLauncher::ProcessUpdaterLauncher(QString programFolder) {
    const auto name = updaterFileName();
    path_ = QDir(programFolder)
                .filePath(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

Status ProcessUpdaterLauncher::start() {
    const QFileInfo info(path_);
    if (!info.exists()) {
        return Error{ErrorCode::Io,
                     (QCoreApplication::translate("MainWindow", "Updater not found: ") + path_)
                         .toStdString()};
    }
    if (!QProcess::startDetached(path_, {}, info.absolutePath())) {
        return Error{
            ErrorCode::Io,
            (QCoreApplication::translate("MainWindow", "Could not start the updater: ") + path_)
                .toStdString()};
    }
    return Status::success();
}

} // namespace vantrel::ui
