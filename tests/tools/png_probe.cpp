// SPDX-License-Identifier: MIT
// Finds pictures in screenshots for the shell tests.
//   png_probe find SCREEN.png PATCH.png       prints "X Y" of the first place
//                                             where PATCH occurs exactly; exit 1
//                                             when it does not
//   png_probe crop IN.png X Y W H OUT.png     writes a part of IN
#include <QCoreApplication>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

QImage load(const char* path) {
    QImage img(QString::fromLocal8Bit(path));
    if (img.isNull()) {
        std::fprintf(stderr, "png_probe: cannot read %s\n", path);
    }
    return img.convertToFormat(QImage::Format_RGB32);
}

bool matchesAt(const QImage& screen, const QImage& patch, int x, int y) {
    const auto bytes = static_cast<std::size_t>(patch.width()) * sizeof(QRgb);
    for (int row = 0; row < patch.height(); ++row) {
        const auto* s = reinterpret_cast<const QRgb*>(screen.constScanLine(y + row)) + x;
        if (std::memcmp(s, patch.constScanLine(row), bytes) != 0) {
            return false;
        }
    }
    return true;
}

std::optional<QPoint> find(const QImage& screen, const QImage& patch) {
    for (int y = 0; y + patch.height() <= screen.height(); ++y) {
        for (int x = 0; x + patch.width() <= screen.width(); ++x) {
            if (matchesAt(screen, patch, x, y)) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "find") == 0) {
        const QImage screen = load(argv[2]);
        const QImage patch = load(argv[3]);
        if (screen.isNull() || patch.isNull()) {
            return 2;
        }
        const auto at = find(screen, patch);
        if (!at) {
            return 1;
        }
        std::printf("%d %d\n", at->x(), at->y());
        return 0;
    }
    if (argc == 8 && std::strcmp(argv[1], "crop") == 0) {
        const QImage in = load(argv[2]);
        const QRect part(std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                         std::atoi(argv[6]));
        if (in.isNull() || !in.rect().contains(part)) {
            return 2;
        }
        return in.copy(part).save(QString::fromLocal8Bit(argv[7]), "PNG") ? 0 : 2;
    }
    std::fprintf(stderr, "usage: png_probe find SCREEN PATCH | crop IN X Y W H OUT\n");
    return 2;
}
