// SPDX-License-Identifier: MIT
// The dialog that binds programs to profiles, in the profile manager's
// look: title strip, the profile between two arrows, the list's well, the
// buttons beside it, the note line and the close button, all placed from
// the regions the dialog hit-tests.
#include "core/layout/programs_dialog_layout.h"
#include "skin_canvas.h"

namespace vantrel::skingen {
namespace {

using namespace palette;
namespace pg = vantrel::layout::programs_dialog;

const layout::Region& regionOf(pg::Area a) {
    return pg::kRegions[static_cast<std::size_t>(a)];
}

// A chevron in the middle of `r`, pointing left or right.
void arrow(QPainter& p, const layout::Region& r, bool left) {
    QPen pen(kSecondary, 2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    const qreal cx = r.left + r.width() / 2.0;
    const qreal cy = r.top + r.height() / 2.0;
    const qreal d = left ? 3 : -3;
    p.drawLine(QPointF(cx + d, cy - 6), QPointF(cx - d, cy));
    p.drawLine(QPointF(cx - d, cy), QPointF(cx + d, cy + 6));
}

QImage programsBackground(qreal s) {
    QImage img = newImage(s, pg::kWidth, pg::kHeight, kFar);
    QPainter p(&img);
    prepare(p);
    drawDialogFrame(p, pg::kWidth, pg::kHeight);

    // The profile chooser: a plate for the name between its arrows.
    const QColor plain = kPanelBorder.lighter(125);
    drawButtonFace(p, QRectF(rectOf(regionOf(pg::kPreviousProfile))), plain);
    drawButtonFace(p, QRectF(rectOf(regionOf(pg::kNextProfile))), plain);
    arrow(p, regionOf(pg::kPreviousProfile), true);
    arrow(p, regionOf(pg::kNextProfile), false);
    const QRect name = rectOf(regionOf(pg::kProfileName));
    p.fillRect(name, kPlate);
    p.fillRect(QRect(name.left(), name.bottom(), name.width(), 1), kAccent);

    drawListWell(p, pg::kList);

    // The buttons beside the list; removing is the one that loses something.
    for (const pg::Area a : {pg::kAddProgram, pg::kAddWindow}) {
        drawButtonFace(p, QRectF(rectOf(regionOf(a))), plain);
    }
    drawButtonFace(p, QRectF(rectOf(regionOf(pg::kRemove))), kAccent.darker(170));

    // The close button at the bottom left, as in the profile manager.
    p.fillRect(QRect(0, 304, pg::kWidth, 1), kPanelBorder);
    drawButtonFace(p, QRectF(rectOf(regionOf(pg::kCloseButton))).adjusted(-1, -1, 1, 1),
                   kPanelBorder.lighter(115));
    return img;
}

const Registrar kPrograms(QStringLiteral("programs"), [](SkinSet& set, qreal s) {
    set.add(QStringLiteral("Programs/Programs_BK.png"), programsBackground(s));
    set.add(QStringLiteral("Programs/button-close-normal.png"),
            closeBoxImage(s, regionOf(pg::kCloseBox), QColor(0x3A, 0x1A, 0x20)));
});

} // namespace
} // namespace vantrel::skingen
