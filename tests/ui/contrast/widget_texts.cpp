// SPDX-License-Identifier: MIT
#include "widget_texts.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cmath>
#include <functional>
#include <optional>

namespace vantrel::ui::testing {
namespace {

QImage grabbed(QWidget& dialog) {
    return dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The text as the widget drew it: the pixels that differ from the bare
// face inside `area` (logical), and among them the one that stands out
// most from what lies behind it, which is a pixel of full ink.
std::optional<DrawnLabel> inkOf(const QString& text, const QRect& area, const QImage& picture,
                                const QImage& bare) {
    const qreal s = picture.devicePixelRatio();
    const QRect pixels = QRect(area.topLeft() * s, area.size() * s).intersected(picture.rect());
    QRect ink;
    double strongest = -1;
    QColor colour;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QRgb drawn = picture.pixel(x, y);
            const QRgb under = bare.pixel(x, y);
            if (drawn == under) {
                continue;
            }
            ink |= QRect(static_cast<int>(x / s), static_cast<int>(y / s), 1, 1);
            const double apart =
                std::abs(relativeLuminance(QColor(drawn)) - relativeLuminance(QColor(under)));
            if (apart > strongest) {
                strongest = apart;
                colour = QColor(drawn);
            }
        }
    }
    if (ink.isEmpty()) {
        return std::nullopt;
    }
    return DrawnLabel{text, ink, ink, colour};
}

// Measures one text: `blank` takes it away, `restore` puts it back.
void measure(QWidget& dialog, const QString& what, const QString& text, const QRect& area,
             const std::function<void()>& blank, const std::function<void()>& restore,
             std::vector<WidgetText>& out) {
    if (text.isEmpty()) {
        return;
    }
    const QImage picture = grabbed(dialog);
    blank();
    const QImage bare = grabbed(dialog);
    restore();
    if (const auto label = inkOf(text, area, picture, bare)) {
        out.push_back({what, text, label->ink, measureLabel(*label, picture, bare)});
    }
}

QRect inDialog(QWidget& dialog, QWidget* widget, const QRect& r) {
    return QRect(widget->mapTo(&dialog, r.topLeft()), r.size());
}

void listLines(QWidget& dialog, QListWidget* list, std::vector<WidgetText>& out) {
    const QSignalBlocker quiet(list);
    const QSignalBlocker quietSelection(list->selectionModel());
    const auto lines = [&](const QString& state) {
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            const QString text = item->text();
            const QRect area = inDialog(dialog, list->viewport(), list->visualItemRect(item));
            measure(
                dialog, QStringLiteral("list line") + state, text, area,
                [&] { item->setText(QString()); }, [&] { item->setText(text); }, out);
        }
    };
    lines(QString());
    if (list->count() > 0 && !list->item(0)->isSelected()) {
        const int was = list->currentRow();
        list->setCurrentRow(0);
        QListWidgetItem* first = list->item(0);
        const QString text = first->text();
        measure(
            dialog, QStringLiteral("list line, chosen"), text,
            inDialog(dialog, list->viewport(), list->visualItemRect(first)),
            [&] { first->setText(QString()); }, [&] { first->setText(text); }, out);
        list->setCurrentRow(was);
    }
}

void treeLines(QWidget& dialog, QTreeWidget* tree, std::vector<WidgetText>& out) {
    const QSignalBlocker quiet(tree);
    const QSignalBlocker quietSelection(tree->selectionModel());
    const auto line = [&](QTreeWidgetItem* item, const QString& what) {
        const QString text = item->text(0);
        const QRect area = inDialog(dialog, tree->viewport(), tree->visualItemRect(item));
        if (area.intersects(inDialog(dialog, tree->viewport(), tree->viewport()->rect()))) {
            measure(
                dialog, what, text, area, [&] { item->setText(0, QString()); },
                [&] { item->setText(0, text); }, out);
        }
    };
    for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::NotHidden); *it; ++it) {
        line(*it, QStringLiteral("tree line"));
    }
    if (QTreeWidgetItem* first = tree->topLevelItem(0); first && !first->isSelected()) {
        QTreeWidgetItem* was = tree->currentItem();
        tree->setCurrentItem(first);
        line(first, QStringLiteral("tree line, chosen"));
        tree->setCurrentItem(was);
        if (!was) {
            tree->clearSelection();
        }
    }
}

QString stateOf(const QWidget* w) {
    return w->isEnabled() ? QString() : QStringLiteral(", unavailable");
}

} // namespace

std::vector<WidgetText> widgetTexts(QWidget& dialog) {
    std::vector<WidgetText> out;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&dialog)) {
            continue;
        }
        const QRect area = inDialog(dialog, w, w->rect());
        if (auto* field = qobject_cast<QLineEdit*>(w)) {
            const QSignalBlocker quiet(field);
            const QString text = field->text();
            measure(
                dialog, QStringLiteral("field") + stateOf(w), text, area,
                [&] { field->setText(QString()); }, [&] { field->setText(text); }, out);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const QString text = button->text();
            measure(
                dialog, QStringLiteral("button") + stateOf(w), text, area,
                [&] { button->setText(QString()); }, [&] { button->setText(text); }, out);
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            listLines(dialog, list, out);
        } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            treeLines(dialog, tree, out);
        }
    }
    return out;
}

} // namespace vantrel::ui::testing
