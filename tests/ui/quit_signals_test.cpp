// SPDX-License-Identifier: MIT
// Closing from outside on Windows: the session's end and the console's
// control events run the program's quit on the window's thread.
#ifdef _WIN32

#include "app/quit_signals.h"
#include "ui/native_message_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <windows.h>

namespace vantrel::app {
namespace {

HWND sessionWindow() {
    return FindWindowW(ui::NativeMessageWindow::className(), L"VANTREL session");
}

// What the program's quit does in the end: the application is told to quit.
void tellTheApplicationToQuit() {
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
}

TEST(WindowsQuitSignals, SessionEndRunsQuitOnceAndWaitsForIt) {
    int quits = 0;
    QuitSignals watching([&quits] {
        ++quits;
        // As a window busy with the keyboard: it closes a little later.
        QTimer::singleShot(150, qApp, [] { tellTheApplicationToQuit(); });
    });
    HWND window = sessionWindow();
    ASSERT_NE(window, nullptr);
    // The query alone changes nothing: the session may yet go on.
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(window, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_EQ(quits, 0);
    QElapsedTimer clock;
    clock.start();
    SendMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(quits, 1);
    // The system may end the program as soon as the message returns.
    EXPECT_GE(clock.elapsed(), 140);
    EXPECT_LT(clock.elapsed(), 3000);
    SendMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(quits, 1);
}

TEST(WindowsQuitSignals, SessionEndReturnsAtOnceWhenQuitIsImmediate) {
    int quits = 0;
    QuitSignals watching([&quits] {
        ++quits;
        tellTheApplicationToQuit();
    });
    QElapsedTimer clock;
    clock.start();
    SendMessageW(sessionWindow(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(quits, 1);
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(WindowsQuitSignals, ConsoleCtrlCRunsQuitOnTheWindowsThread) {
    int quits = 0;
    QuitSignals watching([&quits] { ++quits; });
    if (!GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) {
        GTEST_SKIP() << "no console to send Ctrl+C on (error " << GetLastError() << ")";
    }
    for (int waited = 0; waited < 3000 && quits == 0; waited += 20) {
        QTest::qWait(20);
    }
    EXPECT_EQ(quits, 1);
}

TEST(WindowsQuitSignals, GoneWithItsObject) {
    {
        QuitSignals watching([] {});
    }
    EXPECT_EQ(sessionWindow(), nullptr);
}

} // namespace
} // namespace vantrel::app

#endif
