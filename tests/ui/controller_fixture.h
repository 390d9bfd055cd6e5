// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/main_window_layout.h"
#include "core/model/key_picture_table.h"
#include "fakes.h"
#include "support/temp_dir.h"
#include "ui/main_window_controller.h"
#include "ui/skin/skin_painter.h"

#include <gtest/gtest.h>

namespace vantrel::ui::testing {

using namespace vantrel::layout;

class ControllerTest : public ::testing::Test {
protected:
    ControllerTest()
        : folder(dir.path()), skins(dir.path()),
          controller(model, folder, painter,
                     MainWindowController::Ports{&shell, &prompts, &dialogs, &lighting, &device,
                                                 &updater}) {}

    static QPoint keyCentre(int key) {
        const auto& k = KeyPictureTable()[static_cast<std::size_t>(key)];
        return {(k.left + k.right) / 2 + kKeyboardPictureX,
                (k.top + k.bottom) / 2 + kKeyboardPictureY};
    }
    void click(int x, int y) {
        controller.mousePress(x, y);
        controller.mouseRelease(x, y);
    }
    void click(QPoint p) { click(p.x(), p.y()); }
    void clickRegion(int c) {
        const auto& r = ButtonRegionTable()[static_cast<std::size_t>(c)];
        click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // Reads keymap.bin back.
    void loadKeymap(ConfigImage& image, AssignmentTable& table) {
        ASSERT_TRUE(LoadProfileFile(folder.keymap(), image, table).ok());
    }

    vantrel::testing::TempDir dir;
    DataFolder folder;
    SkinStore skins;
    SkinPainter painter{skins};
    ConfiguratorModel model;
    FakeShell shell;
    FakePrompts prompts;
    FakeDialogs dialogs;
    FakeLighting lighting;
    FakeDevice device;
    FakeUpdater updater;
    MainWindowController controller;
};

} // namespace vantrel::ui::testing
