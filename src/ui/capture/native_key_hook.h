// SPDX-License-Identifier: MIT
#pragma once

#include "ui/capture/key_hook.h"

#include <QObject>
#include <QPointer>
#include <optional>

class QKeyEvent;
class QWidget;

namespace vantrel::ui {

// The key capture of the running program. While installed it filters every
// key event of the application, so no widget sees a key, and the window
// holds the keyboard grab where the window system grants one (X11: keys
// that the desktop would take, such as Alt+Tab, the Windows key and Print,
// arrive too). Where no grab is granted (Wayland), keys arrive while the
// window has the focus. Auto-repeat is dropped in both modes.
class NativeKeyHook : public QObject, public KeyHook {
    Q_OBJECT
public:
    explicit NativeKeyHook(QObject* parent = nullptr);
    ~NativeKeyHook() override;

    bool installhook(QWidget* window, int mode, Receiver receiver) override;
    void removehook() override;

    bool installed() const { return static_cast<bool>(receiver_); }
    // The window system granted the keyboard grab.
    bool grabbed() const { return grabbed_; }

    // The virtual-key code of a key event: from the native key code where
    // the platform reports one, else from Qt's key (left modifiers then).
    static std::optional<std::uint8_t> virtualKeyOf(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tryGrab();
    void releaseGrab();

    QPointer<QWidget> window_;
    int mode_ = kKeystrokes;
    Receiver receiver_;
    bool grabbed_ = false;
};

} // namespace vantrel::ui
