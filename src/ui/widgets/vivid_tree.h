// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QTreeWidget>

namespace vantrel::ui {

// The skinned tree: text items in levels on a vertical gradient, white text,
// one selected item in the accent colour, groups that open and close.
class VividTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit VividTree(QWidget* parent = nullptr);

    void setGradient(const QColor& top, const QColor& bottom);
    // The icon every item shows.
    void setItemIcon(const QIcon& icon) { icon_ = icon; }
    // Appends an item at the end of its level (under `parent`, or at the root).
    QTreeWidgetItem* addItem(const QString& text, QTreeWidgetItem* parent = nullptr);
    // Selects `item` (none for nullptr) and opens the groups above it.
    void selectItem(QTreeWidgetItem* item);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor top_;
    QColor bottom_;
    QIcon icon_;
};

} // namespace vantrel::ui
