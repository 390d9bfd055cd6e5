// SPDX-License-Identifier: MIT
#include "ui/access/widget_stops.h"

#include "ui/access/reading_order.h"

#include <QWidget>

namespace vantrel::ui {
namespace {

const QString kPrefix = QStringLiteral("widget:");
// Skins draw check boxes a few pixels off the buttons of their row.
constexpr int kRowSlack = 8;

QList<QWidget*> children(const QWidget& window) {
    return window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

bool reachable(const QWidget& window, const QWidget& w) {
    return !w.isWindow() && w.isVisibleTo(&window) && w.isEnabled() &&
           (w.focusPolicy() & Qt::TabFocus) != 0;
}

} // namespace

AccessRegions withWidgetStops(AccessRegions regions, const QWidget& window) {
    const QList<QWidget*> all = children(window);
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QWidget& w = *all[i];
        if (!reachable(window, w)) {
            continue;
        }
        AccessRegion r;
        r.id = kPrefix + QString::number(i);
        r.role = QAccessible::Client;
        r.name = w.accessibleName();
        r.rect = w.geometry();
        regions.push_back(std::move(r));
    }
    inReadingOrder(regions, {}, kRowSlack);
    return regions;
}

QWidget* widgetOfStop(const QWidget& window, const QString& id) {
    if (!id.startsWith(kPrefix)) {
        return nullptr;
    }
    bool ok = false;
    const qsizetype i = id.mid(kPrefix.size()).toLongLong(&ok);
    const QList<QWidget*> all = children(window);
    return ok && i >= 0 && i < all.size() ? all[i] : nullptr;
}

QString stopOfWidget(const QWidget& window, const QWidget* focused) {
    while (focused && focused->parentWidget() != &window) {
        focused = focused->parentWidget();
    }
    if (!focused) {
        return {};
    }
    const qsizetype i = children(window).indexOf(const_cast<QWidget*>(focused));
    return i < 0 ? QString() : kPrefix + QString::number(i);
}

} // namespace vantrel::ui
