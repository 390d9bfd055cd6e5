// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

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
    };

    static constexpr const char* kBalloonText = "Нет игровой клавиатуры!";
    static constexpr const char* kBalloonTitle = "Внимание";
    static constexpr const char* kExitText = "Выход";
    static constexpr const char* kAboutText = "About Quendal...";

    TrayIcon(const QIcon& icon, Actions actions, QObject* parent = nullptr);
    ~TrayIcon() override;

    // False where the desktop has no notification area.
    static bool available();
    void show();

    // A double-click on the icon: the window when the keyboard is there,
    // else the balloon.
    void doubleClicked();
    // Shown for a missing keyboard.
    void showMissingKeyboard();
    QMenu* menu() const { return menu_.get(); }
    QSystemTrayIcon& icon() { return tray_; }

private:
    Actions actions_;
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon tray_;
};

} // namespace vantrel::ui
