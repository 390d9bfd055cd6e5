// SPDX-License-Identifier: MIT
#pragma once

#include "ui/dialog_commands.h"
#include "ui/keyboard_port.h"
#include "ui/lighting/lighting_panel.h"
#include "ui/updater_launcher.h"
#include "ui/user_prompts.h"
#include "ui/window_shell.h"

#include <QPoint>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace vantrel::ui::testing {

struct FakeShell : WindowShell {
    int repaints = 0, hides = 0, shows = 0, ends = 0, moves = 0;
    std::vector<bool> busy;
    void repaint() override { ++repaints; }
    void hideWindow() override { ++hides; }
    void showWindow() override { ++shows; }
    void endProgram() override { ++ends; }
    void setBusy(bool b) override { busy.push_back(b); }
    void startSystemMove() override { ++moves; }
    std::vector<std::pair<int, std::function<void()>>> later;
    void after(int ms, std::function<void()> task) override {
        later.emplace_back(ms, std::move(task));
    }
    // Runs what the controller asked to run later.
    void runLater() {
        auto tasks = std::move(later);
        later.clear();
        for (auto& [ms, task] : tasks) {
            task();
        }
    }
};

struct FakePrompts : UserPrompts {
    bool answer = true;
    std::vector<QString> confirms, captions, informs;
    bool confirm(const QString& text, const QString& caption) override {
        confirms.push_back(text);
        captions.push_back(caption);
        return answer;
    }
    void inform(const QString& text, const QString&) override { informs.push_back(text); }
};

struct FakeDialogs : DialogCommands {
    std::vector<int> assigned;
    int profileRuns = 0, macroRuns = 0;
    void assignKey(int key) override { assigned.push_back(key); }
    void profiles() override { ++profileRuns; }
    void macros() override { ++macroRuns; }
};

struct FakeLighting : LightingPanel {
    std::vector<int> commands, perKeyClicks, deviceChanges;
    int keyboardListClicks = 0, wristListClicks = 0, overlays = 0;
    void paint(QPainter&) override {}
    void command(int c) override { commands.push_back(c); }
    void keyboardListClick(const QPoint&) override { ++keyboardListClicks; }
    void wristListClick(const QPoint&) override { ++wristListClicks; }
    void perKeyColourClick(int key) override { perKeyClicks.push_back(key); }
    void deviceLightingChanged(int type) override { deviceChanges.push_back(type); }
    void paintPerKeyOverlay(QPainter&) override { ++overlays; }
};

// A keyboard whose sequences finish when the test says so.
struct FakeDevice : KeyboardPort {
    bool isPresent = true;
    ConfigImage keyboard; // what reached the keyboard
    std::vector<ConfigImage> applied;
    std::deque<std::function<void()>> pending;
    Error failure{ErrorCode::NoAcknowledge, ""};
    bool failNext = false;
    DeviceSnapshot resetSnapshot;

    bool present() const override { return isPresent; }
    bool simulated() const override { return false; }
    void apply(const ConfigImage& image, const ConfigImage&,
               std::function<void(Result<ApplyOutcome>)> done) override {
        const bool fail = failNext;
        failNext = false;
        pending.push_back([this, image, done, fail] {
            if (fail) {
                done(failure);
                return;
            }
            applied.push_back(image);
            keyboard = image;
            done(ApplyOutcome{image, true});
        });
    }
    void factoryReset(std::function<void(Result<DeviceSnapshot>)> done) override {
        pending.push_back([this, done] {
            keyboard = resetSnapshot.image;
            done(resetSnapshot);
        });
    }
    void readBack(std::function<void(Result<DeviceSnapshot>)> done) override {
        pending.push_back([this, done] { done(DeviceSnapshot{keyboard, {}, {}}); });
    }
    void finishAll() {
        while (!pending.empty()) {
            auto f = std::move(pending.front());
            pending.pop_front();
            f();
        }
    }
};

struct FakeUpdater : UpdaterLauncher {
    int starts = 0;
    bool missing = false;
    Status start() override {
        ++starts;
        if (missing) {
            return Error{ErrorCode::Io, "updater missing"};
        }
        return Status::success();
    }
};

} // namespace vantrel::ui::testing
