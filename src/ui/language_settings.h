// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"
#include "core/util/result.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vantrel::ui {

// The desktop program's own small settings file, in the user's configuration
// folder ($XDG_CONFIG_HOME/vantrel.conf or ~/.config/vantrel.conf) and not
// in the data folder: it belongs to the user, not to a keyboard's state.
QString settingsFilePath();

// The language picked in the tray menu, if any (an unknown or damaged value
// counts as none).
std::optional<UiLanguage> savedLanguage(const QString& settingsFile);
Status saveLanguage(const QString& settingsFile, UiLanguage language);

// The interface language of this run: `--language` when given, else the
// saved choice, else the session's preferred languages.
UiLanguage startupLanguage(std::optional<UiLanguage> option, const QString& settingsFile,
                           const QStringList& preferred);

} // namespace vantrel::ui
