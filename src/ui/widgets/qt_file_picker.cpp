// SPDX-License-Identifier: MIT
#include "ui/widgets/qt_file_picker.h"

#include "ui/widgets/path_text.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vantrel::ui {

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
    QFileDialog d(parent_, caption, lastFolder(), filters.join(QStringLiteral(";;")));
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chosen(d.selectedFiles().front(), false);
}

std::optional<std::filesystem::path>
QtFilePicker::saveFile(const QString& caption, const QStringList& filters, const QString& suffix) {
    QFileDialog d(parent_, caption, lastFolder(), filters.join(QStringLiteral(";;")));
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
    return chosen(QFileDialog::getExistingDirectory(parent_, caption, lastFolder()), true);
}

} // namespace vantrel::ui
