// SPDX-License-Identifier: MIT
#include "ui/profiles/configure_dialog.h"

#include "core/layout/profile_dialog_layout.h"
#include "ui/widgets/transparent_list_box.h"

#include <QCoreApplication>
#include <QMenu>

namespace vantrel::ui {
namespace {

namespace pd = vantrel::layout::profile_dialog;

} // namespace

CConfigureDlg::CConfigureDlg(ConfiguratorModel& model, ProfileStore& store, SkinPainter& painter,
                             UiLanguage language, FilePicker& files, QWidget* parent)
    : SkinnedDialog(parent), controller_(model, store, painter, language, files, *this) {
    setWindowTitle(QCoreApplication::translate("ProfileManager", "Profiles"));
    list_ = new CTransparentListBox(this);
    list_->setGeometry(pd::kList.left, pd::kList.top, pd::kList.width(), pd::kList.height());
    list_->setFontPixelSize(pd::kListFontPixels);
    list_->setAccessibleName(QCoreApplication::translate("ProfileManager", "Profiles"));
    list_->setEditMode(CTransparentListBox::kEditRename);
    list_->setSortedLines(true);
    list_->setRenameCheck([this](const QString& name) { return controller_.acceptName(name); });
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &CTransparentListBox::currentRowChanged, this,
            [this](int row) { controller_.select(row); });
    connect(list_, &CTransparentListBox::editCommitted, this, [this](int oldIndex, int newIndex) {
        controller_.renamed(oldIndex, list_->item(newIndex)->text());
    });
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showMenu(list_->mapToGlobal(at)); });
    controller_.setListView(this);
    setController(&controller_);
}

bool CConfigureDlg::run() {
    controller_.open();
    return runModal();
}

void CConfigureDlg::showLines(const QStringList& lines, int selected) {
    const QSignalBlocker quiet(list_);
    list_->setLines(lines, selected);
}

void CConfigureDlg::showMenu(const QPoint& at) {
    QMenu menu(this);
    const std::pair<const char*, int> items[] = {
        {"New", ProfileDialogController::kMenuNew},
        {"Copy", ProfileDialogController::kMenuCopy},
        {"Save", ProfileDialogController::kMenuSave},
        {"Open", ProfileDialogController::kMenuOpen},
        {"Delete", ProfileDialogController::kMenuDelete},
    };
    for (const auto& [text, id] : items) {
        menu.addAction(QString::fromLatin1(text), this,
                       [this, id = id] { controller_.command(id); });
    }
    menu.exec(at);
}

} // namespace vantrel::ui
