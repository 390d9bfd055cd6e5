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

TEST(FirmwareCheck, PromptTextsByLanguage) {
    EXPECT_EQ(firmwareUpdatePrompt(UiLanguage{4}).text, "更新到新的固件吗？");
    EXPECT_EQ(firmwareUpdatePrompt(UiLanguage{4}).caption, "固件更新");
    const auto ru = firmwareUpdatePrompt(UiLanguage{9});
    EXPECT_EQ(ru.caption, "Firmware Update");
    EXPECT_EQ(ru.text,
              "После обновления микропрограммы, пожалуйста, используйте заводские настройки для "
              "работы драйвера или зажмите\nодновременно клавиши FN и Pause на 5 секунд, чтобы "
              "завершить обновление.");
    EXPECT_EQ(driverUpdatePrompt().text, ru.text);
    EXPECT_EQ(firmwareUpdatePrompt(UiLanguage{0x19}).text, ru.text);
}

} // namespace
} // namespace vantrel
