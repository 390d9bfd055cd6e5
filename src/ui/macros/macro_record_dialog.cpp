// SPDX-License-Identifier: MIT
#include "ui/macros/macro_record_dialog.h"

#include "core/layout/macro_dialog_layout.h"
#include "ui/macros/macro_menu.h"
#include "ui/skin/menu_style.h"
#include "ui/skin/skin_painter.h"
#include "ui/widgets/transparent_list_box.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QScrollBar>

namespace vantrel::ui {
namespace {

namespace md = vantrel::layout::macro_dialog;

constexpr int kNameTimerMs = 100;

// The field and the scroll bars in the skin's colours, so nothing light
// stands out on the dark face.
const QString kLoopStyle =
    QStringLiteral("QLineEdit { color: white; background: #14161B; border: 1px solid #343946;"
                   " padding: 0px 2px; } QLineEdit:disabled { color: #5A606C; }");
const QString kListStyle = QStringLiteral(
    "QScrollBar:vertical { background: #1C1F26; width: 8px; margin: 0; }"
    " QScrollBar::handle:vertical { background: #343946; min-height: 20px; border-radius: 3px; }"
    " QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    " QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");

void place(QWidget* w, const layout::Region& r) {
    w->setGeometry(r.left, r.top, r.width(), r.height());
}

} // namespace

CMacroRecordDlg::CMacroRecordDlg(const KeyNameTable& names, MonotonicClock clock,
                                 SkinPainter& painter, UiLanguage language, KeyHook& hook,
                                 QWidget* parent)
    : SkinnedDialog(parent), language_(language),
      controller_(names, std::move(clock), painter, language, hook, *this) {
    setWindowTitle(QCoreApplication::translate("MacroManager", "Macro manager", "window title"));
    macroList_ = new CTransparentListBox(this);
    place(macroList_, md::kMacroList);
    macroList_->setFontPixelSize(md::kListFontPixels);
    macroList_->setAccessibleName(QCoreApplication::translate("MacroManager", "Macros"));
    macroList_->setEditMode(CTransparentListBox::kEditRename);
    macroList_->setRenameCheck([this](const QString& n) {
        // An accepted name is put in by taking the line out and back in;
        // the selection changes that makes are no choice of the user's.
        renaming_ = controller_.acceptName(n);
        return renaming_;
    });

    eventList_ = new CTransparentListBox(this);
    place(eventList_, md::kEventList);
    eventList_->setFontPixelSize(md::kListFontPixels);
    eventList_->setAccessibleName(QCoreApplication::translate("MacroManager", "Key events"));
    eventList_->setEditMode(CTransparentListBox::kEditDelay);
    const SkinFolder folder = SkinFolder::of(language, MacroDialogController::skinFolderName());
    SkinStore& skins = painter.store();
    eventList_->setWordPictures(skins.icon(folder, QStringLiteral("word-dn.png")),
                                skins.icon(folder, QStringLiteral("word-up.png")),
                                skins.icon(folder, QStringLiteral("word-ms.png")),
                                skins.size(folder, QStringLiteral("word-dn.png")));
    eventList_->setContextMenuPolicy(Qt::CustomContextMenu);
    for (CTransparentListBox* list : {macroList_, eventList_}) {
        list->verticalScrollBar()->setStyleSheet(kListStyle);
    }

    loopEdit_ = new QLineEdit(this);
    place(loopEdit_, md::kLoopEdit);
    loopEdit_->setMaxLength(md::kLoopDigits);
    loopEdit_->setAccessibleName(QCoreApplication::translate("MacroManager", "Loop"));
    loopEdit_->setStyleSheet(kLoopStyle);
    loopEdit_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,3}")), loopEdit_));

    connect(macroList_, &CTransparentListBox::currentRowChanged, this, [this](int row) {
        if (!renaming_) {
            controller_.selectMacro(row);
        }
    });
    connect(macroList_, &CTransparentListBox::editStarted, this,
            [this](int) { controller_.editStarted(); });
    connect(macroList_, &CTransparentListBox::editCommitted, this,
            [this](int oldIndex, int newIndex) {
                renaming_ = false;
                controller_.renamed(oldIndex, macroList_->item(newIndex)->text());
            });
    connect(eventList_, &CTransparentListBox::currentRowChanged, this,
            [this](int row) { controller_.selectEventLine(row); });
    connect(eventList_, &CTransparentListBox::editStarted, this,
            [this](int) { controller_.editStarted(); });
    connect(eventList_, &CTransparentListBox::editCommitted, this, [this](int line, int value) {
        controller_.delayCommitted(line, value);
        // The list writes its own line after this signal; the lines from
        // the streams come once it has.
        QMetaObject::invokeMethod(
            this, [this] { controller_.showEvents(); }, Qt::QueuedConnection);
    });
    connect(eventList_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = buildEventMenu();
        menu->exec(eventList_->mapToGlobal(at));
        menu->deleteLater();
    });
    connect(loopEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { controller_.loopTextChanged(text); });

    names_.setInterval(kNameTimerMs);
    connect(&names_, &QTimer::timeout, this, [this] { controller_.tick(); });

    controller_.setWidgets(this);
    controller_.setWindow(this);
    setController(&controller_);
}

CMacroRecordDlg::~CMacroRecordDlg() {
    controller_.closing();
}

void CMacroRecordDlg::start(const MacroTable& master) {
    controller_.open(master);
    names_.start();
}

bool CMacroRecordDlg::run(const MacroTable& master) {
    start(master);
    return runModal();
}

void CMacroRecordDlg::done(int result) {
    // However the window ends (buttons, close box, the window system), the
    // hook and the timer end with it.
    names_.stop();
    controller_.closing();
    SkinnedDialog::done(result);
}

void CMacroRecordDlg::showMacros(const QStringList& names, int selected) {
    const QSignalBlocker quiet(macroList_);
    macroList_->setLines(names, selected);
}

void CMacroRecordDlg::showEvents(const QStringList& lines, int selected) {
    const QSignalBlocker quiet(eventList_);
    eventList_->setLines(lines, selected);
    if (selected >= 0) {
        eventList_->scrollToItem(eventList_->item(selected));
    }
}

void CMacroRecordDlg::showLoop(const QString& text, bool enabled) {
    const QSignalBlocker quiet(loopEdit_);
    if (loopEdit_->text() != text) {
        loopEdit_->setText(text);
    }
    loopEdit_->setEnabled(enabled);
}

void CMacroRecordDlg::addItems(QMenu& menu, const std::vector<MacroMenuItem>& items) {
    for (const MacroMenuItem& item : items) {
        if (!item.items.empty()) {
            addItems(*menu.addMenu(item.text), item.items);
            continue;
        }
        QAction* a = menu.addAction(item.text);
        a->setData(item.command);
        connect(a, &QAction::triggered, this,
                [this, id = item.command] { controller_.command(id); });
    }
}

QMenu* CMacroRecordDlg::buildEventMenu() {
    auto* menu = new QMenu(this);
    menu->setStyleSheet(skinnedMenuStyle()); // the submenus are its children
    addItems(*menu, macroEventMenu(language_));
    return menu;
}

} // namespace vantrel::ui
