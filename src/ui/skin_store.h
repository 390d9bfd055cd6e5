// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <map>

namespace vantrel::ui {

// Skin images by file name. A PNG of the same name under the data folder's
// png/english/ replaces the built-in one (user skins); decoded images are
// kept, so each file is read once per run.
class SkinStore {
public:
    // An empty folder means built-in skins only.
    explicit SkinStore(std::filesystem::path dataFolder = {});

    // A null image when neither the user's folder nor the built-in set has it.
    const QImage& image(const QString& name);
    QSize size(const QString& name) { return image(name).size(); }
    // Where user skins are looked up.
    QString userFolder() const { return userFolder_; }

private:
    QString userFolder_;
    // Node-based, so references handed out stay valid while more images
    // are loaded.
    std::map<QString, QImage> cache_;
};

} // namespace vantrel::ui
