// SPDX-License-Identifier: MIT
// What the left panel shows, as regions for assistive technology: the
// same regions, in the same conditions, as paint() draws.
#include "core/layout/main_window_layout.h"
#include "core/lighting/effect_tables.h"
#include "core/lighting/palette_rules.h"
#include "core/model/configurator_model.h"
#include "ui/lighting/lighting_page.h"
#include "ui/main_view_state.h"
#include "ui/skin/region_rect.h"

#include <QCoreApplication>

namespace vantrel::ui {
namespace {

using namespace vantrel::lighting;
using namespace vantrel::layout;

AccessRegion commandRegion(int c, QAccessible::Role role, const QString& name) {
    AccessRegion r;
    r.id = QStringLiteral("cmd:%1").arg(c);
    r.role = role;
    r.name = name;
    if (c == kCmdKeymapRadio) {
        r.rect = toQRect(kKeymapRadio);
    } else if (c == kCmdDiyRadio) {
        r.rect = toQRect(kDiyRadio);
    } else {
        r.rect = toQRect(ButtonRegionTable()[static_cast<std::size_t>(c)]);
    }
    return r;
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

} // namespace

void LightingPage::describe(AccessRegions& out) const {
    describeKeyboard(out);
    describeWrist(out);
    describeDeviceItems(out);
}

void LightingPage::describeKeyboard(AccessRegions& out) const {
    const ConfigImage& image = model_.image();
    const std::uint8_t effect = image.lightEffect();
    const QString title = tr("Backlight effect");
    AccessRegion box = commandRegion(kCmdEffectBox, QAccessible::ComboBox, title);
    if (const auto e = findKeyboardEffect(effect)) {
        box.value = effectName(kKeyboardEffectContext, e->name);
    }
    box.expandable = true;
    box.expanded = view_.effectListOpen;
    box.opens = QStringLiteral("effects");
    out.push_back(std::move(box));
    if (view_.effectListOpen) {
        const QString id = QStringLiteral("effects");
        out.push_back(list(id, kKeyboardListTop, static_cast<int>(kKeyboardEffectCount), title));
        int row = 0;
        for (const KeyboardEffect& e : keyboardEffects()) {
            out.push_back(listRow(id, row++, kKeyboardListTop,
                                  effectName(kKeyboardEffectContext, e.name), e.code == effect));
        }
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
    AccessRegion box = commandRegion(kCmdWristBox, QAccessible::ComboBox, title);
    if (const auto e = findWristEffect(effect)) {
        box.value = effectName(kWristEffectContext, e->name);
    }
    box.expandable = true;
    box.expanded = view_.wristListOpen;
    box.opens = QStringLiteral("wrist-effects");
    out.push_back(std::move(box));
    if (view_.wristListOpen) {
        const QString id = QStringLiteral("wrist-effects");
        out.push_back(list(id, kWristListTop, static_cast<int>(kWristEffectCount), title));
        int row = 0;
        for (const WristEffect& e : wristEffects()) {
            out.push_back(listRow(id, row++, kWristListTop, effectName(kWristEffectContext, e.name),
                                  e.code == effect));
        }
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
