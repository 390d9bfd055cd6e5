// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"

#include <QImage>
#include <QString>
#include <filesystem>
#include <map>

namespace vantrel::ui {

// Where a window's pictures live below "png": a branch ("english" or
// "Chinese") and a folder of that branch ("" for the branch itself, or
// "Config", "Custom", "MacroManagement").
struct SkinFolder {
    QString branch = QStringLiteral("english");
    QString folder;

    // The main window's pictures: the English branch whatever the language.
    static SkinFolder mainWindow() { return {}; }
    // A dialog's pictures in the branch of the interface language.
    static SkinFolder of(UiLanguage language, const QString& folder) {
        const auto b = language.skinBranch();
        return {QString::fromLatin1(b.data(), static_cast<qsizetype>(b.size())), folder};
    }
    // "png/<branch>/<folder>/<name>", the place of a user's own picture.
    QString relativePath(const QString& name) const;
};

// Skin images by folder and file name. A PNG of the same name under the
// data folder's png/ tree replaces the built-in one (user skins); the
// built-in pictures carry no words, so both branches share them. Decoded
// images are kept, so each file is read once per run.
class SkinStore {
public:
    // An empty folder means built-in skins only.
    explicit SkinStore(std::filesystem::path dataFolder = {});

    // A null image when neither the user's folder nor the built-in set has it.
    const QImage& image(const SkinFolder& folder, const QString& name);
    // The main window's pictures.
    const QImage& image(const QString& name) { return image(SkinFolder::mainWindow(), name); }
    QSize size(const QString& name) { return image(name).size(); }
    // Where user skins are looked up (the png/ folder of the data folder).
    QString userRoot() const { return userRoot_; }

private:
    QString userRoot_;
    // Node-based, so references handed out stay valid while more images
    // are loaded.
    std::map<QString, QImage> cache_;
};

} // namespace vantrel::ui
