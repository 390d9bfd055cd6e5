// SPDX-License-Identifier: MIT
// The Windows key capture on keys the system itself routes through its
// low-level hooks (SendInput): what arrives in each mode, that the rest of
// the system sees none of it, and that nothing arrives once removed.
#ifdef _WIN32

#include "ui/capture/windows_key_hook.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include <windows.h>

namespace vantrel::ui {
namespace {

using Events = std::vector<std::pair<int, bool>>;

// A hook installed before the capture: the system calls the later one
// first, so this one sees only what the capture lets through.
class Witness {
public:
    Witness() {
        witness_ = this;
        hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, onKey, GetModuleHandleW(nullptr), 0);
    }
    ~Witness() {
        UnhookWindowsHookEx(hook_);
        witness_ = nullptr;
    }
    bool installed() const { return hook_ != nullptr; }
    Events seen;

private:
    static LRESULT CALLBACK onKey(int code, WPARAM w, LPARAM l) {
        if (code == HC_ACTION && witness_ != nullptr) {
            const auto& k = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(l);
            witness_->seen.emplace_back(static_cast<int>(k.vkCode), (k.flags & LLKHF_UP) != 0);
        }
        return CallNextHookEx(nullptr, code, w, l);
    }
    static inline Witness* witness_ = nullptr; // one per test, on this thread
    HHOOK hook_ = nullptr;
};

INPUT key(WORD vk, bool up, bool extended = false) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

// Sends the keys and lets the hooks and the queued deliveries run.
void type(std::vector<INPUT> keys) {
    ASSERT_EQ(SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)), keys.size());
    for (int i = 0; i < 10; ++i) {
        QTest::qWait(20);
    }
}

class WindowsKeyHookTest : public ::testing::Test {
protected:
    bool install(int mode) {
        return hook.installhook(&window, mode, [this](MacroEventRecorded e) {
            got.emplace_back(e.virtualKey, e.release);
        });
    }
    // A, A held (two repeats), A up, right Shift, keypad Enter, both up.
    void typeTheSequence() {
        type({key('A', false), key('A', false), key('A', false), key('A', true),
              key(VK_RSHIFT, false), key(VK_RETURN, false, true), key(VK_RETURN, true, true),
              key(VK_RSHIFT, true)});
    }

    QWidget window;
    Witness witness;
    WindowsKeyHook hook;
    Events got;
};

TEST_F(WindowsKeyHookTest, KeystrokeModeTellsPressesOnlyAndTheSystemSeesNothing) {
    ASSERT_TRUE(witness.installed());
    ASSERT_TRUE(install(KeyHook::kKeystrokes));
    typeTheSequence();
    EXPECT_EQ(got, (Events{{0x41, false}, {0xA1, false}, {0x6C, false}}));
    EXPECT_EQ(witness.seen, Events{});
}

TEST_F(WindowsKeyHookTest, RecordingModeTellsPressesAndReleasesInOrder) {
    ASSERT_TRUE(install(KeyHook::kPressesAndReleases));
    typeTheSequence();
    EXPECT_EQ(got, (Events{{0x41, false},
                           {0x41, true},
                           {0xA1, false},
                           {0x6C, false},
                           {0x6C, true},
                           {0xA1, true}}));
    EXPECT_EQ(witness.seen, Events{});
}

TEST_F(WindowsKeyHookTest, RemovedHookTellsNothingAndLetsKeysThrough) {
    ASSERT_TRUE(install(KeyHook::kPressesAndReleases));
    hook.removehook();
    EXPECT_FALSE(hook.installed());
    type({key('B', false), key('B', true)});
    EXPECT_EQ(got, Events{});
    EXPECT_EQ(witness.seen, (Events{{0x42, false}, {0x42, true}}));
}

// Keys the system had already handed to the hook but not yet delivered
// belong to the installation that saw them.
TEST_F(WindowsKeyHookTest, NothingQueuedArrivesAfterRemoval) {
    ASSERT_TRUE(install(KeyHook::kKeystrokes));
    std::vector<INPUT> keys{key('C', false), key('C', true)};
    ASSERT_EQ(SendInput(2, keys.data(), sizeof(INPUT)), 2u);
    // Let the hook run but not the queued calls.
    MSG msg;
    for (int i = 0; i < 10; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT)) {
        }
        Sleep(10);
    }
    hook.removehook();
    QTest::qWait(100);
    EXPECT_EQ(got, Events{});
}

TEST_F(WindowsKeyHookTest, ReceiverMayRemoveTheHookWhileItRuns) {
    ASSERT_TRUE(hook.installhook(&window, KeyHook::kKeystrokes, [this](MacroEventRecorded e) {
        got.emplace_back(e.virtualKey, e.release);
        hook.removehook();
    }));
    type({key('D', false), key('E', false), key('E', true), key('D', true)});
    EXPECT_EQ(got, (Events{{0x44, false}}));
}

TEST_F(WindowsKeyHookTest, OneHookAtATimeAndOnlyWithWindowAndReceiver) {
    EXPECT_FALSE(hook.installhook(nullptr, 0, [](MacroEventRecorded) {}));
    EXPECT_FALSE(hook.installhook(&window, 0, {}));
    ASSERT_TRUE(install(KeyHook::kKeystrokes));
    WindowsKeyHook other;
    EXPECT_FALSE(other.installhook(&window, 0, [](MacroEventRecorded) {}));
    // Installing again replaces this hook's own installation.
    EXPECT_TRUE(install(KeyHook::kPressesAndReleases));
    type({key('F', false), key('F', true)});
    EXPECT_EQ(got, (Events{{0x46, false}, {0x46, true}}));
}

} // namespace
} // namespace vantrel::ui

#endif
