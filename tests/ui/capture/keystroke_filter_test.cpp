// SPDX-License-Identifier: MIT
// What a system-wide key hook tells and swallows, key event by key event.
#include "ui/capture/keystroke_filter.h"

#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

constexpr std::uint8_t kA = 0x41;
constexpr std::uint8_t kLeftShift = 0xA0;

::testing::AssertionResult is(KeystrokeVerdict v, bool deliver, bool swallow) {
    if (v.deliver == deliver && v.swallow == swallow) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "deliver " << v.deliver << " swallow " << v.swallow
                                         << ", wanted " << deliver << ' ' << swallow;
}

TEST(KeystrokeFilter, KeystrokeModeTellsEachPressOnceAndSwallowsTheWholeStroke) {
    KeystrokeFilter f(0);
    EXPECT_TRUE(is(f.onKey(kA, false), true, true));
    EXPECT_TRUE(is(f.onKey(kA, false), false, true)); // auto-repeat
    EXPECT_TRUE(is(f.onKey(kA, false), false, true));
    EXPECT_TRUE(is(f.onKey(kA, true), false, true));
    // Pressed again after the release: a new keystroke.
    EXPECT_TRUE(is(f.onKey(kA, false), true, true));
}

TEST(KeystrokeFilter, RecordingModeTellsPressesAndReleasesWithoutRepeats) {
    KeystrokeFilter f(1);
    EXPECT_TRUE(is(f.onKey(kLeftShift, false), true, true));
    EXPECT_TRUE(is(f.onKey(kA, false), true, true));
    EXPECT_TRUE(is(f.onKey(kLeftShift, false), false, true)); // still held
    EXPECT_TRUE(is(f.onKey(kA, true), true, true));
    EXPECT_TRUE(is(f.onKey(kLeftShift, true), true, true));
}

// A key held when the hook came must come up for the rest of the system,
// or the system would think it held for ever.
TEST(KeystrokeFilter, ReleaseOfAKeyPressedBeforeTheHookPassesThrough) {
    KeystrokeFilter keystrokes(0);
    EXPECT_TRUE(is(keystrokes.onKey(kA, true), false, false));
    KeystrokeFilter recording(1);
    EXPECT_TRUE(is(recording.onKey(kA, true), true, false));
    EXPECT_TRUE(is(recording.onKey(kA, true), true, false));
}

} // namespace
} // namespace vantrel::ui
