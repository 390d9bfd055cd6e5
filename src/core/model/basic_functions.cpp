// SPDX-License-Identifier: MIT
#include "core/model/basic_functions.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr BasicFunction root(std::string_view zh, std::string_view second, std::string_view id,
                             KeyTableEntry e) {
    return BasicFunction{zh, second, id, false, false, e};
}
constexpr BasicFunction header(std::string_view zh, std::string_view second, std::string_view id) {
    return BasicFunction{zh, second, id, true, false, {}};
}
constexpr BasicFunction child(std::string_view zh, std::string_view second, std::string_view id,
                              KeyTableEntry e) {
    return BasicFunction{zh, second, id, false, true, e};
}

// Keyboard entries hold up to three keyboard-page usages pressed together;
// consumer entries hold a consumer-page usage, low byte first.
constexpr std::array<BasicFunction, kBasicFunctionRowCount> kRows = {{
    root("搜索", "поиск", "search", {0x00, 0xE3, 0x09, 0x00}),
    root("运行", "операция", "run", {0x00, 0xE3, 0x15, 0x00}),
    header("多媒体", "мультимедиа", "multimedia"),
    child("多媒体播放器", "мультимедийный проигрыватель", "media-player", {0x03, 0x00, 0x83, 0x01}),
    child("上一曲", "Предыдущий", "previous", {0x03, 0x00, 0xB6, 0x00}),
    child("下一曲", "Следующий", "next", {0x03, 0x00, 0xB5, 0x00}),
    child("播放/暂停", "Воспроизведение/ Пауза", "play-pause", {0x03, 0x00, 0xCD, 0x00}),
    child("停止", "Стоп", "stop", {0x03, 0x00, 0xB7, 0x00}),
    child("音量+", "Vol+", "volume-up", {0x03, 0x00, 0xE9, 0x00}),
    child("音量-", "Vol-", "volume-down", {0x03, 0x00, 0xEA, 0x00}),
    child("静音", "Без звука", "mute", {0x03, 0x00, 0xE2, 0x00}),
    header("快捷健", "клавиша быстрого вызова", "shortcuts"),
    child("新建", "Создать", "new", {0x00, 0xE0, 0x11, 0x00}),
    child("剪切", "вырезать", "cut", {0x00, 0xE0, 0x1B, 0x00}),
    child("复制", "копировать", "copy", {0x00, 0xE0, 0x06, 0x00}),
    child("粘贴", "вставить", "paste", {0x00, 0xE0, 0x19, 0x00}),
    child("保存", "Сохранить", "save", {0x00, 0xE0, 0x16, 0x00}),
    child("打印", "печать", "print", {0x00, 0xE0, 0x13, 0x00}),
    child("全选", "выбрать все", "select-all", {0x00, 0xE0, 0x04, 0x00}),
    header("Закрыть", "Закрыть", "window"),
    child("最大化", "Развернуть", "maximize", {0x00, 0xE2, 0x2C, 0x1B}),
    child("最小化", "Свернуть", "minimize", {0x00, 0xE2, 0x2C, 0x11}),
    root("我的电脑", "мой компьютер", "my-computer", {0x03, 0x00, 0x94, 0x01}),
    root("任务管理器", "управление", "task-manager", {0x00, 0xE0, 0xE2, 0x4C}),
    root("浏览器-主页", "Главная страница", "browser-home", {0x03, 0x00, 0x23, 0x02}),
    root("关闭窗口", "Закрыть окно", "close-window", {0x00, 0xE2, 0x3D, 0x00}),
}};

} // namespace

std::span<const BasicFunction, kBasicFunctionRowCount> BasicFunctionTable() {
    return kRows;
}

const BasicFunction* findBasicFunction(std::string_view name, UiLanguage language) {
    for (const auto& row : kRows) {
        if (!row.groupHeader && row.name(language) == name) {
            return &row;
        }
    }
    return nullptr;
}

const BasicFunction* findBasicFunctionByEntry(std::span<const std::uint8_t, entry::kSize> e) {
    for (const auto& row : kRows) {
        if (!row.groupHeader && std::equal(e.begin(), e.end(), row.entry.begin())) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace vantrel
