// SPDX-License-Identifier: MIT
// The key assignment dialog ("Custom" folder): background with the title
// strip and the content panel, the tab faces, the close box, the disable box
// and row markers, the three buttons, the advanced rows' path boxes and
// browse buttons, and the tree's item icon. Every picture is sized and
// placed from the regions the dialog hit-tests.
#include "core/layout/key_map_layout.h"
#include "skin_canvas.h"

#include <QPainterPath>

namespace vantrel::skingen {
namespace {

using namespace palette;
namespace km = vantrel::layout::key_map;

constexpr int kTitleStrip = 22;
constexpr int kFooterRule = 340;

// The current tab's title is pure red (255, 0, 0), which reaches 4.5:1
// only on the very darkest faces, and the long titles run over the tabs'
// edges: the tabs are faces of the far background without an edge, on a
// strip darker still, so the gaps read as gaps.
const QColor kTabStripFace = kFar.darker(150);

QString inFolder(const char* name) {
    return QStringLiteral("Custom/") + QString::fromLatin1(name);
}

QImage background(qreal s) {
    QImage img = newImage(s, km::kWidth, km::kHeight, kFar);
    QPainter p(&img);
    prepare(p);
    // Title strip; the program writes the chosen key's name at its left.
    p.fillRect(QRect(0, 0, km::kWidth, kTitleStrip), kTitle);
    p.fillRect(QRect(0, kTitleStrip, km::kWidth, 1), kPanelBorder);
    p.fillRect(QRect(0, kTitleStrip, 110, 2), kAccent);
    // The tabs' faces are pictures of their own, on their strip.
    p.fillRect(rectOf(km::kTabStrip), kTabStripFace);
    // The panel every tab's contents sit on.
    drawPanel(p, rectOf(km::kContent));
    // The footer with the disable box and the buttons.
    p.fillRect(QRect(0, kFooterRule, km::kWidth, 1), kPanelBorder);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kPanelBorder);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, km::kWidth - 1, km::kHeight - 1);
    return img;
}

QImage tabFace(qreal s) {
    const auto& r = km::kButtonRegions[km::kTabKeys];
    QImage img = newImage(s, r.width(), r.height(), kTabStripFace);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kFar);
    p.drawRoundedRect(QRectF(1, 2, r.width() - 2, r.height() - 2), 4, 4);
    return img;
}

QImage optionStrip(qreal s) {
    const auto& r = km::kButtonRegions[km::kOptionStrip];
    QImage img = newImage(s, r.width(), r.height(), kTabStripFace);
    QPainter p(&img);
    p.fillRect(QRect(0, r.height() / 2, r.width(), 1), kPanelBorder);
    return img;
}

// The disable box and the advanced rows' markers: grey and empty, or lit
// with a tick, as the main window's switches.
QImage checkBox(qreal s, bool on) {
    const auto& r = km::kButtonRegions[km::kDisableBox];
    // Transparent around the corners: it sits on the footer and on the panel.
    QImage img = newImage(s, r.width(), r.height(), Qt::transparent);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(on ? kAccentHover : kDisabled, 1));
    p.setBrush(on ? kAccent : kFar);
    p.drawRoundedRect(QRectF(0.5, 0.5, r.width() - 1, r.height() - 1), 2.5, 2.5);
    if (on) {
        drawTick(p, QPolygonF({QPointF(2.5, 5), QPointF(4.5, 7), QPointF(8.5, 2.5)}), 1.5);
    }
    return img;
}

