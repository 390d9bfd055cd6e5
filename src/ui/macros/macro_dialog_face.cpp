// SPDX-License-Identifier: MIT
// The macro manager's face: background, buttons with their hover pictures,
// the two check boxes and the labels in the interface language.
#include "core/layout/macro_dialog_layout.h"
#include "ui/macros/macro_dialog_controller.h"
#include "ui/skin/skin_painter.h"

#include <QPainter>

namespace vantrel::ui {
namespace {

namespace md = vantrel::layout::macro_dialog;

const QString kBackground = QStringLiteral("MacroManagement.png");
const QString kRecordNormal = QStringLiteral("Record-normal.png");
const QString kRecordOver = QStringLiteral("Record-over.png");
const QString kButtonNormal = QStringLiteral("button-new-normal.png");
const QString kButtonOver = QStringLiteral("button-new-over.png");
const QString kBoxOff = QStringLiteral("Pane.png");
const QString kBoxOn = QStringLiteral("PaneMakingTick.png");

// A label in one language: place, cell height, text (UTF-8).
struct Label {
    int x, y, height;
    const char* text;
};

// Chinese interface.
constexpr Label kChineseLabels[] = {
    {10, 6, 18, "宏管理器"},    {44, 42, 15, "選擇宏"},         {160, 42, 15, "按鍵系列"},
    {286, 42, 15, "錄製選項"},  {260, 168, 15, "记录按键动作"}, {260, 184, 15, "间的延迟"},
    {265, 300, 15, "循環次數"}, {35, 372, 14, "新建"},          {96, 372, 14, "刪除"},
    {270, 372, 14, "確認"},     {328, 372, 14, "取消"},
};
// Every other interface language.
constexpr Label kOtherLabels[] = {
    {8, 3, 18, "макросами"},
    {44, 42, 14, "Макрос(-ы)"},
    {170, 42, 14, "клавиш"},
    {258, 42, 14, "Параметры записи"},
    {260, 153, 14, "Задержка"},
    {260, 168, 14, "Между"},
    {260, 183, 14, "Нажатиями клавиш"},
    {265, 300, 15, "Цикл"},
    {25, 372, 15, "Создать"},
    {85, 372, 15, "Удалить"},
    {270, 372, 15, "OK"},
    {315, 372, 15, "Отмена"},
};

} // namespace

const QString& MacroDialogController::skinFolderName() {
    static const QString name = QStringLiteral("MacroManagement");
    return name;
}

QSize MacroDialogController::size() {
    const QSize s = painter_.store().size(SkinFolder::of(language_, skinFolderName()), kBackground);
    return s.isValid() ? s : QSize(md::kWidth, md::kHeight);
}

void MacroDialogController::compose(QPainter& p) {
    const SkinFolder folder = SkinFolder::of(language_, skinFolderName());
    painter_.image(p, folder, kBackground, 0, 0);

    const auto button = [&](int area, const QString& normal, const QString& over) {
        const layout::Region& r = md::kRegions[static_cast<std::size_t>(area)];
        painter_.image(p, folder, hover_.over(area) ? over : normal, r.left, r.top);
    };
    button(md::kRecord, kRecordNormal, kRecordOver);
    for (int area : {md::kNew, md::kDelete, md::kOk, md::kCancel}) {
        button(area, kButtonNormal, kButtonOver);
    }
    const auto box = [&](int area, bool on) {
        const layout::Region& r = md::kRegions[static_cast<std::size_t>(area)];
        painter_.image(p, folder, on ? kBoxOn : kBoxOff, r.left, r.top);
    };
    box(md::kRecordDelays, manager_.recordDelays());
    box(md::kLoop, manager_.loopOn());

    const bool chinese = language_.chinese();
    for (const Label& l :
         chinese ? std::span<const Label>(kChineseLabels) : std::span<const Label>(kOtherLabels)) {
        painter_.label(p, QString::fromUtf8(l.text), l.x, l.y, l.height);
    }
    const bool recording = manager_.events().recording();
    const QString recordText =
        chinese ? QString::fromUtf8(recording ? "停止錄製" : "開始錄製")
                : QString::fromUtf8(recording ? "Прервать запись" : "Начать запись");
    painter_.label(p, recordText, chinese ? 280 : 265, 103, chinese ? 15 : 14);
}

} // namespace vantrel::ui
