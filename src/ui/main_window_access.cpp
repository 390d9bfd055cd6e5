// SPDX-License-Identifier: MIT
// The main window's regions for assistive technology, from the tables that
// paint and hit-test it, and their activation by the same click a pointer
// makes.
#include "core/layout/main_window_layout.h"
#include "core/model/key_picture_table.h"
#include "ui/access/assignment_text.h"
#include "ui/access/reading_order.h"
#include "ui/access/region_maker.h"
#include "ui/lighting/lighting_panel.h"
#include "ui/main_window_controller.h"
#include "ui/skin/region_rect.h"

#include <QCoreApplication>
#include <algorithm>

namespace vantrel::ui {
namespace {

using namespace vantrel::layout;

AccessRegion button(int c, const QString& name) {
    return makeRegion(QStringLiteral("cmd:%1").arg(c), QAccessible::Button, name,
                      toQRect(ButtonRegionTable()[static_cast<std::size_t>(c)]));
}

QString sliderName(int id) {
    switch (id) {
    case kSliderBrightness:
        return QCoreApplication::translate("LightingPanel", "Brightness");
    case kSliderSpeed:
        return QCoreApplication::translate("LightingPanel", "Speed");
    case kSliderWristBrightness:
        return QCoreApplication::translate("WristRest", "Brightness");
    case kSliderWristSpeed:
        return QCoreApplication::translate("WristRest", "Speed");
    case kSliderResponseTime:
        return QCoreApplication::translate("LightingPanel", "Key response time");
    default:
        return QCoreApplication::translate("LightingPanel", "USB report rate");
    }
}

// Reading order: the title strip, the left panel top to bottom, then the
// keyboard picture and what lies under it.
int column(const AccessRegion& r) {
    if (r.rect.top() <= kTopStripLastY) {
        return 0;
    }
    return r.rect.left() < kKeyboardPictureX ? 1 : 2;
}

} // namespace

void MainWindowController::describeSliders(AccessRegions& out) const {
    for (int id : {kSliderBrightness, kSliderSpeed, kSliderWristBrightness, kSliderWristSpeed,
                   kSliderResponseTime, kSliderReportRate}) {
        const Slider* found = sliders_.find(id);
        if (!found || !found->visible) {
            continue;
        }
        const Slider& s = *found;
        AccessRegion r;
        r.id = QStringLiteral("slider:%1").arg(s.id);
        r.role = QAccessible::Slider;
        r.name = sliderName(s.id);
        if (s.id == kSliderWristBrightness || s.id == kSliderWristSpeed) {
            r.description = QCoreApplication::translate("WristRest", "Wrist rest effects");
        }
        r.rect = QRect(s.x, s.y, Slider::kWidth, Slider::kHeight);
        r.slider = true;
        r.maximum = s.range;
        r.position = s.position;
        r.disabled = !s.enabled;
        out.push_back(std::move(r));
    }
}

void MainWindowController::describeKeys(AccessRegions& out) const {
    const QString group = QStringLiteral("keyboard");
    AccessRegion picture;
    picture.id = group;
    picture.role = QAccessible::Grouping;
    // The tab's title of several lines, as one.
    picture.name = QCoreApplication::translate("KeyMap", "Keys")
                       .split(QLatin1Char('\n'))
                       .join(QLatin1Char(' '));
    picture.rect =
        QRect(kKeyboardPictureX, kKeyboardPictureY, kKeyboardPictureWidth, kKeyboardPictureHeight);
    out.push_back(std::move(picture));
    const auto& keys = KeyPictureTable();
    for (int i = 0; i < static_cast<int>(keys.size()); ++i) {
        const KeyPicture& k = keys[static_cast<std::size_t>(i)];
        AccessRegion r;
        r.id = QStringLiteral("key:%1").arg(i);
        r.parentId = group;
        r.name = QString::fromUtf8(k.label.data(), static_cast<qsizetype>(k.label.size()));
        r.description = assignmentText(model_, i);
        r.rect = QRect(k.left + kKeyboardPictureX, k.top + kKeyboardPictureY, k.width() + 1,
                       k.height() + 1);
        // The hit-test decides which keys a click reaches in this view.
        const QPoint centre = r.rect.center();
        r.disabled = hitTestKey(centre.x(), centre.y()) != i;
        r.selected = state_.keySelected[static_cast<std::size_t>(i)];
        out.push_back(std::move(r));
    }
}

void MainWindowController::describeHelpMenu(AccessRegions& out) const {
    AccessRegion help = button(kCmdHelp, tr("Help"));
    help.expandable = true;
    help.expanded = state_.helpMenuOpen;
    help.opens = QStringLiteral("help-menu");
    out.push_back(help);
    out.push_back(button(kCmdMinimise, tr("Minimise")));
    out.push_back(button(kCmdClose, QCoreApplication::translate("ProfileManager", "Close")));
    if (!state_.helpMenuOpen) {
        return;
    }
    AccessRegion menu;
    menu.id = QStringLiteral("help-menu");
    menu.role = QAccessible::PopupMenu;
    menu.name = help.name;
    menu.rect = toQRect(kHelpMenu);
    out.push_back(menu);
    const QString items[] = {tr("Factory reset"), tr("Driver update"), tr("Version: 1.4")};
    for (int i = 0; i < 3; ++i) {
        AccessRegion item;
        item.id = QStringLiteral("help-menu:%1").arg(i);
        item.parentId = menu.id;
        item.role = QAccessible::MenuItem;
        item.name = items[i];
        item.rect = QRect(kHelpMenu.left, kHelpMenu.top + kHelpItemHeight * i, kHelpMenu.width(),
                          kHelpItemHeight);
        out.push_back(std::move(item));
    }
}

AccessRegions MainWindowController::accessRegions() const {
    AccessRegions out;
    describeHelpMenu(out);
    if (ports_.lighting) {
        ports_.lighting->describe(out);
    }
    describeSliders(out);
    out.push_back(button(kCmdProfiles, tr("Profiles")));
    describeKeys(out);
    out.push_back(button(kCmdApply, tr("Apply")));
    if (const QString notice = statusLine(); !notice.isEmpty()) {
        AccessRegion text;
        text.id = QStringLiteral("notice");
        text.role = QAccessible::StaticText;
        text.name = notice;
        text.rect = QRect(300, 609, kNoticeWidth, 16);
        out.push_back(std::move(text));
    }
    inReadingOrder(out, column);
    return out;
}

void MainWindowController::activateRegion(const AccessRegion& region) {
    if (region.slider || region.disabled) {
        return;
    }
    // The click a pointer makes at the region's centre: the same commands,
    // the same transfers.
    const QPoint at = region.rect.center();
    mouseMove(at.x(), at.y(), false);
    mousePress(at.x(), at.y());
    mouseRelease(at.x(), at.y());
}

void MainWindowController::setRegionPosition(const AccessRegion& region, int position) {
    if (busy() || !region.slider) {
        return;
    }
    const int id = region.id.section(QLatin1Char(':'), 1).toInt();
    if (sliderEnabled(id)) {
        setSliderPosition(id, position);
    }
}

} // namespace vantrel::ui
