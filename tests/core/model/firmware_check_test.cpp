// SPDX-License-Identifier: MIT
#include "core/model/firmware_check.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(FirmwareCheck, AsksOnlyWhenTheKeyboardIsOlder) {
    struct Case {
        FirmwareVersion keyboard, shipped;
        bool due;
    };
    const Case cases[] = {
        {{1, 5}, {2, 0}, true},                           // major lower
        {{2, 3}, {2, 5}, true},                           // same major, lower minor
        {{2, 5}, {2, 5}, false},                          // equal
        {{3, 0}, {2, 9}, false},                          // newer major, lower minor
        {{2, 9}, {2, 5}, false}, {{0, 0}, {0, 0}, false}, // no VER.bin: never asks
        {{1, 2}, {0, 0}, false}, {{0, 9}, {1, 0}, true},  {{255, 255}, {255, 254}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(firmwareUpdateDue(c.keyboard, c.shipped), c.due)
            << c.keyboard.toString() << " vs " << c.shipped.toString();
    }
}

} // namespace
} // namespace vantrel
