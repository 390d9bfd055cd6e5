// SPDX-License-Identifier: MIT
#pragma once

namespace vantrel::ui {

// The main window's commands that open a dialog and fold its result back
// into the model: key assignment, profiles, macros. Each runs to its end on
// the window's thread.
class DialogCommands {
public:
    virtual ~DialogCommands() = default;
    // A click on key `key` in the key assignment view.
    virtual void assignKey(int key) = 0;
    // The profiles button. The window refreshes afterwards whatever happened
    // (sliders, marks, keymap.bin), without reading the keyboard.
    virtual void profiles() = 0;
    // The macro button.
    virtual void macros() = 0;
};

} // namespace vantrel::ui
