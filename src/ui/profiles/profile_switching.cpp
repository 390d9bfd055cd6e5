// SPDX-License-Identifier: MIT
#include "ui/profiles/profile_switching.h"

#include "core/model/profile_store.h"
#include "core/model/state_files.h"
#include "ui/core_message.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>

namespace vantrel::ui {
namespace {

// While a switch waits for the window, the gate is looked at again this
// often: it opens with the window's own work, which sends no signal here.
constexpr int kGateRecheckMs = 250;
// A keyboard that did not take a profile is given it again after this long,
// not at once: one that fails at once would be sent it over and over.
constexpr int kRetryMs = 2000;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

ProfileSwitching::ProfileSwitching(std::filesystem::path profileFolder,
                                   std::filesystem::path bindingsFile, Ports ports, QObject* parent)
    : QObject(parent), folder_(std::move(profileFolder)), bindingsFile_(std::move(bindingsFile)),
      ports_(std::move(ports)), switcher_([] { return ProfileSwitcher::Clock::now(); }) {
    hold_.setSingleShot(true);
    hold_.setTimerType(Qt::PreciseTimer);
    connect(&hold_, &QTimer::timeout, this, [this] { evaluate(); });
    ownExecutable_ = platform::executableOf(static_cast<long>(QCoreApplication::applicationPid()));
    // Where the system names no process (Wayland), our windows are known
    // by the app_id Qt gives them.
    ownClass_ = QGuiApplication::desktopFileName().toStdString();
    reloadBindings();
}

ProfileSwitching::~ProfileSwitching() = default;

void ProfileSwitching::start(std::unique_ptr<platform::FrontWindowWatcher> watcher) {
    if (!watcher) {
        auto opened = platform::watchFrontWindow();
        if (!opened) {
            unavailable_ = text(opened.error().message);
            emit changed();
            return;
        }
        watcher = std::move(*opened);
    }
    watcher_ = std::move(watcher);
    if (watcher_->descriptor() >= 0) {
        notifier_ =
            std::make_unique<QSocketNotifier>(watcher_->descriptor(), QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this,
                [this] { takeWatcherEvents(); });
    } else {
        watcher_->setWake([this] { takeWatcherEvents(); });
    }
    frontChanged(watcher_->current());
    // What arrived while the first answer was read.
    takeWatcherEvents();
}

void ProfileSwitching::takeWatcherEvents() {
    auto changes = watcher_->takeChanges();
    if (!changes) {
        notifier_.reset();
        unavailable_ = text(changes.error().message);
        emit changed();
        return;
    }
    if (*changes) {
        frontChanged(**changes);
    }
}

void ProfileSwitching::reloadBindings() {
    auto loaded = LoadBindingsFile(bindingsFile_);
    if (!loaded) {
        problem_ = errorText(loaded.error());
        switcher_.setBindings({});
    } else {
        problem_ = loaded->problem ? errorText(*loaded->problem) : QString();
        switcher_.setBindings(std::move(loaded->bindings));
    }
    showStatus();
    emit changed();
    recheck();
}

void ProfileSwitching::frontChanged(const FrontProgram& front) {
    // Our own window in front (the tray menu, the window itself) changes
    // nothing: the user is at work on the keyboard's settings.
    if (!ownExecutable_.empty() && front.executable == ownExecutable_) {
        return;
    }
    if (front.executable.empty() && !ownClass_.empty() && front.windowClass == ownClass_) {
        return;
    }
    // Nothing in front, as for a moment while the focus moves between two
    // windows: the program that had it still counts.
    if (front.executable.empty() && front.windowClass.empty()) {
        return;
    }
    switcher_.frontChanged(front);
    recheck();
}

void ProfileSwitching::recheck() {
    const auto wake = switcher_.wakeAt();
    if (!wake) {
        hold_.stop();
        return;
    }
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(*wake - ProfileSwitcher::Clock::now());
    hold_.start(std::max<int>(0, static_cast<int>(left.count())));
}

void ProfileSwitching::evaluate() {
    if (sending_) {
        return; // the send's end looks again
    }
    const ProfileSwitcher::Decision d = switcher_.decide(ports_.gate());
    const bool waited = waitingForEdits_;
    waitingForEdits_ = d.action == ProfileSwitcher::Action::Wait && d.waitingForEdits;
    if (waited != waitingForEdits_) {
        showStatus();
    }
    switch (d.action) {
    case ProfileSwitcher::Action::None:
        // A timer that fired a moment early waits out the rest of the hold.
        if (const auto wake = switcher_.wakeAt(); wake && *wake > ProfileSwitcher::Clock::now()) {
            recheck();
        }
        return;
    case ProfileSwitcher::Action::Wait:
        hold_.start(kGateRecheckMs);
        return;
    default:
        carryOut(d);
    }
}

std::optional<ProfileSwitching::Configuration>
ProfileSwitching::readProfile(const std::string& name, QString& why) const {
    Configuration c;
    const Status s = LoadProfileFile(ProfileStore(folder_).pathOf(name), c.image, c.table);
    if (!s) {
        why = errorText(s.error());
        return std::nullopt;
    }
    c.table.writeOwnKeys();
    return c;
}

void ProfileSwitching::carryOut(const ProfileSwitcher::Decision& d) {
    std::optional<Configuration> wanted;
    QString why;
    if (d.action == ProfileSwitcher::Action::Restore) {
        wanted = before_;
    } else {
        wanted = readProfile(d.profile, why);
        if (!before_ && !switcher_.activeFromFront()) {
            before_ = ports_.held();
        }
    }
    if (!wanted) {
        problem_ = why;
        switcher_.switchFailed(false);
        showStatus();
        return;
    }
    sending_ = true;
    ports_.send(*wanted, [this, d](Status s) {
        sending_ = false;
        if (s) {
            switcher_.switched(d);
            problem_.clear();
            if (d.action == ProfileSwitcher::Action::Restore) {
                before_.reset();
            }
        } else {
            // A keyboard that went away gets the profile when it is back.
            const bool retry = s.error().code != ErrorCode::BadFile;
            switcher_.switchFailed(retry);
            problem_ = errorText(s.error());
            showStatus();
            if (retry) {
                hold_.start(kRetryMs);
            }
            return;
        }
        showStatus();
        emit changed();
        recheck();
    });
}

QStringList ProfileSwitching::profileNames() const {
    QStringList names;
    if (auto listed = ProfileStore(folder_).list()) {
        for (const ProfileEntry& e : *listed) {
            names << text(e.name);
        }
    }
    names.sort();
    return names;
}

void ProfileSwitching::loadByHand(const QString& name) {
    QString why;
    auto wanted = readProfile(name.toStdString(), why);
    if (!wanted || sending_) {
        problem_ = wanted ? tr("the keyboard is busy") : why;
        showStatus();
        return;
    }
    sending_ = true;
    ports_.send(*wanted, [this, name](Status s) {
        sending_ = false;
        if (s) {
            switcher_.loadedByHand(name.toStdString());
            before_.reset();
            problem_.clear();
        } else {
            problem_ = errorText(s.error());
        }
        showStatus();
        emit changed();
    });
}

void ProfileSwitching::loadedElsewhere(const QString& name) {
    // As a load from the tray: the profile is the user's choice, and what
    // an automatic switch would return to is no longer wanted.
    switcher_.loadedByHand(name.toStdString());
    before_.reset();
    problem_.clear();
    showStatus();
    emit changed();
}

void ProfileSwitching::setSwitching(bool on) {
    ProgramBindings b = switcher_.bindings();
    b.setSwitching(on);
    if (Status s = SaveBindingsFile(bindingsFile_, b); !s) {
        problem_ = errorText(s.error());
    }
    switcher_.setBindings(std::move(b));
    showStatus();
    emit changed();
    recheck();
}

void ProfileSwitching::showStatus() {
    QString status;
    if (const auto& active = switcher_.active()) {
        status = switcher_.activeFromFront()
                     ? tr("Profile %1, from the program in front").arg(text(*active))
                     : tr("Profile %1").arg(text(*active));
    }
    if (waitingForEdits_) {
        status = tr("Profile switching waits until the changes are applied or reverted");
    }
    if (!problem_.isEmpty()) {
        status = status.isEmpty() ? problem_ : status + QStringLiteral("; ") + problem_;
    }
    if (ports_.status) {
        ports_.status(status);
    }
}

} // namespace vantrel::ui
