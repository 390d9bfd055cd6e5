// SPDX-License-Identifier: MIT
// Draws every skin image, at 1x and 2x, into a folder and writes a resource
// list for them.
// Usage: vantrel_skingen OUTPUT_DIR
//        vantrel_skingen --icons OUTPUT_DIR   (the icon theme's hicolor/ tree)
#include "skin_canvas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

// The sizes desktops look for in the hicolor theme: menus and panels
// (16-32), launchers and software centres (48-256).
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

int writeIcons(const QString& folder) {
    for (int size : kIconSizes) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir) || !vantrel::skingen::programIcon(size).save(
                                       dir + QStringLiteral("/vantrel.png"), "PNG")) {
            std::fprintf(stderr, "cannot write the icons into %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--icons") {
        return writeIcons(QString::fromLocal8Bit(argv[2]));
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantrel_skingen [--icons] OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    vantrel::skingen::SkinSet set;
    for (const qreal scale : vantrel::skingen::kSkinScales) {
        for (const auto& [name, group] : vantrel::skingen::groups()) {
            group(set, scale);
        }
    }
    QFile qrc(out.filePath(QStringLiteral("skins.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write skins.qrc\n");
        return 1;
    }
    QTextStream q(&qrc);
    q << "<RCC>\n  <qresource prefix=\"/skins\">\n";
    for (const auto& [name, image] : set.images()) {
        // Dialog pictures live in folders of their own ("Config/...").
        const QString file = out.filePath(name);
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
        q << "    <file>" << name << "</file>\n";
    }
    q << "  </qresource>\n</RCC>\n";
    return 0;
}
