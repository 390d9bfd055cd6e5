// SPDX-License-Identifier: MIT
// A plain window of a chosen Wayland app_id and title, for the tests that
// watch which program is in front: wayland_window APP_ID TITLE.
#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>
#include <cstdio>

namespace {

class Plain final : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(QRect(QPoint(), size()), Qt::darkCyan);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: wayland_window APP_ID TITLE\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    // Qt's Wayland platform gives the toplevel this name as its app_id.
    QGuiApplication::setDesktopFileName(QString::fromLocal8Bit(argv[1]));
    Plain window;
    window.setTitle(QString::fromLocal8Bit(argv[2]));
    window.resize(320, 240);
    window.show();
    return app.exec();
}
