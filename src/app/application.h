// SPDX-License-Identifier: MIT
#pragma once

#include "app/program_options.h"

#include <memory>

namespace vantrel::app {

// The desktop program put together: the model and its files, the keyboard,
// the main window with its lighting page, the dialogs and the tray icon.
class Application {
public:
    explicit Application(ProgramOptions options);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Starts everything and runs until the program ends; the exit status.
    int run();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace vantrel::app
