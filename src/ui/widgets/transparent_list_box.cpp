// SPDX-License-Identifier: MIT
#include "ui/widgets/transparent_list_box.h"

#include "ui/skin/skin_painter.h"
#include "ui/widgets/edit_helper.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <algorithm>

namespace vantrel::ui {
namespace {

const QColor kSelected(0, 255, 255);
constexpr int kShadowOffset = 2;
constexpr int kPictureFromRight = 20; // the picture's left edge, from the line's right
const QString kMsSuffix = QStringLiteral(" ms");

class LineDelegate : public QStyledItemDelegate {
public:
    explicit LineDelegate(CTransparentListBox* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QString text = index.data(Qt::DisplayRole).toString();
        QString shown = text;
        const QIcon* picture = list_->wordPicture(text, &shown);
        const QRect r = option.rect;
        p->save();
        p->setFont(option.font);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        p->setPen(Qt::black);
        p->drawText(r.translated(kShadowOffset, kShadowOffset), flags, shown);
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        p->setPen(selected ? kSelected : QColor(Qt::white));
        p->drawText(r, flags, shown);
        const QSize size = list_->wordPictureSize();
        if (picture && !picture->isNull() && size.isValid()) {
            const int y = r.top() + (r.height() - size.height()) / 2;
            picture->paint(p, QRect(QPoint(r.right() + 1 - kPictureFromRight, y), size));
        }
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize s = QStyledItemDelegate::sizeHint(option, index);
        return {s.width(), QFontMetrics(option.font).height() + 4};
    }

private:
    CTransparentListBox* list_;
};

} // namespace

CTransparentListBox::CTransparentListBox(QWidget* parent) : QListWidget(parent) {
    // The dialog's face shows through: no frame, no background, no
    // highlight bar (the selected line is told by its colour).
    setFrameShape(QFrame::NoFrame);
    setAttribute(Qt::WA_TranslucentBackground);
    viewport()->setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("QListWidget { background: transparent; border: none; }"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new LineDelegate(this));
    setFontPixelSize(16);
}

void CTransparentListBox::setFontPixelSize(int pixels) {
    setFont(SkinPainter::boldFont(pixels));
}

bool CTransparentListBox::lineLess(const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

int CTransparentListBox::addLine(const QString& text) {
    int at = count();
    if (sorted_) {
        at = 0;
        while (at < count() && !lineLess(text, item(at)->text())) {
            ++at;
        }
    }
    insertItem(at, text);
    return at;
}

void CTransparentListBox::setLines(const QStringList& lines, int selected) {
    if (editing()) {
        cancelEdit();
    }
    clear();
    for (const QString& l : lines) {
        addItem(l); // the owner hands them in order
    }
    setCurrentRow(selected >= 0 && selected < count() ? selected : -1);
    if (selected < 0) {
        clearSelection();
    }
}

QStringList CTransparentListBox::lines() const {
    QStringList out;
    for (int i = 0; i < count(); ++i) {
        out << item(i)->text();
    }
    return out;
}

void CTransparentListBox::setWordPictures(QIcon down, QIcon up, QIcon ms, QSize size) {
    down_ = std::move(down);
    up_ = std::move(up);
    ms_ = std::move(ms);
    wordSize_ = size;
}

const QIcon* CTransparentListBox::wordPicture(const QString& text, QString* shown) const {
    if (editMode_ != kEditDelay) {
        return nullptr;
    }
    for (const auto& [word, picture] :
         {std::pair{QStringLiteral("dn"), &down_}, std::pair{QStringLiteral("up"), &up_},
          std::pair{QStringLiteral("ms"), &ms_}}) {
        const qsizetype at = text.lastIndexOf(word);
        if (at >= 0) {
            if (shown) {
                *shown = QString(text).remove(at, word.size()).trimmed();
            }
            return picture;
        }
    }
    return nullptr;
}

bool CTransparentListBox::beginEdit(int line) {
    if (editing() || line < 0 || line >= count() || editMode_ == kNoEdit) {
        return false;
    }
    const QString text = item(line)->text();
    if (editMode_ == kEditDelay &&
        (text.contains(QStringLiteral("dn")) || text.contains(QStringLiteral("up")))) {
        return false; // only delay lines take a new value
    }
    editedLine_ = line;
    emit editStarted(line);
    if (!editor_) {
        editor_ = new CEditHelper(viewport());
        connect(editor_, &CEditHelper::done, this,
                [this](bool commit) { commit ? commitEdit() : cancelEdit(); });
    }
    editor_->setFont(font());
    if (editMode_ == kEditDelay) {
        editor_->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), editor_));
        editor_->setText(QString(text).remove(kMsSuffix).trimmed());
    } else {
        editor_->setValidator(nullptr);
        editor_->setText(text);
    }
    editor_->setGeometry(visualItemRect(item(line)).adjusted(0, -1, 0, 1));
    editor_->selectAll();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
    return true;
}

void CTransparentListBox::closeEditor() {
    editedLine_ = -1;
    if (editor_) {
        editor_->hide();
    }
    setFocus(Qt::OtherFocusReason);
}

void CTransparentListBox::cancelEdit() {
    if (editing()) {
        closeEditor();
    }
}

void CTransparentListBox::commitEdit() {
    if (!editing()) {
        return;
    }
    const QString text = editor_->text();
    if (editMode_ == kEditDelay) {
        commitDelay(text);
    } else {
        commitRename(text);
    }
}

void CTransparentListBox::commitDelay(const QString& text) {
    const int line = editedLine_;
    closeEditor();
    bool ok = false;
    const qlonglong typed = text.toLongLong(&ok);
    // Digits only, so a failed read is an empty field or a huge number.
    const int value = !ok ? (text.isEmpty() ? kMinDelay : kMaxDelay)
                          : static_cast<int>(std::clamp<qlonglong>(typed, kMinDelay, kMaxDelay));
    emit editCommitted(line, value);
    const QString newText = QString::number(value) + kMsSuffix;
    if (line < count() && item(line)->text() != newText) {
        item(line)->setText(newText);
    }
    if (line < count()) {
        setCurrentRow(line);
    }
}

void CTransparentListBox::commitRename(const QString& text) {
    const int line = editedLine_;
    closeEditor();
    if (line >= count() || text.isEmpty() || text == item(line)->text()) {
        return;
    }
    if (check_ && !check_(text)) {
        return; // refused: the old name stays
    }
    delete takeItem(line);
    const int at = sorted_ ? addLine(text) : (insertItem(line, text), line);
    setCurrentRow(at);
    emit editCommitted(line, at);
}

void CTransparentListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    QListWidgetItem* hit = itemAt(event->position().toPoint());
    if (!hit) {
        return;
    }
    const int line = row(hit);
    if (editMode_ == kEditDelay) {
        // Only the selected line opens, and only from inside it.
        if (line != currentRow() || !hit->isSelected()) {
            return;
        }
    } else {
        setCurrentRow(line);
    }
    beginEdit(line);
}

void CTransparentListBox::wheelEvent(QWheelEvent* event) {
    if (editing()) {
        commitEdit();
    }
    QListWidget::wheelEvent(event);
}

} // namespace vantrel::ui
