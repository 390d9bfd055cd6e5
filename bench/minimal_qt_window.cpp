// SPDX-License-Identifier: MIT
// The yardstick of the memory benchmark: the least a Qt Widgets program
// with a window the size of ours and one line of text takes, on the same
// machine, libraries and platform plugin.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("VANTREL"));
    window.resize(1000, 640);
    window.show();
    return QApplication::exec();
}
