// SPDX-License-Identifier: MIT
#include "ui/profiles/programs_dialog.h"

#include "core/layout/programs_dialog_layout.h"
#include "ui/widgets/transparent_list_box.h"

#include <QMenu>

namespace vantrel::ui {
namespace {

namespace pg = vantrel::layout::programs_dialog;

// The dialog answers its own questions: the chooser is the dialog itself.
ProgramsDialogController::Ports withChooser(ProgramsDialogController::Ports ports,
                                            ChoicePrompt* chooser) {
    ports.chooser = chooser;
    return ports;
}

} // namespace

CProgramsDlg::CProgramsDlg(std::filesystem::path profileFolder, std::filesystem::path bindingsFile,
                           SkinPainter& painter, UiLanguage language,
                           ProgramsDialogController::Ports ports, QWidget* parent)
    : SkinnedDialog(parent), controller_(std::move(profileFolder), std::move(bindingsFile), painter,
                                         language, withChooser(std::move(ports), this), *this) {
    setWindowTitle(QCoreApplication::translate("ProgramsDialog", "Programs"));
    list_ = new CTransparentListBox(this);
    list_->setGeometry(pg::kList.left, pg::kList.top, pg::kList.width(), pg::kList.height());
    list_->setFontPixelSize(pg::kListFontPixels);
    list_->setAccessibleName(QCoreApplication::translate("ProgramsDialog", "Bound programs"));
    list_->setEditMode(CTransparentListBox::kNoEdit);
    connect(list_, &CTransparentListBox::currentRowChanged, this, [this](int row) {
        controller_.select(row);
        repaint();
    });
    controller_.setListView(this);
    setController(&controller_);
}

void CProgramsDlg::run(const QString& profile) {
    controller_.open(profile);
    runModal();
}

void CProgramsDlg::showLines(const QStringList& lines, int selected) {
    const QSignalBlocker quiet(list_);
    list_->setLines(lines, selected);
}

std::optional<int> CProgramsDlg::choose(const QString& caption, const QStringList& lines) {
    QMenu menu(this);
    menu.setTitle(caption);
    menu.setAccessibleName(caption);
    for (int i = 0; i < lines.size(); ++i) {
        menu.addAction(lines[i])->setData(i);
    }
    // Under the button that asked, where the pointer or the keyboard is.
    const layout::Region& button = pg::kRegions[pg::kAddWindow];
    const QAction* chosen = menu.exec(mapToGlobal(QPoint(button.left, button.bottom + 1)));
    if (chosen == nullptr) {
        return std::nullopt;
    }
    return chosen->data().toInt();
}

} // namespace vantrel::ui
