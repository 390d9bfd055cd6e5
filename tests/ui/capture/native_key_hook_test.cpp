// SPDX-License-Identifier: MIT
// The program's key capture on real Qt key events: what it delivers in each
// mode, that nothing else sees a key meanwhile, and how codes are found.
#include "ui/capture/native_key_hook.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace vantrel::ui::testing {
namespace {

// X11 / Wayland key codes: the Linux input code plus 8.
constexpr quint32 kXkbA = 30 + 8;
constexpr quint32 kXkbEsc = 1 + 8;
constexpr quint32 kXkbEnter = 28 + 8;
constexpr quint32 kXkbRightCtrl = 97 + 8;

class NativeKeyHookTest : public ::testing::Test {
protected:
    NativeKeyHookTest() : field(&dialog) {
        dialog.resize(200, 80);
        dialog.show();
        field.setFocus();
    }
    ~NativeKeyHookTest() override { hook.removehook(); }

    bool install(int mode) {
        return hook.installhook(&dialog, mode, [this](MacroEventRecorded e) { got.push_back(e); });
    }
    // A key event as the window system reports it (native code), sent to
    // the field.
    void send(QEvent::Type type, int key, quint32 native, bool repeat = false,
              Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
        QKeyEvent e(type, key, mods, native, 0, 0, text, repeat);
        QCoreApplication::sendEvent(&field, &e);
    }
    void keystroke(int key, quint32 native, const QString& text = {}) {
        send(QEvent::KeyPress, key, native, false, Qt::NoModifier, text);
        send(QEvent::KeyRelease, key, native, false, Qt::NoModifier, text);
    }
    std::vector<std::pair<int, bool>> events() const {
        std::vector<std::pair<int, bool>> out;
        for (const auto& e : got) {
            out.emplace_back(e.virtualKey, e.release);
        }
        return out;
    }

    QDialog dialog;
    QLineEdit field;
    NativeKeyHook hook;
    std::vector<MacroEventRecorded> got;
};

TEST_F(NativeKeyHookTest, KeystrokeModeGivesOnePressPerKeyAndSwallowsEveryKey) {
    ASSERT_TRUE(install(KeyHook::kKeystrokes));
    EXPECT_TRUE(hook.installed());
    keystroke(Qt::Key_A, kXkbA, QStringLiteral("a"));
    send(QEvent::KeyPress, Qt::Key_A, kXkbA, true, Qt::NoModifier, QStringLiteral("a"));
    keystroke(Qt::Key_Escape, kXkbEsc);
    keystroke(Qt::Key_Return, kXkbEnter);
    EXPECT_EQ(events(),
              (std::vector<std::pair<int, bool>>{{0x41, false}, {0x1B, false}, {0x0D, false}}));
    EXPECT_EQ(field.text(), QString()) << "no widget saw a key";
    EXPECT_TRUE(dialog.isVisible()) << "Escape and Enter did not end the dialog";
}

#ifndef _WIN32 // X's key codes tell the right Ctrl from the left
TEST_F(NativeKeyHookTest, RecordingModeGivesPressesAndReleasesWithoutRepeats) {
    ASSERT_TRUE(install(KeyHook::kPressesAndReleases));
    send(QEvent::KeyPress, Qt::Key_Control, kXkbRightCtrl);
    send(QEvent::KeyPress, Qt::Key_Control, kXkbRightCtrl, true);
    send(QEvent::KeyRelease, Qt::Key_Control, kXkbRightCtrl, true);
    send(QEvent::KeyRelease, Qt::Key_Control, kXkbRightCtrl);
    EXPECT_EQ(events(), (std::vector<std::pair<int, bool>>{{0xA3, false}, {0xA3, true}}));
}
#endif

TEST_F(NativeKeyHookTest, ShortcutsDoNotActWhileInstalled) {
    QAction save(&dialog);
    save.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save.setShortcutContext(Qt::WindowShortcut);
    dialog.addAction(&save);
    int triggered = 0;
    QObject::connect(&save, &QAction::triggered, [&] { ++triggered; });
    QApplication::setActiveWindow(&dialog);
    QTest::keyClick(&field, Qt::Key_S, Qt::ControlModifier);
    const int withoutHook = triggered;

    ASSERT_TRUE(install(KeyHook::kKeystrokes));
    QTest::keyClick(&field, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(triggered, withoutHook);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back().virtualKey, 0x53);
}

TEST_F(NativeKeyHookTest, RemovedHookLetsKeysThroughAndDeliversNothing) {
    ASSERT_TRUE(install(KeyHook::kKeystrokes));
    hook.removehook();
    EXPECT_FALSE(hook.installed());
    hook.removehook(); // harmless twice
    keystroke(Qt::Key_A, kXkbA, QStringLiteral("a"));
    EXPECT_TRUE(got.empty());
    EXPECT_EQ(field.text(), QStringLiteral("a"));
}

TEST_F(NativeKeyHookTest, ReceiverMayRemoveTheHookWhileItRuns) {
    int calls = 0;
    ASSERT_TRUE(hook.installhook(&dialog, KeyHook::kPressesAndReleases, [&](MacroEventRecorded) {
        ++calls;
        hook.removehook();
    }));
    keystroke(Qt::Key_A, kXkbA, QStringLiteral("a"));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(field.text(), QString()) << "the press was swallowed before the removal";
}

TEST_F(NativeKeyHookTest, InstallNeedsAWindowAndAReceiverAndReplacesTheLast) {
    EXPECT_FALSE(hook.installhook(nullptr, KeyHook::kKeystrokes, [](MacroEventRecorded) {}));
    EXPECT_FALSE(hook.installhook(&dialog, KeyHook::kKeystrokes, nullptr));
    EXPECT_FALSE(hook.installed());
    std::vector<int> first;
    ASSERT_TRUE(hook.installhook(&dialog, KeyHook::kKeystrokes,
                                 [&](MacroEventRecorded e) { first.push_back(e.virtualKey); }));
    ASSERT_TRUE(install(KeyHook::kKeystrokes));
    keystroke(Qt::Key_A, kXkbA);
    EXPECT_TRUE(first.empty());
    EXPECT_EQ(got.size(), 1u);
}

TEST(NativeKeyHookCodes, EventsWithoutANativeCodeAreNamedByQtsKey) {
    const auto code = [](int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        return NativeKeyHook::virtualKeyOf(QKeyEvent(QEvent::KeyPress, key, mods, 0, 0, 0));
    };
    EXPECT_EQ(code(Qt::Key_A), 0x41);
    EXPECT_EQ(code(Qt::Key_7), 0x37);
    EXPECT_EQ(code(Qt::Key_7, Qt::KeypadModifier), 0x67);
    EXPECT_EQ(code(Qt::Key_Enter, Qt::KeypadModifier), 0x6C);
    EXPECT_EQ(code(Qt::Key_Minus, Qt::KeypadModifier), 0x6D);
    EXPECT_EQ(code(Qt::Key_Minus), 0xBD);
    EXPECT_EQ(code(Qt::Key_F12), 0x7B);
    EXPECT_EQ(code(Qt::Key_Control), 0xA2);
    EXPECT_EQ(code(Qt::Key_VolumeUp), 0xAF);
    EXPECT_FALSE(code(Qt::Key_unknown));
#if !defined(_WIN32) && !defined(__APPLE__)
    // A native code wins over Qt's key (keyboard layouts move letters).
    EXPECT_EQ(NativeKeyHook::virtualKeyOf(
                  QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, kXkbA, 0, 0)),
              0x41);
#endif
}

} // namespace
} // namespace vantrel::ui::testing
