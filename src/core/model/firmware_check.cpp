// SPDX-License-Identifier: MIT
#include "core/model/firmware_check.h"

namespace vantrel {
namespace {

constexpr std::string_view kRussianUpdateText =
    "После обновления микропрограммы, пожалуйста, используйте заводские настройки для работы "
    "драйвера или зажмите\nодновременно клавиши FN и Pause на 5 секунд, чтобы завершить "
    "обновление.";

} // namespace

FirmwarePrompt firmwareUpdatePrompt(UiLanguage language) {
    if (language.chinese()) {
        return {"更新到新的固件吗？", "固件更新"};
    }
    return {kRussianUpdateText, "Firmware Update"};
}

FirmwarePrompt driverUpdatePrompt() {
    return {kRussianUpdateText, "Firmware Update"};
}

std::string_view updaterFileName() {
#ifdef _WIN32
    return "VANTREL_Update.exe";
#else
    return "VANTREL_Update";
#endif
}

} // namespace vantrel
