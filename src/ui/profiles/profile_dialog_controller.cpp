// SPDX-License-Identifier: MIT
#include "ui/profiles/profile_dialog_controller.h"

#include "core/layout/profile_dialog_layout.h"
#include "core/model/configurator_model.h"
#include "ui/access/region_maker.h"
#include "ui/core_message.h"
#include "ui/skin/interface_text.h"
#include "ui/skin/region_rect.h"
#include "ui/skin/skin_painter.h"
#include "ui/widgets/file_picker.h"
#include "ui/widgets/path_text.h"
#include "ui/widgets/transparent_list_box.h"

#include <QPainter>
#include <algorithm>

namespace vantrel::ui {
namespace {

namespace pd = vantrel::layout::profile_dialog;

const QString kBackground = QStringLiteral("Profile_BK.png");
const QString kCloseImage = QStringLiteral("button-close-normal.png");

QStringList profileFilters() {
    return {QStringLiteral("bin Files(*.bin)"), QStringLiteral("All files (*)")};
}

} // namespace

ProfileDialogController::ProfileDialogController(ConfiguratorModel& model, ProfileStore& store,
                                                 SkinPainter& painter, UiLanguage language,
                                                 FilePicker& files, DialogHost& host)
    : model_(model), store_(store), painter_(painter), language_(language), files_(files),
      host_(host) {}

const QString& ProfileDialogController::skinFolderName() {
    static const QString name = QStringLiteral("Config");
    return name;
}

QString ProfileDialogController::caption() const {
    return tr("Profiles", "message caption");
}

QString ProfileDialogController::deleteCaption() {
    return tr("Profiles", "caption of the delete messages");
}

bool ProfileDialogController::report(const Status& s) {
    if (!s.ok()) {
        host_.inform(errorText(s.error()), caption());
    }
    return s.ok();
}

void ProfileDialogController::open() {
    selected_ = -1;
    relist();
}

void ProfileDialogController::relist() {
    const QString keep =
        selected_ >= 0 && selected_ < lines_.size() ? lines_[selected_] : QString();
    entries_.clear();
    lines_.clear();
    auto listed = store_.list();
    if (!listed) {
        report(listed.error());
    } else {
        entries_ = std::move(*listed);
        std::sort(entries_.begin(), entries_.end(),
                  [](const ProfileEntry& a, const ProfileEntry& b) {
                      return CTransparentListBox::lineLess(fromUtf8(a.name), fromUtf8(b.name));
                  });
        for (const ProfileEntry& e : entries_) {
            lines_ << fromUtf8(e.name);
        }
    }
    selected_ = keep.isEmpty() ? -1 : static_cast<int>(lines_.indexOf(keep));
    if (list_) {
        list_->showLines(lines_, selected_);
    }
    host_.repaint();
}

void ProfileDialogController::replaceProfile(const QString& name,
                                             const std::optional<std::filesystem::path>& keep) {
    report(store_.replaceWith(name.toStdString(), keep));
    relist();
    selected_ = static_cast<int>(lines_.indexOf(name));
    if (list_) {
        list_->showLines(lines_, selected_);
    }
}

void ProfileDialogController::adoptChosenFile(const std::filesystem::path& chosen) {
    // The chosen file gets its copy in the folder, under its name cut at the
    // first dot. The profiles already there stay: they may be profiles kept
    // by name for games, not copies of an earlier file.
    const QString name = fromUtf8(ProfileStore::nameOf(chosen));
    if (!acceptName(name)) {
        return;
    }
    replaceProfile(name, std::nullopt);
}

void ProfileDialogController::importProfile() {
    const auto file = files_.openFile(tr("Import profile"), profileFilters());
    if (!file) {
        return;
    }
    // Only a whole profile replaces the configuration; the model is
    // untouched otherwise.
    if (!report(store_.importFrom(*file, model_.image(), model_.assignments()))) {
        return;
    }
    adoptChosenFile(*file);
}

void ProfileDialogController::exportProfile() {
    const auto file =
        files_.saveFile(tr("Export profile"), profileFilters(), QStringLiteral("bin"));
    if (!file) {
        return;
    }
    if (!report(store_.exportTo(*file, model_.image(), model_.assignments()))) {
        return;
    }
    adoptChosenFile(*file);
}

bool ProfileDialogController::acceptName(const QString& name) {
    return report(ProfileStore::checkName(name.toStdString()));
}

void ProfileDialogController::renamed(int oldIndex, const QString& name) {
    if (oldIndex < 0 || oldIndex >= static_cast<int>(entries_.size())) {
        relist();
        return;
    }
    if (!acceptName(name)) {
        relist();
        return;
    }
    replaceProfile(name, entries_[static_cast<std::size_t>(oldIndex)].path);
}

void ProfileDialogController::command(int id) {
    switch (id) {
    case kMenuNew:
        newProfile();
        break;
    case kMenuCopy:
        copyProfile();
        break;
    case kMenuSave:
        exportProfile();
        break;
    case kMenuOpen:
        importProfile();
        break;
    case kMenuDelete:
        deleteProfile();
        break;
    default:
        break;
    }
}

void ProfileDialogController::newProfile() {
    // The folder keeps one profile; the message has always said six.
    if (!lines_.isEmpty()) {
        host_.inform(tr("At most six profiles can be kept"), caption());
        return;
    }
    int n = 1;
    const auto nameOf = [](int i) { return tr("Profile_%1").arg(i); };
    while (lines_.contains(nameOf(n))) {
        ++n;
    }
    report(store_.createEmpty(nameOf(n).toStdString()));
    relist();
}

void ProfileDialogController::copyProfile() {
    if (selected_ < 0) {
        host_.inform(tr("Choose the profile to copy"), caption());
    }
}

void ProfileDialogController::deleteProfile() {
    if (lines_.size() == 1) {
        host_.inform(tr("At least one profile is needed"), deleteCaption());
        return;
    }
    if (selected_ < 0) {
        host_.inform(tr("Choose the profile to delete"), deleteCaption());
        return;
    }
    if (host_.confirm(tr("Delete the chosen profile?"), deleteCaption())) {
        report(store_.remove(entries_[static_cast<std::size_t>(selected_)].path));
        selected_ = -1;
    }
    relist();
}

QSize ProfileDialogController::size() {
    const QSize s = painter_.store().size(SkinFolder::of(language_, skinFolderName()), kBackground);
    return s.isValid() ? s : QSize(pd::kWidth, pd::kHeight);
}

void ProfileDialogController::compose(QPainter& p) {
    const SkinFolder folder = SkinFolder::of(language_, skinFolderName());
    painter_.image(p, folder, kBackground, 0, 0);
    const layout::Region& close = pd::kRegions[pd::kCloseBox];
    painter_.image(p, folder, kCloseImage, close.left - 4, close.top - 4);
    // The same words in both languages.
    painter_.label(p, tr("Profiles"), 5, 8, 20);
    painter_.buttonLabel(p, language_, tr("Import"), {pd::kArrowButtonTextLeft, 54},
                         pd::textBoxOf(pd::kImport), 20);
    painter_.buttonLabel(p, language_, tr("Export"), {pd::kArrowButtonTextLeft, 102},
                         pd::textBoxOf(pd::kExport), 20);
    painter_.buttonLabel(p, language_, tr("Close"), {18, 367}, pd::textBoxOf(pd::kCloseButton), 14);
}

AccessRegions ProfileDialogController::accessRegions() const {
    // The spare places have no function and are left out; the two ways to
    // close are one button each.
    const std::pair<int, QString> buttons[] = {{pd::kCloseBox, tr("Close")},
                                               {pd::kImport, tr("Import")},
                                               {pd::kExport, tr("Export")},
                                               {pd::kCloseButton, tr("Close")}};
    AccessRegions out;
    for (const auto& [area, name] : buttons) {
        out.push_back(makeRegion(QStringLiteral("area:%1").arg(area), QAccessible::Button, name,
                                 toQRect(pd::kRegions[static_cast<std::size_t>(area)])));
    }
    return out;
}

bool ProfileDialogController::dragsFrom(int x, int y) const {
    return layout::hitTest(pd::kRegions, x, y) == pd::kNone;
}

void ProfileDialogController::release(int x, int y) {
    switch (layout::hitTest(pd::kRegions, x, y)) {
    case pd::kCloseBox:
    case pd::kCloseButton:
        host_.finish(true);
        break;
    case pd::kImport:
        importProfile();
        break;
    case pd::kExport:
        exportProfile();
        break;
    default:
        break;
    }
}

} // namespace vantrel::ui
