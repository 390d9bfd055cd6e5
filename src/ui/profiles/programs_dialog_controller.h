// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"
#include "platform/open_windows.h"
#include "ui/profiles/profile_dialog_controller.h"
#include "ui/skin/dialog_controller.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::ui {

class FilePicker;
class SkinPainter;

// One line chosen of several (the windows open now); nothing when the user
// chose none. The dialog answers it with a menu, tests from a queue.
class ChoicePrompt {
public:
    virtual ~ChoicePrompt() = default;
    virtual std::optional<int> choose(const QString& caption, const QStringList& lines) = 0;
};

// The dialog that binds programs to profiles, without a screen: the chosen
// profile, its programs, and binding one picked as a file or as one of the
// windows open now. Every change goes through the bindings file as
// vantrelctl's do, and `changed` then tells the switching to read it again.
class ProgramsDialogController : public DialogController {
    Q_DECLARE_TR_FUNCTIONS(ProgramsDialog)

public:
    struct Ports {
        FilePicker* files = nullptr;
        ChoicePrompt* chooser = nullptr;
        std::function<Result<std::vector<platform::OpenWindow>>()> windows;
        // This program's own executable: its windows are not offered.
        std::string ownExecutable;
        std::function<void()> changed;
    };

    ProgramsDialogController(std::filesystem::path profileFolder,
                             std::filesystem::path bindingsFile, SkinPainter& painter,
                             UiLanguage language, Ports ports, DialogHost& host);
    void setListView(ProfileListView* view) { list_ = view; }

    // Lists the profiles and reads the bindings; `profile` is chosen when
    // it is one of them, else the first.
    void open(const QString& profile);
    const QStringList& profiles() const { return profiles_; }
    QString profile() const;
    // The chosen profile's programs, as the list shows them.
    const QStringList& lines() const { return lines_; }
    int selected() const { return selected_; }
    void select(int line) { selected_ = line >= 0 && line < lines_.size() ? line : -1; }
    // Why the windows open now cannot be offered here; empty when they can.
    const QString& windowsNote() const { return windowsNote_; }

    // The profile `step` places on (wrapping around).
    void chooseProfile(int step);
    void addProgram();
    void addWindow();
    void removeProgram();

    // DialogController
    QSize size() override;
    void compose(QPainter& p) override;
    bool dragsFrom(int x, int y) const override;
    void release(int x, int y) override;
    AccessRegions accessRegions() const override;

    static const QString& skinFolderName();

private:
    void readBindings();
    void showPrograms(const std::string& keep);
    void bind(const std::string& program);
    bool report(const Status& s);
    QString caption() const;

    std::filesystem::path folder_;
    std::filesystem::path bindingsFile_;
    SkinPainter& painter_;
    UiLanguage language_;
    Ports ports_;
    DialogHost& host_;
    ProfileListView* list_ = nullptr;
    QStringList profiles_;
    int profile_ = -1;
    ProgramBindings bindings_;
    QStringList lines_;
    std::vector<std::string> programs_; // entry i is line i's binding
    int selected_ = -1;
    QString windowsNote_;
};

} // namespace vantrel::ui
