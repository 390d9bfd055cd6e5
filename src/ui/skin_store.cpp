// SPDX-License-Identifier: MIT
#include "ui/skin_store.h"

#include <QDir>
#include <QFileInfo>

// The built-in skins are compiled into this static library; their
// registration must be pulled in explicitly.
static void initBuiltInSkins() {
    Q_INIT_RESOURCE(skins);
}

namespace vantrel::ui {

SkinStore::SkinStore(std::filesystem::path dataFolder) {
    initBuiltInSkins();
    if (!dataFolder.empty()) {
        userFolder_ =
            QDir(QString::fromStdString((dataFolder / "png" / "english").string())).absolutePath();
    }
}

const QImage& SkinStore::image(const QString& name) {
    auto it = cache_.find(name);
    if (it != cache_.end()) {
        return it->second;
    }
    QImage img;
    if (!userFolder_.isEmpty()) {
        const QString user = userFolder_ + QLatin1Char('/') + name;
        if (QFileInfo::exists(user)) {
            img.load(user);
        }
    }
    if (img.isNull()) {
        img.load(QStringLiteral(":/skins/") + name);
    }
    // One pixel format for every skin keeps the canvas copies fast.
    if (!img.isNull() && img.format() != QImage::Format_ARGB32_Premultiplied) {
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return cache_.emplace(name, std::move(img)).first->second;
}

} // namespace vantrel::ui
