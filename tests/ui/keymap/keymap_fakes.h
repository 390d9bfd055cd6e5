// SPDX-License-Identifier: MIT
#pragma once

#include "ui/keymap/key_map_controller.h"
#include "ui/widgets/file_picker.h"

#include <deque>
#include <functional>
#include <vector>

namespace vantrel::ui::testing {

// File dialogs that give the answers the test queued (none: cancelled).
struct FakeFilePicker : FilePicker {
    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<QStringList> filters; // of every open-file question
    std::vector<QString> captions;
    int folderQuestions = 0;
    std::function<void()> whileOpen; // runs while a picker is "open"

    std::optional<std::filesystem::path> next() {
        if (whileOpen) {
            whileOpen();
        }
        if (answers.empty()) {
            return std::nullopt;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::filesystem::path> openFile(const QString& caption,
                                                  const QStringList& f) override {
        captions.push_back(caption);
        filters.push_back(f);
        return next();
    }
    std::optional<std::filesystem::path> saveFile(const QString& caption, const QStringList& f,
                                                  const QString&) override {
        return openFile(caption, f);
    }
    std::optional<std::filesystem::path> folder(const QString& caption) override {
        captions.push_back(caption);
        ++folderQuestions;
        return next();
    }
};

struct FakeDialogHost : DialogHost {
    int repaints = 0;
    std::vector<bool> finishes; // true: OK
    std::vector<QString> informs;
    std::function<void()> whileInforming;
    void repaint() override { ++repaints; }
    void finish(bool ok) override { finishes.push_back(ok); }
    bool confirm(const QString&, const QString&) override { return true; }
    void inform(const QString& text, const QString&) override {
        if (whileInforming) {
            whileInforming();
        }
        informs.push_back(text);
    }
};

// The controls as the dialog shows them. A focus request moves the focus
// at once, as it does in an active window.
struct FakeKeyMapView : KeyMapView {
    KeyMapController* controller = nullptr;
    int tab = -1;
    QString fields[2];
    int focused = -1; // key field with the focus, -1: another control
    QStringList macroLines;
    int macroLine = -1;
    int function = -1;
    int suspends = 0, resumes = 0;

    void showTab(int t) override {
        tab = t;
        if (t != 0) {
            focused = -1; // the fields are hidden
        }
    }
    void setFieldText(Field f, const QString& text) override { fields[f] = text; }
    void focusField(Field f) override {
        if (focused != f) {
            focused = f;
            if (controller) {
                controller->fieldFocused(f);
            }
        }
    }
    void setMacroLines(const QStringList& lines) override { macroLines = lines; }
    void selectMacroLine(int line) override {
        macroLine = line;
        focused = -1;
    }
    void selectFunction(int row) override { function = row; }
    void suspendCapture() override { ++suspends; }
    void resumeCapture() override { ++resumes; }
};

} // namespace vantrel::ui::testing
