// SPDX-License-Identifier: MIT
#include "ui/widgets/qt_file_picker.h"

#include "ui/widgets/path_text.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vantrel::ui {

QWidget* QtFilePicker::owner() const {
    // Over the dialog that asked (the profile manager, the key assignment
    // dialog), not behind it over the main window.
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : parent_;
}

QString QtFilePicker::lastFolder() const {
    return lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_;
}

std::optional<std::filesystem::path> QtFilePicker::chosen(const QString& path, bool isFolder) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    lastFolder_ = isFolder ? path : QFileInfo(path).absolutePath();
    return toPath(path);
}

std::optional<std::filesystem::path> QtFilePicker::openFile(const QString& caption,
                                                            const QStringList& filters) {
    QFileDialog d(owner(), caption, lastFolder(), filters.join(QStringLiteral(";;")));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chosen(d.selectedFiles().front(), false);
}

std::optional<std::filesystem::path>
QtFilePicker::saveFile(const QString& caption, const QStringList& filters, const QString& suffix) {
    QFileDialog d(owner(), caption, lastFolder(), filters.join(QStringLiteral(";;")));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(suffix);
    // Asking before an existing file is replaced is the dialog's default.
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chosen(d.selectedFiles().front(), false);
}

std::optional<std::filesystem::path> QtFilePicker::folder(const QString& caption) {
    return chosen(QFileDialog::getExistingDirectory(owner(), caption, lastFolder()), true);
}

} // namespace vantrel::ui
