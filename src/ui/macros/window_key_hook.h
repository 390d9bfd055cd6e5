// SPDX-License-Identifier: MIT
#pragma once

#include "ui/capture/key_hook.h"

#include <QObject>
#include <QPointer>
#include <cstdint>

class QKeyEvent;

namespace vantrel::ui {

// The Windows virtual-key code of a Qt key event, 0 for keys without one.
// Left and right modifiers are told apart where the platform says which.
std::uint8_t virtualKeyOf(const QKeyEvent& event);

// Key capture within the program's own windows: while installed, every key
// press and release that reaches the program is reported and swallowed,
// auto-repeats once per keystroke. It sees keys only while a window of the
// program has the keyboard focus; the system-wide capture takes its place
// where the platform offers one.
class WindowKeyHook : public QObject, public KeyHook {
    Q_OBJECT
public:
    WindowKeyHook();
    ~WindowKeyHook() override;

    bool installhook(QWidget* window, int mode, Receiver receiver) override;
    void removehook() override;
    bool installed() const { return installed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Receiver receiver_;
    int mode_ = kPressesAndReleases;
    bool installed_ = false;
};

} // namespace vantrel::ui
