// SPDX-License-Identifier: MIT
#include "ui/keymap/browse_for_target.h"

#include "core/model/assignment_record.h"
#include "ui/skin/interface_text.h"
#include "ui/user_prompts.h"
#include "ui/widgets/file_picker.h"
#include "ui/widgets/path_text.h"

#include <QCoreApplication>
#include <array>

namespace vantrel::ui {
namespace {

constexpr int kFolderRow = 3;
constexpr std::array<const char*, kFolderRow> kRowFilters = {
    "mp3 Files(*.mp3)",
    "exe Files(*.exe)",
    "txt Files(*.txt)",
};
const QString kAllFiles = QStringLiteral("All files (*)");

QStringList filtersOf(int row) {
    const QString own = QString::fromLatin1(kRowFilters[static_cast<std::size_t>(row)]);
#ifndef _WIN32
    // Programs here carry no .exe: show everything first.
    if (row == 1) {
        return {kAllFiles, own};
    }
#endif
    return {own, kAllFiles};
}

const QString kCaption = QStringLiteral("VANTREL");

} // namespace

bool BrowseForTarget(FilePicker& files, UserPrompts& prompts, int row, std::u16string& path) {
    if (row < 0 || row > kFolderRow) {
        return false;
    }
    const auto chosen =
        row == kFolderRow ? files.folder(QCoreApplication::translate("KeyMap", "modification path"))
                          : files.openFile(QString(), filtersOf(row));
    if (!chosen) {
        return false;
    }
    if (chosen->empty()) {
        // A place without a path of its own: nothing to open later.
        path.clear();
        prompts.inform(QCoreApplication::translate("KeyMap", "Choose a folder"), QString());
        return false;
    }
    const QString text = toQString(*chosen);
    if (toPath(text) != *chosen) {
        prompts.inform(QCoreApplication::translate("KeyMap", "This path cannot be stored:\n") +
                           text,
                       kCaption);
        return false;
    }
    if (static_cast<std::size_t>(text.size()) > record::kMaxPathLength) {
        prompts.inform(
            QCoreApplication::translate("KeyMap", "The path is longer than 255 characters:\n") +
                text,
            kCaption);
        return false;
    }
    path = text.toStdU16String();
    return true;
}

} // namespace vantrel::ui
