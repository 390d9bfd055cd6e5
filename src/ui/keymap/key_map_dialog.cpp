// SPDX-License-Identifier: MIT
#include "ui/keymap/key_map_dialog.h"

#include "core/layout/key_map_layout.h"
#include "ui/skin/interface_text.h"
#include "ui/skin/menu_style.h"
#include "ui/skin/region_rect.h"
#include "ui/skin/skin_painter.h"
#include "ui/widgets/transparent_list_box.h"
#include "ui/widgets/vivid_tree.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyle>

namespace vantrel::ui {
namespace {

namespace km = vantrel::layout::key_map;

constexpr int kFieldFontPixels = 12;
constexpr int kListFontPixels = 14;

// White on black, as every key field; the field that takes the keys is
// told by its accent edge.
const QString kFieldStyle =
    QStringLiteral("QLineEdit { color: white; background: black; border: 1px solid #2A2E37;"
                   " padding: 0px 3px; font: %1px 'Arial'; }"
                   "QLineEdit[capturing=\"true\"] { border-color: #E0243A; }");

void showCapturing(QLineEdit* field, bool on) {
    if (field->property("capturing").toBool() == on) {
        return;
    }
    field->setProperty("capturing", on);
    field->style()->unpolish(field);
    field->style()->polish(field);
}

} // namespace

CKeyMap::CKeyMap(ConfiguratorModel& model, PendingAssignment& pending, SkinPainter& painter,
                 UiLanguage language, FilePicker& files, KeyHook& hook, QWidget* parent)
    : SkinnedDialog(parent), hook_(hook),
      controller_(model, pending, painter, language, files, *this, *this) {
    const std::array<const layout::Region*, 2> places{&km::kSingleField, &km::kComboField};
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        auto* field = new QLineEdit(this);
        field->setGeometry(toQRect(*places[f]));
        // The field shows what the capture took; typing means nothing.
        field->setReadOnly(true);
        field->setStyleSheet(kFieldStyle.arg(kFieldFontPixels));
        field->installEventFilter(this);
        fields_[f] = field;
    }
    // Screen readers name the fields by the labels painted above them.
    fields_[kSingleField]->setAccessibleName(QCoreApplication::translate("KeyMap", "Single key"));
    fields_[kComboField]->setAccessibleName(
        QCoreApplication::translate("KeyMap", "Key combination"));
    fields_[kSingleField]->setContextMenuPolicy(Qt::NoContextMenu);
    fields_[kComboField]->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(fields_[kComboField], &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showComboMenu(fields_[kComboField]->mapToGlobal(at)); });

    list_ = new CTransparentListBox(this);
    list_->setGeometry(toQRect(km::kMacroList));
    list_->setFontPixelSize(kListFontPixels);
    list_->setAccessibleName(QCoreApplication::translate("KeyMap", "Macro"));
    connect(list_, &CTransparentListBox::currentRowChanged, this,
            [this](int row) { controller_.macroSelected(row); });

    tree_ = new VividTree(this);
    tree_->setGeometry(toQRect(km::kTree));
    tree_->setAccessibleName(QCoreApplication::translate("KeyMap", "Basic"));
    buildTree(language, painter);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const auto it = std::find(rows_.begin(), rows_.end(), item);
        controller_.functionSelected(it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin()));
    });

    setController(&controller_);
}

CKeyMap::~CKeyMap() {
    removeHook();
}

void CKeyMap::buildTree(UiLanguage, SkinPainter& painter) {
    const QIcon icon =
        painter.store().icon(controller_.skinFolder(), QStringLiteral("tree_item.png"));
    if (!icon.isNull()) {
        tree_->setItemIcon(icon);
    }
    QTreeWidgetItem* group = nullptr;
    for (const BasicFunction& f : BasicFunctionTable()) {
        QTreeWidgetItem* item =
            tree_->addItem(QCoreApplication::translate(kBasicFunctionContext, f.englishName),
                           f.inGroup ? group : nullptr);
        if (f.groupHeader) {
            group = item;
        }
        rows_.push_back(item);
    }
}

QTreeWidgetItem* CKeyMap::treeItem(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)]
                                                            : nullptr;
}

void CKeyMap::prepare(int key) {
    removeHook();
    armed_ = true;
    controller_.open(key);
    setWindowTitle(controller_.title());
}

bool CKeyMap::run(int key) {
    prepare(key);
    return runModal();
}

void CKeyMap::showEvent(QShowEvent* event) {
    SkinnedDialog::showEvent(event);
    updateCapture();
}

void CKeyMap::done(int result) {
    removeHook();
    SkinnedDialog::done(result);
}

int CKeyMap::focusedField() const {
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        if (fields_[f]->hasFocus()) {
            return static_cast<int>(f);
        }
    }
    return -1;
}

void CKeyMap::updateCapture() {
    const int field = focusedField();
    const bool wanted = armed_ && suspended_ == 0 && isVisible() && field >= 0;
    if (wanted) {
        installHook();
    } else if (hookInstalled_) {
        hook_.removehook();
        hookInstalled_ = false;
        controller_.setHookInstalled(false);
    }
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        showCapturing(fields_[f], hookInstalled_ && static_cast<int>(f) == field);
    }
}

