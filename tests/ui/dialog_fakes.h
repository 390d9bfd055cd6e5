// SPDX-License-Identifier: MIT
#pragma once

#include "ui/profiles/profile_dialog_controller.h"
#include "ui/skin/dialog_controller.h"
#include "ui/widgets/file_picker.h"

#include <deque>
#include <optional>
#include <vector>

namespace vantrel::ui::testing {

// The window around a dialog controller, answered by the test.
struct FakeDialogHost : DialogHost {
    int repaints = 0;
    std::optional<bool> finished; // set when the dialog ended: true for OK
    bool answer = true;
    std::vector<QString> informs, informCaptions, confirms;
    void repaint() override { ++repaints; }
    void finish(bool ok) override { finished = ok; }
    bool confirm(const QString& text, const QString&) override {
        confirms.push_back(text);
        return answer;
    }
    void inform(const QString& text, const QString& caption) override {
        informs.push_back(text);
        informCaptions.push_back(caption);
    }
};

// The list of a profile dialog as the controller last showed it.
struct RecordingList : ProfileListView {
    QStringList lines;
    int selected = -2;
    void showLines(const QStringList& l, int s) override {
        lines = l;
        selected = s;
    }
};

// File dialogs answered from queues; an empty queue is a cancel.
struct FakeFilePicker : FilePicker {
    std::deque<std::filesystem::path> opens, saves, folders;
    std::vector<QStringList> filters;
    std::vector<QString> suffixes;
    static std::optional<std::filesystem::path> next(std::deque<std::filesystem::path>& q) {
        if (q.empty()) {
            return std::nullopt;
        }
        auto p = q.front();
        q.pop_front();
        return p;
    }
    std::optional<std::filesystem::path> openFile(const QString&, const QStringList& f) override {
        filters.push_back(f);
        return next(opens);
    }
    std::optional<std::filesystem::path> saveFile(const QString&, const QStringList& f,
                                                  const QString& suffix) override {
        filters.push_back(f);
        suffixes.push_back(suffix);
        return next(saves);
    }
    std::optional<std::filesystem::path> folder(const QString&) override { return next(folders); }
};

} // namespace vantrel::ui::testing
