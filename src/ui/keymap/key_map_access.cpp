// SPDX-License-Identifier: MIT
// The key assignment dialog's regions for assistive technology, from the
// tables it paints and hit-tests with.
#include "core/layout/key_map_layout.h"
#include "ui/access/region_maker.h"
#include "ui/keymap/key_map_controller.h"
#include "ui/skin/region_rect.h"

#include <QCoreApplication>

namespace vantrel::ui {
namespace {

namespace km = layout::key_map;

constexpr int kAdvancedTab = 3;

QString text(const char* source) {
    return QCoreApplication::translate("KeyMap", source);
}

AccessRegion button(int b, QAccessible::Role role, const QString& name) {
    return makeRegion(QStringLiteral("button:%1").arg(b), role, name,
                      toQRect(km::kButtonRegions[static_cast<std::size_t>(b)]));
}

// The advanced rows' names, one line each.
QString rowName(int row) {
    static constexpr const char* kRows[] = {
        QT_TRANSLATE_NOOP("KeyMap", "Play music"), QT_TRANSLATE_NOOP("KeyMap", "Start program"),
        QT_TRANSLATE_NOOP("KeyMap", "Open file"), QT_TRANSLATE_NOOP("KeyMap", "Open folder")};
    return text(kRows[row]).split(QLatin1Char('\n')).join(QLatin1Char(' '));
}

} // namespace

AccessRegions KeyMapController::accessRegions() const {
    AccessRegions out;
    out.push_back(button(km::kCloseBox, QAccessible::Button,
                         QCoreApplication::translate("ProfileManager", "Close")));
    const QString tabs[] = {text("Keys").split(QLatin1Char('\n')).join(QLatin1Char(' ')),
                            text("Macro"), text("Basic"), text("Advanced")};
    for (int t = 0; t < km::kTabCount; ++t) {
        AccessRegion r = button(km::kTabKeys + t, QAccessible::PageTab, tabs[t]);
        r.selected = t == tab_;
        r.group = QStringLiteral("tabs"); // one stop; the arrows go along the titles
        out.push_back(std::move(r));
    }
    if (tab_ == kAdvancedTab) {
        describeAdvancedTab(out);
    }
    AccessRegion disable = button(km::kDisableBox, QAccessible::CheckBox, text("Disable key"));
    disable.checkable = true;
    disable.checked = disableToggle_;
    out.push_back(std::move(disable));
    out.push_back(button(km::kDefault, QAccessible::Button, text("Default")));
    out.push_back(button(km::kCancel, QAccessible::Button, text("Cancel")));
    out.push_back(button(km::kSave, QAccessible::Button, text("Save")));
    return out;
}

void KeyMapController::describeAdvancedTab(AccessRegions& out) const {
    for (int row = 0; row < km::kAdvancedRows; ++row) {
        const auto at = [&](int part) {
            return toQRect(
                km::kAdvancedRegions[static_cast<std::size_t>(row * km::kPartsPerRow + part)]);
        };
        AccessRegion marker;
        marker.id = QStringLiteral("row:%1").arg(row);
        marker.role = QAccessible::RadioButton;
        marker.name = rowName(row);
        marker.rect = at(km::kRowMarker);
        marker.checkable = true;
        marker.checked = row == advancedChoice_;
        if (marker.checked) {
            marker.description = QString::fromStdU16String(pending_.PendingPath);
        }
        AccessRegion browse;
        browse.id = QStringLiteral("browse:%1").arg(row);
        browse.name = marker.name + QStringLiteral(" \u2026");
        browse.rect = at(km::kRowBrowse);
        out.push_back(std::move(marker));
        out.push_back(std::move(browse));
    }
}

} // namespace vantrel::ui
