// SPDX-License-Identifier: MIT
#include "ui/language_settings.h"

#include "core/util/path_text.h"
#include "platform/data_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <string>
#include <vector>

namespace vantrel::ui {
namespace {

const QString kLanguageKey = QStringLiteral("language");

} // namespace

QString settingsFilePath() {
    // The folder the program bindings share with it: one place decides it.
    return QString::fromStdString(pathText(platform::userConfigFolder() / "vantrel.conf"));
}

std::optional<UiLanguage> savedLanguage(const QString& settingsFile) {
    const QSettings settings(settingsFile, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return std::nullopt;
    }
    return UiLanguage::fromName(settings.value(kLanguageKey).toString().toStdString());
}

Status saveLanguage(const QString& settingsFile, UiLanguage language) {
    QDir().mkpath(QFileInfo(settingsFile).absolutePath());
    QSettings settings(settingsFile, QSettings::IniFormat);
    const auto name = language.catalogue();
    settings.setValue(kLanguageKey,
                      QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        return Error{ErrorCode::Io, "cannot write " + settingsFile.toStdString()};
    }
    return Status::success();
}

UiLanguage startupLanguage(std::optional<UiLanguage> option, const QString& settingsFile,
                           const QStringList& preferred) {
    std::vector<std::string> tags;
    for (const QString& tag : preferred) {
        tags.push_back(tag.toStdString());
    }
    return chooseInterfaceLanguage(option, option ? std::nullopt : savedLanguage(settingsFile),
                                   tags);
}

} // namespace vantrel::ui
