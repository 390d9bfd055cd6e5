// SPDX-License-Identifier: MIT
#include "core/model/basic_functions.h"

#include "core/model/basic_function_names.h"
#include "core/util/translatable.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr BasicFunction root(const char* en, std::string_view zh, std::string_view ru,
                             std::string_view id, KeyTableEntry e) {
    return BasicFunction{en, zh, ru, id, false, false, e};
}
constexpr BasicFunction header(const char* en, std::string_view zh, std::string_view ru,
                               std::string_view id) {
    return BasicFunction{en, zh, ru, id, true, false, {}};
}
constexpr BasicFunction child(const char* en, std::string_view zh, std::string_view ru,
                              std::string_view id, KeyTableEntry e) {
    return BasicFunction{en, zh, ru, id, false, true, e};
}

// Keyboard entries hold up to three keyboard-page usages pressed together;
// consumer entries hold a consumer-page usage, low byte first.
constexpr std::array<BasicFunction, kBasicFunctionRowCount> kRows = {{
    root(VANTREL_TR_NOOP("BasicFunction", "Search"), "搜索", "поиск", "search",
         {0x00, 0xE3, 0x09, 0x00}),
    root(VANTREL_TR_NOOP("BasicFunction", "Run"), "运行", "операция", "run",
         {0x00, 0xE3, 0x15, 0x00}),
    header(VANTREL_TR_NOOP("BasicFunction", "Multimedia"), "多媒体", "мультимедиа", "multimedia"),
    child(VANTREL_TR_NOOP("BasicFunction", "Media player"), "多媒体播放器",
          "мультимедийный проигрыватель", "media-player", {0x03, 0x00, 0x83, 0x01}),
    child(VANTREL_TR_NOOP("BasicFunction", "Previous"), "上一曲", "Предыдущий", "previous",
          {0x03, 0x00, 0xB6, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Next"), "下一曲", "Следующий", "next",
          {0x03, 0x00, 0xB5, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Play/Pause"), "播放/暂停", "Воспроизведение/ Пауза",
          "play-pause", {0x03, 0x00, 0xCD, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Stop"), "停止", "Стоп", "stop",
          {0x03, 0x00, 0xB7, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Vol+"), "音量+", "Vol+", "volume-up",
          {0x03, 0x00, 0xE9, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Vol-"), "音量-", "Vol-", "volume-down",
          {0x03, 0x00, 0xEA, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Mute"), "静音", "Без звука", "mute",
          {0x03, 0x00, 0xE2, 0x00}),
    header(VANTREL_TR_NOOP("BasicFunction", "Shortcuts"), "快捷健", "клавиша быстрого вызова",
           "shortcuts"),
    child(VANTREL_TR_NOOP("BasicFunction", "New"), "新建", "Создать", "new",
          {0x00, 0xE0, 0x11, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Cut"), "剪切", "вырезать", "cut",
          {0x00, 0xE0, 0x1B, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Copy"), "复制", "копировать", "copy",
          {0x00, 0xE0, 0x06, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Paste"), "粘贴", "вставить", "paste",
          {0x00, 0xE0, 0x19, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Save"), "保存", "Сохранить", "save",
          {0x00, 0xE0, 0x16, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Print"), "打印", "печать", "print",
          {0x00, 0xE0, 0x13, 0x00}),
    child(VANTREL_TR_NOOP("BasicFunction", "Select all"), "全选", "выбрать все", "select-all",
          {0x00, 0xE0, 0x04, 0x00}),
    header(VANTREL_TR_NOOP("BasicFunction", "Window"), "Закрыть", "Закрыть", "window"),
    child(VANTREL_TR_NOOP("BasicFunction", "Maximize"), "最大化", "Развернуть", "maximize",
          {0x00, 0xE2, 0x2C, 0x1B}),
    child(VANTREL_TR_NOOP("BasicFunction", "Minimize"), "最小化", "Свернуть", "minimize",
          {0x00, 0xE2, 0x2C, 0x11}),
    root(VANTREL_TR_NOOP("BasicFunction", "My computer"), "我的电脑", "мой компьютер",
         "my-computer", {0x03, 0x00, 0x94, 0x01}),
    root(VANTREL_TR_NOOP("BasicFunction", "Task manager"), "任务管理器", "управление",
         "task-manager", {0x00, 0xE0, 0xE2, 0x4C}),
    root(VANTREL_TR_NOOP("BasicFunction", "Browser home"), "浏览器-主页", "Главная страница",
         "browser-home", {0x03, 0x00, 0x23, 0x02}),
    root(VANTREL_TR_NOOP("BasicFunction", "Close window"), "关闭窗口", "Закрыть окно",
         "close-window", {0x00, 0xE2, 0x3D, 0x00}),
}};

} // namespace

std::string_view BasicFunction::name(UiLanguage language) const {
    if (language.chinese()) {
        return chineseName;
    }
    if (language.russian()) {
        return russianName;
    }
    const std::string_view other = basicFunctionName(id, language);
    return other.empty() ? std::string_view(englishName) : other;
}

bool BasicFunction::named(std::string_view name) const {
    return name == englishName || name == chineseName || name == russianName ||
           basicFunctionNamed(id, name);
}

std::span<const BasicFunction, kBasicFunctionRowCount> BasicFunctionTable() {
    return kRows;
}

const BasicFunction* findBasicFunction(std::string_view name) {
    for (const auto& row : kRows) {
        if (!row.groupHeader && row.named(name)) {
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
