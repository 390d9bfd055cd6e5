// SPDX-License-Identifier: MIT
// The profile manager: background with the list well, the import and
// export buttons, the close button, and its close box. Everything is
// placed from the same regions the dialog hit-tests.
#include "core/layout/profile_dialog_layout.h"
#include "skin_canvas.h"

namespace vantrel::skingen {
namespace {

using namespace palette;
namespace pd = vantrel::layout::profile_dialog;

QImage profileBackground(qreal s) {
    QImage img = newImage(s, pd::kWidth, pd::kHeight, kFar);
    QPainter p(&img);
    prepare(p);
    // Title strip; the program writes "Профиль" at its left.
    drawDialogFrame(p, pd::kWidth, pd::kHeight);
    drawListWell(p, pd::kList);

    // Import and export carry the program's words; the spare places stay
    // plain panel, as they do nothing.
    drawPanel(p, QRect(266, 44, 114, 243));
    drawButtonFace(p, QRectF(rectOf(pd::kRegions[pd::kImport])), kPanelBorder.lighter(125));
    drawButtonFace(p, QRectF(rectOf(pd::kRegions[pd::kExport])), kPanelBorder.lighter(125));
    // Arrows into and out of the list beside the words.
    QPen arrow(kSecondary, 2);
    arrow.setCapStyle(Qt::RoundCap);
    p.setPen(arrow);
    for (const auto& [area, in] : {std::pair{pd::kImport, true}, std::pair{pd::kExport, false}}) {
        const auto& r = pd::kRegions[area];
        const qreal y = r.top + 14; // level with the program's word
        const qreal x0 = r.left + 8;
        const qreal x1 = r.left + 18;
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
        const qreal tip = in ? x0 : x1;
        const qreal back = in ? tip + 4 : tip - 4;
        p.drawLine(QPointF(tip, y), QPointF(back, y - 4));
        p.drawLine(QPointF(tip, y), QPointF(back, y + 4));
    }

    // "Закрыть" at the bottom left.
    p.fillRect(QRect(0, 350, pd::kWidth, 1), kPanelBorder);
    drawButtonFace(p, QRectF(rectOf(pd::kRegions[pd::kCloseButton])).adjusted(-1, -1, 1, 1),
                   kPanelBorder.lighter(115));
    return img;
}

const Registrar kProfiles(QStringLiteral("profiles"), [](SkinSet& set, qreal s) {
    set.add(QStringLiteral("Config/Profile_BK.png"), profileBackground(s));
    set.add(QStringLiteral("Config/button-close-normal.png"),
            closeBoxImage(s, pd::kRegions[pd::kCloseBox], QColor(0x3A, 0x1A, 0x20)));
});

} // namespace
} // namespace vantrel::skingen
