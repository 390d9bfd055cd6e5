// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"

#include <QIcon>
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

// Skin images by folder and file name, at the scale of the screen they are
// shown on. Every picture exists at 1x ("name.png") and 2x
// ("name@2x.png"); other scales are smoothed from the nearer of the two. A
// PNG of the same name under the data folder's png/ tree replaces the
// built-in one (user skins), with or without an @2x of its own; the
// built-in pictures carry no words, so both branches share them.
//
// Pictures are handed out with their device pixel ratio set to the scale,
// so a painter draws them at their logical size. Only one scale is kept at
// a time: asking for another drops the decoded pictures of the old one.
class SkinStore {
public:
    // An empty folder means built-in skins only.
    explicit SkinStore(const std::filesystem::path& dataFolder = {});

    // The picture at `scale`, decoded once per scale; a null image when
    // neither the user's folder nor the built-in set has it. The reference
    // stays valid until a picture of another scale is asked for.
    const QImage& image(const SkinFolder& folder, const QString& name, qreal scale);
    // ... at the scale in use.
    const QImage& image(const SkinFolder& folder, const QString& name) {
        return image(folder, name, scale_);
    }
    // Picture `top` drawn at `at` (logical pixels) on picture `base`, kept
    // as one picture: a picture that is always shown whole on another need
    // not be held a second time. A null image when there is no `base`; an
    // opaque result is kept without an alpha channel (Format_RGB888).
    const QImage& layered(const SkinFolder& folder, const QString& base, const QString& top,
                          QPoint at, qreal scale);
    // The main window's pictures.
    const QImage& image(const QString& name) { return image(SkinFolder::mainWindow(), name); }
    // The size in logical pixels (the 1x picture's), read without decoding
    // a picture of another scale; empty when there is no such picture.
    QSize size(const SkinFolder& folder, const QString& name);
    QSize size(const QString& name) { return size(SkinFolder::mainWindow(), name); }
    // An icon of the picture at every scale there is of it, for the window
    // system to choose from (small pictures; not kept).
    QIcon icon(const SkinFolder& folder, const QString& name);

    qreal scale() const { return scale_; }
    // How many decoded pictures are kept now (all of the scale in use).
    std::size_t keptPictures() const { return cache_.size(); }
    // Where user skins are looked up (the png/ folder of the data folder).
    QString userRoot() const { return userRoot_; }

private:
    // A picture file and the scale it was drawn at.
    struct Source {
        QString path;
        qreal ratio = 1.0;
    };
    struct Entry {
        QImage image;
        QSize logicalSize;
    };
    // The file that serves `scale` best: the user's before the built-in
    // set, and within each the 2x file for scales above 1.
    Source find(const SkinFolder& folder, const QString& name, qreal scale) const;
    static Entry load(const Source& source, qreal scale);
    // Drops the pictures of another scale than `scale`.
    void useScale(qreal scale);

    QString userRoot_;
    qreal scale_ = 1.0;
    // Node-based, so references handed out stay valid while more images
    // are loaded.
    std::map<QString, Entry> cache_;
};

} // namespace vantrel::ui
