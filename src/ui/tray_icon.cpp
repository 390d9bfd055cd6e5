// SPDX-License-Identifier: MIT
#include "ui/tray_icon.h"

#include <QMenu>

namespace vantrel::ui {
namespace {
constexpr int kBalloonMs = 5000;
}

TrayIcon::TrayIcon(const QIcon& icon, Actions actions, QObject* parent)
    : QObject(parent), actions_(std::move(actions)), menu_(std::make_unique<QMenu>()) {
    tray_.setIcon(icon);
    tray_.setToolTip(QStringLiteral("VANTREL"));
    menu_->addAction(QString::fromUtf8(kAboutText), this, [this] {
        if (actions_.about) {
            actions_.about();
        }
    });
    menu_->addSeparator();
    menu_->addAction(QString::fromUtf8(kExitText), this, [this] {
        if (actions_.quit) {
            actions_.quit();
        }
    });
    tray_.setContextMenu(menu_.get());
    connect(&tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::DoubleClick) {
            doubleClicked();
        }
    });
}

TrayIcon::~TrayIcon() {
    tray_.hide();
}

bool TrayIcon::available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::show() {
    tray_.show();
}

void TrayIcon::doubleClicked() {
    if (actions_.keyboardPresent && actions_.keyboardPresent()) {
        if (actions_.showWindow) {
            actions_.showWindow();
        }
        return;
    }
    showMissingKeyboard();
}

void TrayIcon::showMissingKeyboard() {
    tray_.showMessage(QString::fromUtf8(kBalloonTitle), QString::fromUtf8(kBalloonText),
                      QSystemTrayIcon::Information, kBalloonMs);
}

} // namespace vantrel::ui
