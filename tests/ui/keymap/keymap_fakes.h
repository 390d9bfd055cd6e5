// SPDX-License-Identifier: MIT
#pragma once

#include "ui/dialog_fakes.h"
#include "ui/keymap/key_map_controller.h"

#include <functional>
#include <vector>

namespace vantrel::ui::testing {

// The shared file dialogs, also noting their captions and running a check
// while one is open.
struct KeyMapFilePicker : FakeFilePicker {
    std::vector<QString> captions;
    int folderQuestions = 0;
    std::function<void()> whileOpen;

    void note(const QString& caption) {
        captions.push_back(caption);
        if (whileOpen) {
            whileOpen();
        }
    }
    std::optional<std::filesystem::path> openFile(const QString& caption,
                                                  const QStringList& f) override {
        note(caption);
        return FakeFilePicker::openFile(caption, f);
    }
    std::optional<std::filesystem::path> folder(const QString& caption) override {
        note(caption);
        ++folderQuestions;
        return FakeFilePicker::folder(caption);
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
