// SPDX-License-Identifier: MIT
#include "app/data_folder_hold.h"

#include <QMessageBox>
#include <chrono>
#include <cstdio>

namespace vantrel::app {

bool holdDataFolder(const std::filesystem::path& folder,
                    std::optional<platform::DataFolderLock>& lock, QStringList& problems,
                    bool showBox) {
    // Longer than any one command takes, short enough to be told soon.
    constexpr std::chrono::seconds kWaitForCommands{10};
    auto taken =
        platform::DataFolderLock::acquire(folder, platform::kDesktopProgramName, kWaitForCommands);
    if (taken) {
        lock.emplace(std::move(*taken));
        return true;
    }
    QString message = QString::fromStdString(taken.error().message);
    std::fprintf(stderr, "vantrel: %s\n", qPrintable(message));
    if (!message.isEmpty()) {
        message[0] = message[0].toUpper(); // a sentence of its own in a window
    }
    if (taken.error().code != ErrorCode::Busy) {
        problems << message;
        return true;
    }
    if (showBox) {
        QMessageBox::critical(nullptr, QStringLiteral("VANTREL"), message);
    }
    return false;
}

} // namespace vantrel::app
