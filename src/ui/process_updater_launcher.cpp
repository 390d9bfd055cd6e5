// SPDX-License-Identifier: MIT
#include "ui/process_updater_launcher.h"

#include "core/model/firmware_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace vantrel::ui {
namespace {

#ifdef _WIN32
// Through the shell, not CreateProcess: an updater whose manifest asks for
// administrator rights is then started after the system's consent prompt
// instead of failing (error 740, elevation required).
bool startProgram(const QString& path, const QString& folder) {
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    const std::wstring directory = QDir::toNativeSeparators(folder).toStdWString();
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // No message box of the shell's own: the caller tells what failed.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = nullptr;
    info.lpDirectory = directory.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}
#else
bool startProgram(const QString& path, const QString& folder) {
    return QProcess::startDetached(path, {}, folder);
}
#endif

} // namespace

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
    if (!startProgram(path_, info.absolutePath())) {
        return Error{
            ErrorCode::Io,
            (QCoreApplication::translate("MainWindow", "Could not start the updater: ") + path_)
                .toStdString()};
    }
    return Status::success();
}

} // namespace vantrel::ui
