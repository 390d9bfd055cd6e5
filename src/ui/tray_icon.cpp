// SPDX-License-Identifier: MIT
#include "ui/tray_icon.h"

#include <QAction>
#include <QMenu>

namespace vantrel::ui {
namespace {
constexpr int kBalloonMs = 5000;
}

TrayIcon::TrayIcon(const QIcon& icon, Actions actions, UiLanguage language, QObject* parent)
    : QObject(parent), actions_(std::move(actions)), menu_(std::make_unique<QMenu>()) {
    tray_.setIcon(icon);
    tray_.setToolTip(QStringLiteral("VANTREL"));
    const bool chinese = language.chinese();
    // The way back to the window where a click on the icon does nothing.
    menu_->addAction(QString::fromUtf8(chinese ? kShowTextChinese : kShowText), this, [this] {
        if (actions_.showWindow) {
            actions_.showWindow();
        }
    });
    if (actions_.autostart) {
        startOnLogin_ = menu_->addAction(
            QString::fromUtf8(chinese ? kStartOnLoginTextChinese : kStartOnLoginText));
        startOnLogin_->setCheckable(true);
        startOnLogin_->setChecked(actions_.autostart->enabled());
        connect(startOnLogin_, &QAction::triggered, this, [this] { toggleStartOnLogin(); });
        // The desktop's own settings may have switched it meanwhile.
        connect(menu_.get(), &QMenu::aboutToShow, this,
                [this] { startOnLogin_->setChecked(actions_.autostart->enabled()); });
    }
    menu_->addSeparator();
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
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) {
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

void TrayIcon::toggleStartOnLogin() {
    platform::AutostartEntry& entry = *actions_.autostart;
    const bool wanted = !entry.enabled();
    const Status s = wanted ? entry.enable(actions_.program) : entry.disable();
    startOnLogin_->setChecked(entry.enabled());
    if (!s.ok()) {
        tray_.showMessage(QStringLiteral("VANTREL"), QString::fromStdString(s.error().message),
                          QSystemTrayIcon::Warning, kBalloonMs);
    }
}

void TrayIcon::showMissingKeyboard() {
    tray_.showMessage(QString::fromUtf8(kBalloonTitle), QString::fromUtf8(kBalloonText),
                      QSystemTrayIcon::Information, kBalloonMs);
}

} // namespace vantrel::ui
