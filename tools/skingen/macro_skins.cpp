// SPDX-License-Identifier: MIT
// The macro manager: background with the two list wells and the options
// panel, the Record button (its words, which change while recording, are
// the program's and fill it), the small buttons, the check boxes, and the
// pictures the event list draws for "dn", "up" and "ms". Everything is
// placed from the same regions the dialog hit-tests.
#include "core/layout/macro_dialog_layout.h"
#include "skin_canvas.h"

namespace vantrel::skingen {
namespace {

using namespace palette;
namespace md = vantrel::layout::macro_dialog;

void drawWell(QPainter& p, const layout::Region& r) {
    drawPanel(p, rectOf(r).adjusted(-5, -5, 5, 5));
    p.fillRect(rectOf(r).adjusted(-2, -2, 2, 2), kFar.darker(115));
}

QImage macroBackground(qreal s) {
    QImage img = newImage(s, md::kWidth, md::kHeight, kFar);
    QPainter p(&img);
    prepare(p);
    // Title strip; the program writes the title at its left.
    p.fillRect(QRect(0, 0, md::kWidth, 26), kTitle);
    p.fillRect(QRect(0, 26, md::kWidth, 1), kPanelBorder);
    p.fillRect(QRect(0, 26, 90, 2), kAccent);
    // The close box's glyph.
    const auto& close = md::kRegions[md::kCloseBox];
    QPen cross(Qt::white, 1.4);
    cross.setCapStyle(Qt::RoundCap);
    p.setPen(cross);
    p.drawLine(QPointF(close.left, close.top), QPointF(close.right, close.bottom));
    p.drawLine(QPointF(close.right, close.top), QPointF(close.left, close.bottom));

    drawPanel(p, rectOf(md::kListsPanel));
    drawPanel(p, rectOf(md::kOptionsPanel));
    // Headings sit on plain strips above the lists and the options.
    drawWell(p, md::kMacroList);
    drawWell(p, md::kEventList);
    // The loop-count field's frame.
    p.setPen(QPen(kPanelBorder.lighter(130), 1));
    p.setBrush(kFar);
    p.drawRect(QRectF(rectOf(md::kLoopEdit)).adjusted(-1.5, -1.5, 0.5, 0.5));
    // A thin rule between the record options and the loop option.
    p.fillRect(QRect(258, 292, 108, 1), kPanelBorder);
    p.fillRect(QRect(258, 140, 108, 1), kPanelBorder);
    // The button row.
    p.fillRect(QRect(0, 364, md::kWidth, 1), kPanelBorder);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kPanelBorder);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, md::kWidth - 1, md::kHeight - 1);
    return img;
}

QImage button(qreal s, const layout::Region& r, bool over) {
    QImage img = newImage(s, r.width(), r.height(), Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QRectF face(0, 0, r.width(), r.height());
    drawButtonFace(p, face, over ? kPanelBorder.lighter(160) : kPanelBorder.lighter(125));
    if (over) {
        // The accent, on which a label wider than the button still reads.
        p.setPen(QPen(kAccent, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    return img;
}

QImage checkBox(qreal s, bool on) {
    const auto& r = md::kRegions[md::kRecordDelays];
    QImage img = newImage(s, r.width(), r.height(), Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QRectF box(0.5, 0.5, r.width() - 1, r.height() - 1);
    p.setPen(QPen(on ? kAccent : kDisabled, 1));
    p.setBrush(on ? kAccent : kPanel);
    p.drawRoundedRect(box, 3, 3);
    if (on) {
        p.setBrush(Qt::NoBrush);
        drawTick(p, QPolygonF({QPointF(3.5, 7.5), QPointF(6.0, 10.5), QPointF(11.5, 4.0)}), 2);
    }
    return img;
}

// The event list's words as pictures: a key going down, coming up, a clock.
constexpr int kWordSize = 14;

QImage arrow(qreal s, bool down) {
    QImage img = newImage(s, kWordSize, kWordSize, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    QPen pen(down ? kAccent : kSecondary, 2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    const qreal mid = kWordSize / 2.0;
    const qreal tip = down ? kWordSize - 3 : 3;
    const qreal tail = down ? 3 : kWordSize - 3;
    const qreal back = down ? tip - 4 : tip + 4;
    p.drawLine(QPointF(mid, tail), QPointF(mid, tip));
    p.drawLine(QPointF(mid, tip), QPointF(mid - 4, back));
    p.drawLine(QPointF(mid, tip), QPointF(mid + 4, back));
    return img;
}

QImage clock(qreal s) {
    QImage img = newImage(s, kWordSize, kWordSize, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    QPen pen(kLabel, 1.5);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal mid = kWordSize / 2.0;
    p.drawEllipse(QPointF(mid, mid), mid - 1.5, mid - 1.5);
    p.drawLine(QPointF(mid, mid), QPointF(mid, 3.5));
    p.drawLine(QPointF(mid, mid), QPointF(mid + 3, mid));
    return img;
}

const Registrar kMacros(QStringLiteral("macros"), [](SkinSet& set, qreal s) {
    const QString dir = QStringLiteral("MacroManagement/");
    set.add(dir + QStringLiteral("MacroManagement.png"), macroBackground(s));
    const auto& rec = md::kRegions[md::kRecord];
    set.add(dir + QStringLiteral("Record-normal.png"), button(s, rec, false));
    set.add(dir + QStringLiteral("Record-over.png"), button(s, rec, true));
    const auto& small = md::kRegions[md::kNew];
    set.add(dir + QStringLiteral("button-new-normal.png"), button(s, small, false));
    set.add(dir + QStringLiteral("button-new-over.png"), button(s, small, true));
    set.add(dir + QStringLiteral("Pane.png"), checkBox(s, false));
    set.add(dir + QStringLiteral("PaneMakingTick.png"), checkBox(s, true));
    set.add(dir + QStringLiteral("word-dn.png"), arrow(s, true));
    set.add(dir + QStringLiteral("word-up.png"), arrow(s, false));
    set.add(dir + QStringLiteral("word-ms.png"), clock(s));
});

} // namespace
} // namespace vantrel::skingen
