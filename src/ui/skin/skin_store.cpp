// SPDX-License-Identifier: MIT
#include "ui/skin/skin_store.h"

#include <QDir>
#include <QFileInfo>

// The built-in skins are compiled into this static library; their
// registration must be pulled in explicitly.
static void initBuiltInSkins() {
    Q_INIT_RESOURCE(skins);
}

namespace vantrel::ui {

QString SkinFolder::relativePath(const QString& name) const {
    QString path = QStringLiteral("png/") + branch + QLatin1Char('/');
    if (!folder.isEmpty()) {
        path += folder + QLatin1Char('/');
    }
    return path + name;
}

SkinStore::SkinStore(std::filesystem::path dataFolder) {
    initBuiltInSkins();
    if (!dataFolder.empty()) {
        userRoot_ = QDir(QString::fromStdString(dataFolder.string())).absolutePath();
    }
}

const QImage& SkinStore::image(const SkinFolder& folder, const QString& name) {
    const QString key = folder.relativePath(name);
    auto it = cache_.find(key);
    if (it != cache_.end()) {
        return it->second;
    }
    QImage img;
    if (!userRoot_.isEmpty()) {
        const QString user = userRoot_ + QLatin1Char('/') + key;
        if (QFileInfo(user).isFile()) {
            img.load(user);
        }
    }
    if (img.isNull()) {
        const QString sub = folder.folder.isEmpty() ? QString() : folder.folder + QLatin1Char('/');
        img.load(QStringLiteral(":/skins/") + sub + name);
    }
    // One pixel format for every skin keeps the canvas copies fast.
    if (!img.isNull() && img.format() != QImage::Format_ARGB32_Premultiplied) {
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return cache_.emplace(key, std::move(img)).first->second;
}

} // namespace vantrel::ui
