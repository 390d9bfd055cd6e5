// SPDX-License-Identifier: MIT
#pragma once

namespace vantrel::ui {

// Runs the colour chooser modally from the model's exchange colour; on OK the
// exchange colour holds the chosen colour. Tests answer it without a screen.
class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    virtual bool run() = 0; // true for OK
};

} // namespace vantrel::ui