QImage pushButton(qreal s, const QColor& face, bool over) {
    const auto& r = km::kButtonRegions[km::kSave];
    QImage img = newImage(s, r.width(), r.height(), kFar);
    QPainter p(&img);
    prepare(p);
    drawButtonFace(p, QRectF(0, 0, r.width(), r.height()), over ? face.lighter(125) : face);
    if (over) {
        // The accent itself, not its lighter hover shade: a long label
        // that reaches the edge still reads white on it.
        p.setPen(QPen(kAccent, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(0.5, 0.5, r.width() - 1, r.height() - 1), 4, 4);
    }
    return img;
}

QImage pathBox(qreal s) {
    QImage img = newImage(s, km::kPathBoxWidth, km::kPathBoxHeight, kPanel);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(kPanelBorder.lighter(115), 1));
    p.setBrush(kFar.darker(120));
    p.drawRoundedRect(QRectF(0.5, 0.5, km::kPathBoxWidth - 1, km::kPathBoxHeight - 1), 4, 4);
    return img;
}

// The browse button: a folder glyph on a button face.
QImage browseButton(qreal s, bool over) {
    QImage img = newImage(s, km::kBrowseWidth, km::kBrowseHeight, kPanel);
    QPainter p(&img);
    prepare(p);
    const QRectF face(0, 0, km::kBrowseWidth, km::kBrowseHeight - 1);
    drawButtonFace(p, face, over ? kPanelBorder.lighter(150) : kPanelBorder.lighter(120));
    if (over) {
        p.setPen(QPen(kAccentHover, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    const qreal x = km::kBrowseWidth / 2.0 - 9;
    const qreal y = 7;
    QPainterPath folder;
    folder.moveTo(x, y + 2);
    folder.lineTo(x + 6, y + 2);
    folder.lineTo(x + 8, y + 4);
    folder.lineTo(x + 18, y + 4);
    folder.lineTo(x + 18, y + 12);
    folder.lineTo(x, y + 12);
    folder.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(over ? QColor(Qt::white) : kLabel);
    p.drawPath(folder);
    return img;
}

// The tree's item icon: a small key cap.
QImage treeIcon(qreal s) {
    QImage img = newImage(s, km::kTreeIconSize, km::kTreeIconSize, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(kCapEdge, 1));
    p.setBrush(kCapSide);
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 12), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(3.5, 3.5, 9, 8), 2, 2);
    return img;
}

const Registrar kKeyMap(QStringLiteral("keymap"), [](SkinSet& set, qreal s) {
    set.add(inFolder("Custom_BK.png"), background(s));
    const auto& close = km::kButtonRegions[km::kCloseBox];
    set.add(inFolder(km::kButtonImages[km::kCloseBox].normal),
            closeBoxImage(s, close, QColor(0x3A, 0x1A, 0x20)));
    set.add(inFolder(km::kButtonImages[km::kCloseBox].over), closeBoxImage(s, close, kAccent));
    set.add(inFolder(km::kButtonImages[km::kTabKeys].normal), tabFace(s));
    set.add(inFolder(km::kButtonImages[km::kOptionStrip].normal), optionStrip(s));
    set.add(inFolder(km::kButtonImages[km::kDisableBox].normal), checkBox(s, false));
    set.add(inFolder(km::kButtonImages[km::kDisableBox].over), checkBox(s, true));
    const QColor plain = kPanelBorder.lighter(125);
    set.add(inFolder(km::kButtonImages[km::kCancel].normal), pushButton(s, plain, false));
    set.add(inFolder(km::kButtonImages[km::kCancel].over), pushButton(s, plain, true));
    // White text needs the red no brighter than the accent: the button
    // lights up to the accent under the pointer, from a shade darker.
    const QColor save = kAccent.darker(125);
    set.add(inFolder(km::kButtonImages[km::kSave].normal), pushButton(s, save, false));
    set.add(inFolder(km::kButtonImages[km::kSave].over), pushButton(s, save, true));
    set.add(inFolder("Advanced.png"), pathBox(s));
    set.add(inFolder("view.png"), browseButton(s, false));
    set.add(inFolder("view02.png"), browseButton(s, true));
    set.add(inFolder("tree_item.png"), treeIcon(s));
});

} // namespace
} // namespace vantrel::skingen
