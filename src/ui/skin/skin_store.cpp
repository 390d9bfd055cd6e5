// SPDX-License-Identifier: MIT
#include "ui/skin/skin_store.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <array>

// The built-in skins are compiled into this static library; their
// registration must be pulled in explicitly.
static void initBuiltInSkins() {
    Q_INIT_RESOURCE(skins);
}

namespace vantrel::ui {
namespace {

constexpr qreal kFineRatio = 2.0;

// "name@2x.png" for "name.png", as Qt names its high-resolution pictures.
QString fineName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = QStringLiteral("@2x");
    return dot < 0 ? name + suffix : QString(name).insert(dot, suffix);
}

bool isFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// Read first by the format the name says, without guessing: Qt guesses by
// asking every image plugin it has, and keeps them all loaded. Only a file
// whose name lies about its format is guessed.
void readByName(QImageReader& reader, const QString& path) {
    reader.setFileName(path);
    reader.setFormat(QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
}

bool loadImage(QImage& img, const QString& path) {
    QImageReader reader;
    readByName(reader, path);
    img = reader.read();
    return !img.isNull() || img.load(path);
}

QSize storedSize(const QString& path) {
    QImageReader reader;
    readByName(reader, path);
    const QSize size = reader.size();
    return size.isValid() ? size : QImageReader(path).size();
}

bool isOpaque(const QImage& img) {
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

QString SkinFolder::relativePath(const QString& name) const {
    QString path = QStringLiteral("png/") + branch + QLatin1Char('/');
    if (!folder.isEmpty()) {
        path += folder + QLatin1Char('/');
    }
    return path + name;
}

SkinStore::SkinStore(const std::filesystem::path& dataFolder) {
    initBuiltInSkins();
    if (!dataFolder.empty()) {
        userRoot_ = QDir(QString::fromStdString(dataFolder.string())).absolutePath();
    }
}

SkinStore::Source SkinStore::find(const SkinFolder& folder, const QString& name,
                                  qreal scale) const {
    const QString sub = folder.folder.isEmpty() ? QString() : folder.folder + QLatin1Char('/');
    const QString user =
        userRoot_.isEmpty() ? QString() : userRoot_ + QLatin1Char('/') + folder.relativePath({});
    const QString builtIn = QStringLiteral(":/skins/") + sub;
    const bool fine = scale > 1.0;
    // A user's picture wins at every scale, even where only the other
    // scale of it exists: it may differ from ours in more than sharpness.
    for (const QString& root : {user, builtIn}) {
        if (root.isEmpty()) {
            continue;
        }
        const std::array<Source, 2> both{Source{root + name, 1.0},
                                         Source{root + fineName(name), kFineRatio}};
        for (const Source& s : fine ? std::array{both[1], both[0]} : both) {
            if (isFile(s.path)) {
                return s;
            }
        }
    }
    return {};
}

SkinStore::Entry SkinStore::load(const Source& source, qreal scale) {
    QImage img;
    if (source.path.isEmpty() || !loadImage(img, source.path)) {
        return {};
    }
    // One pixel format for every skin keeps the canvas copies fast, and
    // smoothing is right only on premultiplied pixels.
    // In place: a converted copy would hold the picture twice for a moment,
    // and the largest picture's moment is the program's peak.
    img.convertTo(QImage::Format_ARGB32_Premultiplied);
    const QSizeF logical = QSizeF(img.size()) / source.ratio;
    const QSize device(std::max(1, qRound(logical.width() * scale)),
                       std::max(1, qRound(logical.height() * scale)));
    if (img.size() != device) {
        img = img.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    img.setDevicePixelRatio(scale);
    return {std::move(img), logical.toSize()};
}

void SkinStore::useScale(qreal scale) {
    if (!(scale > 0)) {
        scale = 1.0;
    }
    if (scale != scale_) {
        // The window moved to a screen of another scale: the pictures of
        // the old one are no longer shown.
        cache_.clear();
        scale_ = scale;
    }
}

const QImage& SkinStore::image(const SkinFolder& folder, const QString& name, qreal scale) {
    useScale(scale);
    const QString key = folder.relativePath(name);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        it = cache_.emplace(key, load(find(folder, name, scale_), scale_)).first;
    }
    return it->second.image;
}

const QImage& SkinStore::layered(const SkinFolder& folder, const QString& base, const QString& top,
                                 QPoint at, qreal scale) {
    useScale(scale);
    const QString key = folder.relativePath(base) + QLatin1Char('|') + top +
                        QStringLiteral("@%1,%2").arg(at.x()).arg(at.y());
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        Entry entry = load(find(folder, base, scale_), scale_);
        if (!entry.image.isNull()) {
            const Entry over = load(find(folder, top, scale_), scale_);
            QPainter p(&entry.image);
            p.drawImage(at, over.image);
        }
        if (isOpaque(entry.image)) {
            // Three bytes a pixel instead of four for the window's largest
            // picture, drawn on a buffer of its own format anyway.
            entry.image = entry.image.convertToFormat(QImage::Format_RGB888);
        }
        it = cache_.emplace(key, std::move(entry)).first;
    }
    return it->second.image;
}

QSize SkinStore::size(const SkinFolder& folder, const QString& name) {
    if (const auto it = cache_.find(folder.relativePath(name)); it != cache_.end()) {
        return it->second.logicalSize;
    }
    const Source source = find(folder, name, scale_);
    if (source.path.isEmpty()) {
        return {};
    }
    const QSize stored = storedSize(source.path);
    return stored.isValid() ? (QSizeF(stored) / source.ratio).toSize() : QSize();
}

QIcon SkinStore::icon(const SkinFolder& folder, const QString& name) {
    QIcon icon;
    for (const qreal ratio : {1.0, kFineRatio}) {
        const Source source = find(folder, name, ratio);
        QImage img;
        if (!source.path.isEmpty() && source.ratio == ratio && loadImage(img, source.path)) {
            img.setDevicePixelRatio(ratio);
            icon.addPixmap(QPixmap::fromImage(img));
        }
    }
    return icon;
}

} // namespace vantrel::ui
