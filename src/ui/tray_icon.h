// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"
#include "platform/autostart.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QSystemTrayIcon>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace vantrel::ui {

// The notification-area icon: the way back to a hidden window, the place
// where a missing keyboard is reported, and the way to end the program.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    struct Actions {
        std::function<bool()> keyboardPresent;
        std::function<void()> showWindow;
        std::function<void()> about;
        std::function<void()> quit;
        // The start-on-login entry the menu writes and removes, and the
        // program it starts; no menu item without it.
        platform::AutostartEntry* autostart = nullptr;
        std::filesystem::path program;
        // A language picked in the menu; no language menu without it.
        std::function<void(UiLanguage)> chooseLanguage;
        // The Profiles menu, placed before the languages; none without it.
        QMenu* profiles = nullptr;
    };

    TrayIcon(const QIcon& icon, Actions actions, UiLanguage language = {},
             QObject* parent = nullptr);
    ~TrayIcon() override;

    // False where the desktop has no notification area.
    static bool available();
    // A tray there now, or one X11 can still bring (a panel slower at login):
    // Qt docks the icon once an XEmbed tray appears, elsewhere never.
    static bool mayAppear();
    void show();

    // A click or a double-click on the icon (StatusNotifier trays report
    // only the single click): the window when the keyboard is there, else
    // the balloon.
    void doubleClicked();
    // The start-on-login menu item was chosen: writes or removes the entry.
    void toggleStartOnLogin();
    QAction* startOnLoginAction() const { return startOnLogin_; }
    // The language menu's items, in the order of interfaceLanguages().
    const QList<QAction*>& languageActions() const { return languageActions_; }
    // Shown for a missing keyboard.
    void showMissingKeyboard();
    QMenu* menu() const { return menu_.get(); }
    QSystemTrayIcon& icon() { return tray_; }

private:
    void addLanguageMenu(UiLanguage current);

    Actions actions_;
    QAction* startOnLogin_ = nullptr;
    QList<QAction*> languageActions_;
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon tray_;
};

} // namespace vantrel::ui
