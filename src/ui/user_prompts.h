// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace vantrel::ui {

// Message boxes of the main window, behind an interface so controller
// tests can answer them.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // OK and Cancel; true for OK.
    virtual bool confirm(const QString& text, const QString& caption) = 0;
    // A message with an OK button.
    virtual void inform(const QString& text, const QString& caption) = 0;
};

} // namespace vantrel::ui
