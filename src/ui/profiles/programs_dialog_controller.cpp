// SPDX-License-Identifier: MIT
#include "ui/profiles/programs_dialog_controller.h"

#include "core/layout/programs_dialog_layout.h"
#include "core/model/binding_edit.h"
#include "core/model/profile_store.h"
#include "core/util/path_text.h"
#include "ui/access/region_maker.h"
#include "ui/core_message.h"
#include "ui/skin/interface_text.h"
#include "ui/skin/region_rect.h"
#include "ui/skin/skin_painter.h"
#include "ui/widgets/file_picker.h"
#include "ui/widgets/transparent_list_box.h"

#include <QPainter>
#include <algorithm>

namespace vantrel::ui {
namespace {

namespace pg = vantrel::layout::programs_dialog;

const QString kBackground = QStringLiteral("Programs_BK.png");
const QString kCloseImage = QStringLiteral("button-close-normal.png");

const layout::Region& regionOf(int area) {
    return pg::kRegions[static_cast<std::size_t>(area)];
}

// The windows' lines: one per program word a window gives, without repeats.
struct WindowChoices {
    QStringList lines;
    std::vector<std::string> programs;

    void add(const std::string& title, const std::string& program) {
        if (program.empty() ||
            std::find(programs.begin(), programs.end(), program) != programs.end()) {
            return;
        }
        lines << (title.empty()
                      ? fromUtf8(program)
                      : QStringLiteral("%1 — %2").arg(fromUtf8(title), fromUtf8(program)));
        programs.push_back(program);
    }
};

} // namespace

ProgramsDialogController::ProgramsDialogController(std::filesystem::path profileFolder,
                                                   std::filesystem::path bindingsFile,
                                                   SkinPainter& painter, UiLanguage language,
                                                   Ports ports, DialogHost& host)
    : folder_(std::move(profileFolder)), bindingsFile_(std::move(bindingsFile)), painter_(painter),
      language_(language), ports_(std::move(ports)), host_(host) {}

const QString& ProgramsDialogController::skinFolderName() {
    static const QString name = QStringLiteral("Programs");
    return name;
}

QString ProgramsDialogController::caption() const {
    return tr("Programs", "message caption");
}

bool ProgramsDialogController::report(const Status& s) {
    if (!s.ok()) {
        host_.inform(errorText(s.error()), caption());
    }
    return s.ok();
}

QString ProgramsDialogController::profile() const {
    return profile_ >= 0 && profile_ < profiles_.size() ? profiles_[profile_] : QString();
}

void ProgramsDialogController::open(const QString& profile) {
    profiles_.clear();
    if (auto listed = ProfileStore(folder_).list(); listed) {
        for (const ProfileEntry& e : *listed) {
            profiles_ << fromUtf8(e.name);
        }
        std::sort(profiles_.begin(), profiles_.end(), CTransparentListBox::lineLess);
    } else {
        report(listed.error());
    }
    profile_ = profiles_.isEmpty() ? -1 : std::max(0, static_cast<int>(profiles_.indexOf(profile)));
    windowsNote_.clear();
    if (ports_.windows) {
        if (auto windows = ports_.windows(); !windows) {
            windowsNote_ = tr("The windows open now cannot be listed on this desktop.");
        }
    }
    readBindings();
    showPrograms({});
}

void ProgramsDialogController::readBindings() {
    auto loaded = LoadBindingsFile(bindingsFile_);
    bindings_ = {};
    if (!loaded) {
        report(loaded.error());
        return;
    }
    if (loaded->problem) {
        // Set aside by the reading; the switching reads the file again too.
        report(*loaded->problem);
        if (ports_.changed) {
            ports_.changed();
        }
    }
    bindings_ = std::move(loaded->bindings);
}

void ProgramsDialogController::showPrograms(const std::string& keep) {
    lines_.clear();
    programs_.clear();
    const std::string chosen = profile().toStdString();
    for (const ProgramBinding& b : bindings_.all()) {
        if (!chosen.empty() && b.profile == chosen) {
            lines_ << fromUtf8(b.program);
            programs_.push_back(b.program);
        }
    }
    const auto at = std::find(programs_.begin(), programs_.end(), keep);
    selected_ = at == programs_.end() ? -1 : static_cast<int>(at - programs_.begin());
    if (list_) {
        list_->showLines(lines_, selected_);
    }
    host_.repaint();
}

void ProgramsDialogController::chooseProfile(int step) {
    if (profiles_.isEmpty()) {
        return;
    }
    const int n = static_cast<int>(profiles_.size());
    profile_ = ((profile_ + step) % n + n) % n;
    showPrograms({});
}

void ProgramsDialogController::bind(const std::string& program) {
    const QString name = profile();
    auto bound = BindProgramInFile(bindingsFile_, program, name.toStdString());
    if (!bound) {
        report(bound.error());
        readBindings();
        showPrograms({});
        return;
    }
    if (ports_.changed) {
        ports_.changed();
    }
    readBindings();
    showPrograms(program);
    if (bound->movedFrom) {
        host_.inform(tr("%1 brought profile %2; it brings profile %3 now.")
                         .arg(fromUtf8(program), fromUtf8(*bound->movedFrom), name),
                     caption());
    }
}

void ProgramsDialogController::addProgram() {
    if (profile_ < 0) {
        host_.inform(tr("Save a profile first: programs are bound to profiles."), caption());
        return;
    }
    const auto file =
        ports_.files ? ports_.files->openFile(tr("Bind a program"), {}) : std::nullopt;
    if (!file) {
        return;
    }
    auto executable = ResolvedExecutable(*file);
    if (!report(executable.ok() ? Status::success() : Status(executable.error()))) {
        return;
    }
    bind(*executable);
}

void ProgramsDialogController::addWindow() {
    if (profile_ < 0) {
        host_.inform(tr("Save a profile first: programs are bound to profiles."), caption());
        return;
    }
    auto windows =
        ports_.windows
            ? ports_.windows()
            : Result<std::vector<platform::OpenWindow>>(std::vector<platform::OpenWindow>{});
    if (!windows) {
        // The platform's reason is English; the note says it in the
        // interface language where there is one.
        host_.inform(windowsNote_.isEmpty() ? errorText(windows.error()) : windowsNote_, caption());
        return;
    }
    WindowChoices choices;
    for (const platform::OpenWindow& w : *windows) {
        if (!ports_.ownExecutable.empty() && w.program.executable == ports_.ownExecutable) {
            continue;
        }
        choices.add(w.title, w.program.executable);
        if (!w.program.windowClass.empty()) {
            choices.add(w.title,
                        std::string(ProgramBindings::kClassPrefix) + w.program.windowClass);
        }
    }
    if (choices.lines.isEmpty()) {
        host_.inform(tr("No window of another program is open."), caption());
        return;
    }
    const auto chosen = ports_.chooser
                            ? ports_.chooser->choose(tr("Bind a window's program"), choices.lines)
                            : std::nullopt;
    if (chosen && *chosen >= 0 && *chosen < choices.lines.size()) {
        bind(choices.programs[static_cast<std::size_t>(*chosen)]);
    }
}

void ProgramsDialogController::removeProgram() {
    if (selected_ < 0) {
        host_.inform(tr("Choose the program to remove."), caption());
        return;
    }
    const std::string program = programs_[static_cast<std::size_t>(selected_)];
    auto unbound = UnbindProgramInFile(bindingsFile_, {program});
    report(unbound.ok() ? Status::success() : Status(unbound.error()));
    if (unbound && ports_.changed) {
        ports_.changed();
    }
    readBindings();
    showPrograms({});
}

QSize ProgramsDialogController::size() {
    const QSize s = painter_.store().size(SkinFolder::of(language_, skinFolderName()), kBackground);
    return s.isValid() ? s : QSize(pg::kWidth, pg::kHeight);
}

void ProgramsDialogController::compose(QPainter& p) {
    const SkinFolder folder = SkinFolder::of(language_, skinFolderName());
    painter_.image(p, folder, kBackground, 0, 0);
    const layout::Region& close = regionOf(pg::kCloseBox);
    painter_.image(p, folder, kCloseImage, close.left - 4, close.top - 4);
    painter_.label(p, tr("Programs"), 8, 8, pg::kTitlePixels);
    // This face has no places drawn for one language's texts: every text is
    // centred in its box.
    const UiLanguage centred = UiLanguage::englishInterface();
    const QString name = profile().isEmpty() ? tr("No profiles yet") : profile();
    painter_.buttonLabel(p, centred, name, {}, regionOf(pg::kProfileName), pg::kProfilePixels);
    const std::pair<int, QString> buttons[] = {{pg::kAddProgram, tr("Add program…")},
                                               {pg::kAddWindow, tr("Add window…")},
                                               {pg::kRemove, tr("Remove")},
                                               {pg::kCloseButton, tr("Close")}};
    for (const auto& [area, text] : buttons) {
        painter_.buttonLabel(p, centred, text, {}, regionOf(area), pg::kButtonPixels);
    }
    if (!windowsNote_.isEmpty()) {
        painter_.label(p, windowsNote_, pg::kNote.left, pg::kNote.top + 2, pg::kNotePixels,
                       QColor(0xC9, 0xCE, 0xD8));
    }
}

AccessRegions ProgramsDialogController::accessRegions() const {
    AccessRegions out;
    const auto button = [&out](int area, const QString& name) {
        out.push_back(makeRegion(QStringLiteral("area:%1").arg(area), QAccessible::Button, name,
                                 toQRect(regionOf(area))));
        return &out.back();
    };
    button(pg::kCloseBox, tr("Close"));
    button(pg::kPreviousProfile, tr("Previous profile"));
    AccessRegion* chosen = button(pg::kProfileName, tr("Profile"));
    chosen->role = QAccessible::ComboBox;
    chosen->value = profile();
    button(pg::kNextProfile, tr("Next profile"));
    button(pg::kAddProgram, tr("Add program…"));
    AccessRegion* window = button(pg::kAddWindow, tr("Add window…"));
    window->description = windowsNote_;
    button(pg::kRemove, tr("Remove"))->disabled = selected_ < 0;
    button(pg::kCloseButton, tr("Close"));
    return out;
}

bool ProgramsDialogController::dragsFrom(int x, int y) const {
    return layout::hitTest(pg::kRegions, x, y) == pg::kNone && !pg::kList.contains(x, y);
}

void ProgramsDialogController::release(int x, int y) {
    switch (layout::hitTest(pg::kRegions, x, y)) {
    case pg::kCloseBox:
    case pg::kCloseButton:
        host_.finish(true);
        break;
    case pg::kPreviousProfile:
        chooseProfile(-1);
        break;
    case pg::kProfileName:
    case pg::kNextProfile:
        chooseProfile(1);
        break;
    case pg::kAddProgram:
        addProgram();
        break;
    case pg::kAddWindow:
        addWindow();
        break;
    case pg::kRemove:
        removeProgram();
        break;
    default:
        break;
    }
}

} // namespace vantrel::ui
