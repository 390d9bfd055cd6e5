// SPDX-License-Identifier: MIT
#include "ui/tray_icon.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>

namespace vantrel::ui {
namespace {

constexpr int kBalloonMs = 5000;

// Each language by its own name, the same in every interface language, so
// that it can be found from any.
QString languageAutonym(UiLanguage language) {
    const std::string_view name = language.autonym();
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

TrayIcon::TrayIcon(const QIcon& icon, Actions actions, UiLanguage language, QObject* parent)
    : QObject(parent), actions_(std::move(actions)), menu_(std::make_unique<QMenu>()) {
    tray_.setIcon(icon);
    tray_.setToolTip(QStringLiteral("VANTREL"));
    // The way back to the window where a click on the icon does nothing.
    menu_->addAction(tr("Show window"), this, [this] {
        if (actions_.showWindow) {
            actions_.showWindow();
        }
    });
    if (actions_.autostart) {
        startOnLogin_ = menu_->addAction(tr("Start on login"));
        startOnLogin_->setCheckable(true);
        startOnLogin_->setChecked(actions_.autostart->enabled());
        connect(startOnLogin_, &QAction::triggered, this, [this] { toggleStartOnLogin(); });
        // The desktop's own settings may have switched it meanwhile.
        connect(menu_.get(), &QMenu::aboutToShow, this,
                [this] { startOnLogin_->setChecked(actions_.autostart->enabled()); });
    }
    if (actions_.profiles) {
        menu_->addMenu(actions_.profiles);
    }
    if (actions_.chooseLanguage) {
        addLanguageMenu(language);
    }
    menu_->addSeparator();
    menu_->addAction(tr("About Quendal..."), this, [this] {
        if (actions_.about) {
            actions_.about();
        }
    });
    menu_->addSeparator();
    menu_->addAction(tr("Exit"), this, [this] {
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

void TrayIcon::addLanguageMenu(UiLanguage current) {
    QMenu* languages = menu_->addMenu(tr("Language"));
    auto* group = new QActionGroup(languages);
    for (const UiLanguage language : interfaceLanguages()) {
        QAction* item = languages->addAction(languageAutonym(language));
        item->setCheckable(true);
        item->setChecked(language == current);
        group->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, language] { actions_.chooseLanguage(language); });
        languageActions_ << item;
    }
}

TrayIcon::~TrayIcon() {
    tray_.hide();
}

bool TrayIcon::available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool TrayIcon::mayAppear() {
    return available() || QGuiApplication::platformName() == QLatin1String("xcb");
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
    tray_.showMessage(tr("Attention"), tr("No gaming keyboard!"), QSystemTrayIcon::Information,
                      kBalloonMs);
}

} // namespace vantrel::ui
