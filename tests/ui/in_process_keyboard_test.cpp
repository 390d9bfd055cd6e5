// SPDX-License-Identifier: MIT
#include "controller_fixture.h"
#include "ui/in_process_keyboard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>

namespace vantrel::ui::testing {
namespace {

// The window against the keyboard kept in the program: work runs on a
// worker thread and its results arrive on this thread.
TEST(InProcessKeyboard, GameModeReachesTheKeyboardAfterApplyOnly) {
    vantrel::testing::TempDir dir;
    QObject context;
    InProcessKeyboard keyboard(&context);
    ConfiguratorModel model;
    SkinStore skins;
    FakeShell shell;
    FakePrompts prompts;
    MainWindowController controller(model, DataFolder(dir.path()), skins,
                                    {&shell, &prompts, nullptr, nullptr, &keyboard, nullptr});
    auto settle = [&] {
        QElapsedTimer t;
        t.start();
        while (controller.busy() && t.elapsed() < 3000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    };
    controller.runCommand(kCmdGameMode);
    EXPECT_EQ(keyboard.stored().gameMode(), 0);
    controller.runCommand(kCmdApply);
    settle();
    EXPECT_FALSE(controller.busy());
    EXPECT_EQ(keyboard.stored().gameMode(), 1);
    EXPECT_EQ(model.syncedImage().gameMode(), 1);
    EXPECT_TRUE(prompts.informs.empty());
}

} // namespace
} // namespace vantrel::ui::testing
