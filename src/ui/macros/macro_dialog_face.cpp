// SPDX-License-Identifier: MIT
// The macro manager's face: background, buttons with their hover pictures,
// the two check boxes and the labels in the interface language.
#include "core/layout/macro_dialog_layout.h"
#include "ui/access/region_maker.h"
#include "ui/macros/macro_dialog_controller.h"
#include "ui/skin/region_rect.h"
#include "ui/skin/skin_painter.h"

#include <QPainter>
#include <QStringList>
#include <span>

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

// Where a label stands: its place and cell height.
struct Place {
    int x, y, height;
};

// A label's English text and its place in the Chinese interface and in
// every other; on a button (`button` names its area) the languages whose
// skins were not drawn for them centre it there instead.
struct Label {
    const char* text;
    Place chinese, other;
    int button = md::kNone;
};

constexpr Label kLabels[] = {
    {QT_TRANSLATE_NOOP("MacroManager", "Macro manager"), {10, 6, 18}, {8, 3, 18}},
    {QT_TRANSLATE_NOOP("MacroManager", "Macros"), {44, 42, 15}, {44, 42, 14}},
    {QT_TRANSLATE_NOOP("MacroManager", "Key events"), {160, 42, 15}, {170, 42, 14}},
    {QT_TRANSLATE_NOOP("MacroManager", "Recording"), {286, 42, 15}, {258, 42, 14}},
    {QT_TRANSLATE_NOOP("MacroManager", "Loop"), {265, 300, 15}, {265, 300, 15}},
    {QT_TRANSLATE_NOOP("MacroManager", "New"), {35, 372, 14}, {25, 372, 15}, md::kNew},
    {QT_TRANSLATE_NOOP("MacroManager", "Delete"), {96, 372, 14}, {85, 372, 15}, md::kDelete},
    {QT_TRANSLATE_NOOP("MacroManager", "OK"), {270, 372, 14}, {270, 372, 15}, md::kOk},
    {QT_TRANSLATE_NOOP("MacroManager", "Cancel"), {328, 372, 14}, {315, 372, 15}, md::kCancel},
};

// Beside the delay check box, one text of several lines: two lines in
// Chinese, up to three in the others, whose first line stands higher.
constexpr int kDelayCaptionX = 260;
constexpr int kChineseDelayLineY[] = {168, 184};
constexpr int kOtherDelayLineY[] = {153, 168, 183};
constexpr int kChineseDelayHeight = 15;
constexpr int kOtherDelayHeight = 14;

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
    for (const Label& l : kLabels) {
        const Place& at = chinese ? l.chinese : l.other;
        if (l.button == md::kNone) {
            painter_.label(p, tr(l.text), at.x, at.y, at.height);
        } else {
            painter_.buttonLabel(p, language_, tr(l.text), {at.x, at.y},
                                 md::kRegions[static_cast<std::size_t>(l.button)], at.height);
        }
    }
    composeDelayCaption(p);
    const QString recordText =
        manager_.events().recording() ? tr("Stop recording") : tr("Start recording");
    painter_.buttonLabel(p, language_, recordText, {chinese ? 280 : 265, 103},
                         md::kRegions[md::kRecord], chinese ? 15 : 14);
}

AccessRegions MacroDialogController::accessRegions() const {
    const auto region = [](int area, QAccessible::Role role, const QString& name) {
        return makeRegion(QStringLiteral("area:%1").arg(area), role, name,
                          toQRect(md::kRegions[static_cast<std::size_t>(area)]));
    };
    const bool recording = manager_.events().recording();
    AccessRegions out;
    out.push_back(region(md::kCloseBox, QAccessible::Button,
                         QCoreApplication::translate("ProfileManager", "Close")));
    AccessRegion record = region(md::kRecord, QAccessible::Button,
                                 recording ? tr("Stop recording") : tr("Start recording"));
    out.push_back(std::move(record));
    AccessRegion delays = region(
        md::kRecordDelays, QAccessible::CheckBox,
        tr("Record the\ndelays\nbetween keys").split(QLatin1Char('\n')).join(QLatin1Char(' ')));
    delays.checkable = true;
    delays.checked = manager_.recordDelays();
    out.push_back(std::move(delays));
    AccessRegion loop = region(md::kLoop, QAccessible::CheckBox, tr("Loop"));
    loop.checkable = true;
    loop.checked = manager_.loopOn();
    out.push_back(std::move(loop));
    out.push_back(region(md::kNew, QAccessible::Button, tr("New")));
    out.push_back(region(md::kDelete, QAccessible::Button, tr("Delete")));
    out.push_back(region(md::kOk, QAccessible::Button, tr("OK")));
    out.push_back(region(md::kCancel, QAccessible::Button, tr("Cancel")));
    return out;
}

void MacroDialogController::composeDelayCaption(QPainter& p) {
    const QStringList lines = tr("Record the\ndelays\nbetween keys").split(QLatin1Char('\n'));
    const bool chinese = language_.chinese();
    const std::span<const int> ys =
        chinese ? std::span<const int>(kChineseDelayLineY) : std::span<const int>(kOtherDelayLineY);
    // Fewer lines than places: the last places, next to the box.
    const std::size_t first = ys.size() > static_cast<std::size_t>(lines.size())
                                  ? ys.size() - static_cast<std::size_t>(lines.size())
                                  : 0;
    for (std::size_t i = first; i < ys.size() && i - first < static_cast<std::size_t>(lines.size());
         ++i) {
        painter_.label(p, lines[static_cast<qsizetype>(i - first)], kDelayCaptionX, ys[i],
                       chinese ? kChineseDelayHeight : kOtherDelayHeight);
    }
}

} // namespace vantrel::ui
