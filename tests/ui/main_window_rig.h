// SPDX-License-Identifier: MIT
#pragma once

#include "fakes.h"
#include "ui/main_window.h"
#include "ui/main_window_controller.h"
#include "ui/skin/skin_painter.h"

#include <filesystem>

namespace vantrel::ui::testing {

// The real main window over its controller, with fake dialogs, lighting
// page and keyboard; not shown yet.
struct MainWindowRig {
    MainWindowRig(ConfiguratorModel& model, const std::filesystem::path& folder,
                  SkinPainter& painter)
        : controller(model, DataFolder(folder), painter,
                     {&window, &window, &dialogs, &lighting, &device, nullptr}) {
        window.attach(&controller);
    }

    FakeDialogs dialogs;
    FakeLighting lighting;
    FakeDevice device;
    CQuendalDlg window;
    MainWindowController controller;
};

} // namespace vantrel::ui::testing
