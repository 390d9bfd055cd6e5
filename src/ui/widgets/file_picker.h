// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

namespace vantrel::ui {

// The system's file dialogs, behind an interface so tests answer them.
// Filters are Qt's ("bin Files(*.bin)"); no answer means the user cancelled.
class FilePicker {
public:
    virtual ~FilePicker() = default;
    // An existing file to read.
    virtual std::optional<std::filesystem::path> openFile(const QString& caption,
                                                          const QStringList& filters) = 0;
    // A file to write, new or existing (the dialog asks before replacing
    // one); `suffix` is added to a name typed without one.
    virtual std::optional<std::filesystem::path>
    saveFile(const QString& caption, const QStringList& filters, const QString& suffix) = 0;
    // An existing folder.
    virtual std::optional<std::filesystem::path> folder(const QString& caption) = 0;
};

} // namespace vantrel::ui
