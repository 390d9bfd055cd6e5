// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace vantrel::ui {

// What the main window's controller asks of the window around it.
class WindowShell {
public:
    virtual ~WindowShell() = default;
    // Recompose and show the whole window.
    virtual void repaint() = 0;
    // Hide the window (the tray brings it back; where there is no tray the
    // window is minimised instead, never lost).
    virtual void hideWindow() = 0;
    virtual void showWindow() = 0;
    // End the program.
    virtual void endProgram() = 0;
    // Wait cursor on or off while a device sequence runs.
    virtual void setBusy(bool busy) = 0;
    // Let the window system move the window with the pointer.
    virtual void startSystemMove() = 0;
    // Runs `task` on the window's thread after `milliseconds`, unless the
    // window is gone by then.
    virtual void after(int milliseconds, std::function<void()> task) = 0;
};

} // namespace vantrel::ui
