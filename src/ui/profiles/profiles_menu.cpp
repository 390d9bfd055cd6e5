// SPDX-License-Identifier: MIT
#include "ui/profiles/profiles_menu.h"

#include "ui/profiles/profile_switching.h"

#include <QAction>
#include <QActionGroup>

namespace vantrel::ui {

ProfilesMenu::ProfilesMenu(ProfileSwitching& switching, QObject* parent)
    : QObject(parent), switching_(switching) {
    menu_.setTitle(tr("Profiles"));
    connect(&menu_, &QMenu::aboutToShow, this, [this] { fill(); });
    // A profile loaded elsewhere is checked at once, also in a menu that is
    // open or read by a screen reader.
    connect(&switching_, &ProfileSwitching::changed, this, [this] { markActive(); });
    fill();
}

void ProfilesMenu::fill() {
    menu_.clear();
    const auto& active = switching_.switcher().active();
    auto* group = new QActionGroup(&menu_);
    const QStringList names = switching_.profileNames();
    for (const QString& name : names) {
        QAction* item = menu_.addAction(name);
        item->setCheckable(true);
        item->setData(name);
        item->setChecked(active && QString::fromStdString(*active) == name);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, name] { switching_.loadByHand(name); });
    }
    if (names.isEmpty()) {
        menu_.addAction(tr("No profiles yet"))->setEnabled(false);
    }
    menu_.addSeparator();
    QAction* automatic = menu_.addAction(tr("Automatic switching"));
    automatic->setCheckable(true);
    automatic->setChecked(switching_.switchingOn());
    if (!switching_.unavailableReason().isEmpty()) {
        automatic->setEnabled(false);
        automatic->setText(tr("Automatic switching (%1)").arg(switching_.unavailableReason()));
    } else if (!switching_.hasBindings()) {
        automatic->setEnabled(false);
    }
    connect(automatic, &QAction::toggled, this, [this](bool on) { switching_.setSwitching(on); });
    if (openPrograms_) {
        // Queued: the dialog runs its own loop, which the menu's must not hold.
        connect(menu_.addAction(tr("Programs…")), &QAction::triggered, this,
                [this] { QMetaObject::invokeMethod(this, openPrograms_, Qt::QueuedConnection); });
    }
}

void ProfilesMenu::markActive() {
    const auto& active = switching_.switcher().active();
    const QString name = active ? QString::fromStdString(*active) : QString();
    for (QAction* item : menu_.actions()) {
        if (item->data().typeId() == QMetaType::QString) {
            item->setChecked(item->data().toString() == name);
        }
    }
}

} // namespace vantrel::ui
