// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/assignment_record.h"
#include "core/model/config_image.h"
#include "core/model/profile_switcher.h"
#include "platform/front_window.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace vantrel::ui {

// Brings the profile of the program in front to the keyboard: the window
// system's reports go to a ProfileSwitcher, whose hold runs on a Qt timer,
// and what it decides is sent through the window like an apply.
class ProfileSwitching : public QObject {
    Q_OBJECT
public:
    struct Configuration {
        ConfigImage image;
        AssignmentTable table;
    };
    struct Ports {
        std::function<ProfileSwitcher::Gate()> gate;
        // What the keyboard holds now (the synced copies).
        std::function<Configuration()> held;
        // Sends a whole configuration; `done` gets the outcome.
        std::function<void(const Configuration&, std::function<void(Status)>)> send;
        // The status line's text about profiles (empty: nothing to say).
        std::function<void(const QString&)> status;
    };

    ProfileSwitching(std::filesystem::path profileFolder, std::filesystem::path bindingsFile,
                     Ports ports, QObject* parent = nullptr);
    ~ProfileSwitching() override;

    // Watches the window system; `watcher` replaces the session's own (tests).
    void start(std::unique_ptr<platform::FrontWindowWatcher> watcher = nullptr);
    // Reads the bindings file again (after vantrelctl changed it).
    void reloadBindings();
    // The gate may have opened (an apply, a revert, a dialog closed, a keyboard back).
    void recheck();
    void frontChanged(const FrontProgram& front);

    QStringList profileNames() const;
    // Sends profile `name` at the user's request.
    void loadByHand(const QString& name);
    // Profile `name` was sent by someone else (vantrelctl through this
    // program): the tray and the status line follow.
    void loadedElsewhere(const QString& name);
    void setSwitching(bool on);
    bool switchingOn() const { return switcher_.bindings().switchingOn(); }
    bool hasBindings() const { return !switcher_.bindings().empty(); }
    // Why switching cannot work in this session or with this file; empty when it can.
    const QString& unavailableReason() const { return unavailable_; }
    const ProfileSwitcher& switcher() const { return switcher_; }

signals:
    // The active profile or the switching state changed (the tray follows).
    void changed();

private:
    void takeWatcherEvents();
    void evaluate();
    void carryOut(const ProfileSwitcher::Decision& d);
    std::optional<Configuration> readProfile(const std::string& name, QString& why) const;
    void showStatus();

    std::filesystem::path folder_;
    std::filesystem::path bindingsFile_;
    Ports ports_;
    ProfileSwitcher switcher_;
    QTimer hold_;
    std::unique_ptr<platform::FrontWindowWatcher> watcher_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::string ownExecutable_;
    std::string ownClass_;
    // What the keyboard held before the first automatic switch.
    std::optional<Configuration> before_;
    bool sending_ = false;
    bool waitingForEdits_ = false;
    QString unavailable_;
    QString problem_;
};

} // namespace vantrel::ui
