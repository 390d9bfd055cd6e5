// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/macro_dialog_layout.h"
#include "ui/capture/fake_key_hook.h"
#include "ui/macros/macro_dialog_controller.h"

#include <QPoint>
#include <QTest>
#include <chrono>
#include <functional>
#include <vector>

namespace vantrel::ui::testing {

// The middle of one of the macro manager's regions.
inline QPoint centreOfArea(int area) {
    const auto& r = layout::macro_dialog::kRegions[static_cast<std::size_t>(area)];
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
// A real click there on the dialog's window.
inline void clickArea(QWidget& dialog, int area) {
    QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, centreOfArea(area));
}

// A clock the test moves.
struct FakeClock {
    std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
    MonotonicClock clock() {
        return [this] { return now; };
    }
    void after(int ms) { now += std::chrono::milliseconds(ms); }
};

struct FakeMacroHost : DialogHost {
    int repaints = 0;
    std::vector<bool> finished;
    bool answer = true;
    std::vector<QString> confirms, informs, captions;
    std::function<void()> whileOpen; // runs while a message box is open
    void repaint() override { ++repaints; }
    void finish(bool ok) override { finished.push_back(ok); }
    bool confirm(const QString& text, const QString& caption) override {
        confirms.push_back(text);
        captions.push_back(caption);
        if (whileOpen) {
            whileOpen();
        }
        return answer;
    }
    void inform(const QString& text, const QString& caption) override {
        informs.push_back(text);
        captions.push_back(caption);
        if (whileOpen) {
            whileOpen();
        }
    }
};

struct FakeMacroWidgets : MacroDialogWidgets {
    QStringList macros, events;
    int macroSelected = -1, eventSelected = -1;
    QString loopText;
    bool loopEnabled = false;
    void showMacros(const QStringList& names, int selected) override {
        macros = names;
        macroSelected = selected;
    }
    void showEvents(const QStringList& lines, int selected) override {
        events = lines;
        eventSelected = selected;
    }
    void showLoop(const QString& text, bool enabled) override {
        loopText = text;
        loopEnabled = enabled;
    }
};

} // namespace vantrel::ui::testing
