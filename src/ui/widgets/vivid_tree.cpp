// SPDX-License-Identifier: MIT
#include "ui/widgets/vivid_tree.h"

#include <QHeaderView>
#include <QLinearGradient>
#include <QPainter>

namespace vantrel::ui {

VividTree::VividTree(QWidget* parent)
    : QTreeWidget(parent), top_(0x2A, 0x2E, 0x37), bottom_(0x0E, 0x10, 0x14) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setIconSize(QSize(16, 16));
    // The gradient is the background; rows draw only their text.
    viewport()->setAutoFillBackground(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Text, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::white);
    // A shade of the accent deep enough that the white text of the chosen
    // line reads on it, the style's lighter selection edge included.
    pal.setColor(QPalette::Highlight, QColor(0xB3, 0x1D, 0x2E));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(pal);
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(13);
    setFont(f);
}

void VividTree::setGradient(const QColor& top, const QColor& bottom) {
    top_ = top;
    bottom_ = bottom;
    viewport()->update();
}

QTreeWidgetItem* VividTree::addItem(const QString& text, QTreeWidgetItem* parent) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    if (!icon_.isNull()) {
        item->setIcon(0, icon_);
    }
    return item;
}

void VividTree::selectItem(QTreeWidgetItem* item) {
    if (!item) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    // A root item opens itself, an item in a group its group.
    for (QTreeWidgetItem* up = item->parent() ? item->parent() : item; up; up = up->parent()) {
        up->setExpanded(true);
    }
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item);
}

void VividTree::paintEvent(QPaintEvent* event) {
    {
        QPainter p(viewport());
        QLinearGradient g(0, 0, 0, viewport()->height());
        g.setColorAt(0, top_);
        g.setColorAt(1, bottom_);
        p.fillRect(viewport()->rect(), g);
    }
    QTreeWidget::paintEvent(event);
}

} // namespace vantrel::ui