void CKeyMap::installHook() {
    if (hookInstalled_) {
        return;
    }
    hookInstalled_ = hook_.installhook(this, KeyHook::kKeystrokes,
                                       [this](MacroEventRecorded e) { captured(e.virtualKey); });
    controller_.setHookInstalled(hookInstalled_);
}

void CKeyMap::captured(std::uint8_t virtualKey) {
    const KeyMapController::CaptureEnd end = controller_.keyCaptured(virtualKey);
    if (end == KeyMapController::CaptureEnd::None) {
        return;
    }
    armed_ = false;
    updateCapture();
    if (end == KeyMapController::CaptureEnd::Next) {
        focusNextPrevChild(true);
    } else {
        showKeyboardOn(QApplication::focusWidget());
    }
}

void CKeyMap::removeHook() {
    if (hookInstalled_) {
        hook_.removehook();
        hookInstalled_ = false;
    }
    suspended_ = 0;
    controller_.setHookInstalled(false);
}

void CKeyMap::suspendCapture() {
    ++suspended_;
    updateCapture();
}

void CKeyMap::resumeCapture() {
    if (suspended_ > 0) {
        --suspended_;
    }
    updateCapture();
}

void CKeyMap::fieldFocusIn(std::size_t f, Qt::FocusReason reason) {
    // Arriving by Tab passes through a field and leaves its keys alone;
    // a click, or the dialog putting the focus there, means keys follow.
    if (movingByKeys()) {
        armed_ = false;
    } else if (reason == Qt::MouseFocusReason || reason == Qt::OtherFocusReason) {
        armed_ = true;
    }
    if (armed_) {
        controller_.fieldFocused(static_cast<Field>(f));
    }
    updateCapture();
    QLineEdit* field = fields_[f];
    // The keys are shown, not picked for editing: no selection, the caret
    // at the end (after the field's own focus handling).
    QMetaObject::invokeMethod(
        field,
        [field] {
            field->deselect();
            field->setCursorPosition(static_cast<int>(field->text().size()));
        },
        Qt::QueuedConnection);
}

bool CKeyMap::fieldKey(std::size_t f, const QKeyEvent& key) {
    if (key.key() != Qt::Key_Space && key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) {
        return false;
    }
    startCapture(f);
    return true;
}

void CKeyMap::startCapture(std::size_t f) {
    if (armed_ && hookInstalled_) {
        return;
    }
    armed_ = true;
    controller_.fieldFocused(static_cast<Field>(f));
    updateCapture();
}

bool CKeyMap::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    for (std::size_t f = 0; f < fields_.size(); ++f) {
        if (watched != fields_[f]) {
            continue;
        }
        if (type == QEvent::FocusIn) {
            fieldFocusIn(f, static_cast<QFocusEvent*>(event)->reason());
        } else if (type == QEvent::FocusOut) {
            updateCapture();
        } else if (type == QEvent::KeyPress && fieldKey(f, *static_cast<QKeyEvent*>(event))) {
            return true;
        } else if (type == QEvent::MouseButtonPress && fields_[f]->hasFocus()) {
            startCapture(f); // a field that has the focus gets no FocusIn
        }
    }
    return SkinnedDialog::eventFilter(watched, event);
}

void CKeyMap::showComboMenu(const QPoint& at) {
    QMenu menu(this);
    menu.setStyleSheet(skinnedMenuStyle());
    menu.addAction(QCoreApplication::translate("KeyMap", "Delete All"), this,
                   [this] { command(kDeleteAll); });
    // The menu takes the keyboard while it is open.
    suspendCapture();
    menu.exec(at);
    resumeCapture();
}

void CKeyMap::command(int id) {
    if (id == kDeleteAll) {
        controller_.deleteAll();
    }
}

// --- KeyMapView ----------------------------------------------------------------

void CKeyMap::showTab(int tab) {
    const std::array<std::pair<QWidget*, bool>, 4> controls{{
        {fields_[kSingleField], tab == 0},
        {fields_[kComboField], tab == 0},
        {list_, tab == 1},
        {tree_, tab == 2},
    }};
    // Shown first, so the focus never falls into a control of another tab.
    for (const auto& [w, on] : controls) {
        if (on) {
            w->show();
        }
    }
    for (const auto& [w, on] : controls) {
        if (!on) {
            w->hide();
        }
    }
}

void CKeyMap::setFieldText(Field field, const QString& text) {
    QLineEdit* f = fields_[static_cast<std::size_t>(field)];
    f->setText(text);
    f->setCursorPosition(static_cast<int>(text.size()));
}

void CKeyMap::focusField(Field field) {
    fields_[static_cast<std::size_t>(field)]->setFocus(Qt::OtherFocusReason);
}

void CKeyMap::setMacroLines(const QStringList& lines) {
    const QSignalBlocker quiet(list_);
    list_->setLines(lines, -1);
}

void CKeyMap::selectMacroLine(int line) {
    {
        const QSignalBlocker quiet(list_);
        list_->setCurrentRow(line);
    }
    list_->setFocus(Qt::OtherFocusReason);
}

void CKeyMap::selectFunction(int row) {
    const QSignalBlocker quiet(tree_);
    tree_->selectItem(treeItem(row));
}

} // namespace vantrel::ui
