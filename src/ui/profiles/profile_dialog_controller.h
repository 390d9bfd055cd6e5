// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/interface_language.h"
#include "core/model/profile_store.h"
#include "ui/skin/dialog_controller.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class FilePicker;
class SkinPainter;

// Where the profile manager shows its list (the skinned list box).
class ProfileListView {
public:
    virtual ~ProfileListView() = default;
    virtual void showLines(const QStringList& lines, int selected) = 0;
};

// The profile manager without a screen: the profile list, Import, Export,
// renames, and the commands of its menu. Import replaces the model's image
// and assignment table; the main window shows the result when the dialog
// has closed.
class ProfileDialogController : public DialogController {
    Q_DECLARE_TR_FUNCTIONS(ProfileManager)

public:
    // Commands of the profile menu.
    enum MenuCommand : int {
        kMenuNew = 32785,
        kMenuSave = 32786, // Export
        kMenuOpen = 32787, // Import
        kMenuDelete = 32788,
        kMenuCopy = 32817,
    };

    ProfileDialogController(ConfiguratorModel& model, ProfileStore& store, SkinPainter& painter,
                            UiLanguage language, FilePicker& files, DialogHost& host);
    void setListView(ProfileListView* view) { list_ = view; }

    // Lists the profile folder; called when the dialog opens.
    void open();
    const QStringList& lines() const { return lines_; }
    int selected() const { return selected_; }
    // The user selected a line of the list (-1 for none).
    void select(int line) { selected_ = line >= 0 && line < lines_.size() ? line : -1; }

    void importProfile();
    void exportProfile();
    // The list's editor renamed line `oldIndex` to `name`.
    void renamed(int oldIndex, const QString& name);
    // Whether `name` may name a profile; tells the user why not.
    bool acceptName(const QString& name);
    void command(int id);
    void newProfile();
    void copyProfile();
    void deleteProfile();

    // DialogController
    QSize size() override;
    void compose(QPainter& p) override;
    bool dragsFrom(int x, int y) const override;
    void release(int x, int y) override;
    AccessRegions accessRegions() const override;

    static const QString& skinFolderName();

private:
    void relist();
    // The folder keeps the one profile `name` after an import or export.
    void adoptChosenFile(const std::filesystem::path& chosen);
    void replaceProfile(const QString& name, const std::optional<std::filesystem::path>& keep);
    bool report(const Status& s);
    QString caption() const;
    static QString deleteCaption();

    ConfiguratorModel& model_;
    ProfileStore& store_;
    SkinPainter& painter_;
    UiLanguage language_;
    FilePicker& files_;
    DialogHost& host_;
    ProfileListView* list_ = nullptr;
    QStringList lines_;                 // sorted as the list shows them
    std::vector<ProfileEntry> entries_; // entry i is line i's file
    int selected_ = -1;
};

} // namespace vantrel::ui
