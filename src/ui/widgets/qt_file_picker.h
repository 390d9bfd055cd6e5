// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/file_picker.h"

class QWidget;

namespace vantrel::ui {

// Qt's file dialogs. They open in the folder last used, at first in the
// user's home folder.
class QtFilePicker : public FilePicker {
public:
    explicit QtFilePicker(QWidget* parent) : parent_(parent) {}

    std::optional<std::filesystem::path> openFile(const QString& caption,
                                                  const QStringList& filters) override;
    std::optional<std::filesystem::path>
    saveFile(const QString& caption, const QStringList& filters, const QString& suffix) override;
    std::optional<std::filesystem::path> folder(const QString& caption) override;

    QString lastFolder() const;

private:
    std::optional<std::filesystem::path> chosen(const QString& path, bool isFolder);
    QWidget* owner() const;

    QWidget* parent_;
    QString lastFolder_;
};

} // namespace vantrel::ui
