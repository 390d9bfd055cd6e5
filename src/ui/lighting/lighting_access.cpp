// SPDX-License-Identifier: MIT
// What the left panel shows, as regions for assistive technology: the
// same regions, in the same conditions, as paint() draws.
#include "core/layout/main_window_layout.h"
#include "core/lighting/effect_tables.h"
#include "core/lighting/palette_rules.h"
#include "core/model/configurator_model.h"
#include "ui/access/region_maker.h"
#include "ui/lighting/lighting_page.h"
#include "ui/main_view_state.h"
#include "ui/skin/region_rect.h"

#include <QCoreApplication>

namespace vantrel::ui {
namespace {

using namespace vantrel::lighting;
using namespace vantrel::layout;

AccessRegion commandRegion(int c, QAccessible::Role role, const QString& name) {
    const Region& at = c == kCmdKeymapRadio ? kKeymapRadio
                       : c == kCmdDiyRadio  ? kDiyRadio
                                            : ButtonRegionTable()[static_cast<std::size_t>(c)];
    return makeRegion(QStringLiteral("cmd:%1").arg(c), role, name, toQRect(at));
}

AccessRegion listRow(const QString& list, int row, int top, const QString& name, bool current) {
    AccessRegion r;
    r.id = QStringLiteral("%1:%2").arg(list).arg(row);
    r.parentId = list;
    r.role = QAccessible::ListItem;
    r.name = name;
    r.rect =
        QRect(kListLeft, top + kListRowHeight * row, kListRight - kListLeft + 1, kListRowHeight);
    r.selected = current;
    return r;
}

AccessRegion list(const QString& id, int top, int rows, const QString& name) {
    AccessRegion r;
    r.id = id;
    r.role = QAccessible::List;
    r.name = name;
    r.rect = QRect(kListLeft, top, kListRight - kListLeft + 1, kListRowHeight * rows);
    return r;
}

void swatches(AccessRegions& out, int first, int chosen, bool greyed, bool multi,
              const QString& group) {
    const int count = multi ? kPaletteColourCount + 1 : kPaletteColourCount;
    for (int k = 0; k < count; ++k) {
        AccessRegion r =
            commandRegion(first + k, QAccessible::RadioButton,
                          QCoreApplication::translate("LightingPanel", "Colour %1").arg(k + 1));
        r.description = group;
        r.group = QStringLiteral("palette:%1").arg(first);
        r.checkable = true;
        r.checked = k == chosen;
        r.disabled = greyed;
        out.push_back(std::move(r));
    }
}

QString effectName(const char* context, const char* name) {
    return QCoreApplication::translate(context, name);
}

// An effect box and, while it is open, its list of effects.
struct EffectBox {
    int command;
    QString title;
    QString listId;
    int listTop;
    const char* context;
    bool open;
    std::uint8_t current;
};

template <typename Effects>
void effectBox(AccessRegions& out, const EffectBox& b, const Effects& effects) {
    AccessRegion box = commandRegion(b.command, QAccessible::ComboBox, b.title);
    box.expandable = true;
    box.expanded = b.open;
    box.opens = b.listId;
    for (const auto& e : effects) {
        if (e.code == b.current) {
            box.value = effectName(b.context, e.name);
        }
    }
    out.push_back(std::move(box));
    if (!b.open) {
        return;
    }
    out.push_back(list(b.listId, b.listTop, static_cast<int>(effects.size()), b.title));
    int row = 0;
    for (const auto& e : effects) {
        out.push_back(listRow(b.listId, row++, b.listTop, effectName(b.context, e.name),
                              e.code == b.current));
    }
}

} // namespace

void LightingPage::describe(AccessRegions& out) const {
    describeKeyboard(out);
    describeWrist(out);
    describeDeviceItems(out);
}

void LightingPage::describeKeyboard(AccessRegions& out) const {
    const ConfigImage& image = model_.image();
    const std::uint8_t effect = image.lightEffect();
    effectBox(out,
              {kCmdEffectBox, tr("Backlight effect"), QStringLiteral("effects"), kKeyboardListTop,
               kKeyboardEffectContext, view_.effectListOpen, effect},
              keyboardEffects());
    if (view_.effectListOpen) {
        return; // the list covers the rest of the keyboard's part
    }
    if (effect == kEffectWave || effect == kEffectRadar) {
        // Direction codes 3, 4, 2, 1 belong to the arrows up, down, right, left.
        static constexpr int kArrowDirection[] = {3, 4, 2, 1};
        static constexpr const char* kArrowGlyph[] = {"\u2191", "\u2193", "\u2192", "\u2190"};
        for (int a = 0; a < 4; ++a) {
            AccessRegion r =
                commandRegion(kCmdArrowTop + a, QAccessible::RadioButton,
                              tr("Direction") + QChar(' ') + QString::fromUtf8(kArrowGlyph[a]));
            r.group = QStringLiteral("direction");
            r.checkable = true;
            r.checked = image.lightDirection() == kArrowDirection[a];
            out.push_back(std::move(r));
        }
    }
    if (isPerKeyEffect(effect)) {
        AccessRegion keymap =
            commandRegion(kCmdKeymapRadio, QAccessible::RadioButton, tr("Keymap"));
        keymap.group = QStringLiteral("view");
        keymap.checkable = true;
        keymap.checked = !view_.perKeyColourView;
        AccessRegion diy = commandRegion(kCmdDiyRadio, QAccessible::RadioButton, tr("DIY"));
        diy.group = QStringLiteral("view");
        diy.checkable = true;
        diy.checked = view_.perKeyColourView;
        out.push_back(std::move(keymap));
        out.push_back(std::move(diy));
    } else {
        swatches(out, kCmdFirstSwatch, image.lightColourIndex() - 1, keyboardPaletteGreyed(effect),
                 keyboardHasMultiColourSwatch(effect), tr("Backlight"));
    }
}

void LightingPage::describeWrist(AccessRegions& out) const {
    const ConfigImage& image = model_.image();
    const std::uint8_t effect = image.wristLighting()[image::kWristEffect];
    const QString title = QCoreApplication::translate("WristRest", "Wrist rest effects");
    effectBox(out,
              {kCmdWristBox, title, QStringLiteral("wrist-effects"), kWristListTop,
               kWristEffectContext, view_.wristListOpen, effect},
              wristEffects());
    if (view_.wristListOpen) {
        return;
    }
    if (effect < kFirstPerKeyEffect) {
        swatches(out, kCmdFirstWristSwatch, image.wristLighting()[image::kWristColourChoice],
                 wristPaletteGreyed(effect), wristHasMultiColourSwatch(effect), title);
    }
}

void LightingPage::describeDeviceItems(AccessRegions& out) const {
    const ConfigImage& image = model_.image();
    AccessRegion game = commandRegion(kCmdGameMode, QAccessible::CheckBox, tr("Game mode"));
    game.checkable = true;
    game.checked = image.gameMode() != 0;
    AccessRegion win = commandRegion(kCmdWinLock, QAccessible::CheckBox, tr("Win lock"));
    win.checkable = true;
    win.checked = image.winLock() != 0;
    out.push_back(std::move(game));
    out.push_back(std::move(win));
    out.push_back(commandRegion(kCmdMacros, QAccessible::Button, tr("Macros")));
}

} // namespace vantrel::ui
