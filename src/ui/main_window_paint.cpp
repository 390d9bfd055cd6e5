// SPDX-License-Identifier: MIT
// Composition of the main window's picture.
#include "core/layout/main_window_layout.h"
#include "core/lighting/effect_tables.h"
#include "core/model/key_picture_table.h"
#include "ui/keyboard_port.h"
#include "ui/lighting/lighting_panel.h"
#include "ui/main_window_controller.h"

#include <QPainter>

namespace vantrel::ui {
namespace {

const QString kMain = QStringLiteral("main.png");
const QString kKeyboard = QStringLiteral("kb_BK.png");
const QString kKeyboardLit = QStringLiteral("kb_hl.png");

QRect pictureRect(const KeyPicture& k) {
    return QRect(k.left, k.top, k.right - k.left + 1, k.bottom - k.top + 1);
}

} // namespace

void MainWindowController::drawSkinImage(QPainter& p, const QString& name, int x, int y) {
    painter_.image(p, name, x, y);
}

void MainWindowController::drawLabel(QPainter& p, const QString& text, int x, int y, int height,
                                     const QColor& colour) {
    painter_.label(p, text, x, y, height, colour);
}

void MainWindowController::drawButtonLabel(QPainter& p, const QString& text, QPoint skinPlace,
                                           const layout::Region& box, int height) {
    painter_.buttonLabel(p, language_, text, skinPlace, box, height);
}

void MainWindowController::drawOutline(QPainter& p, int x, int y, int w, int h) {
    SkinPainter::outline(p, x, y, w, h);
}

void MainWindowController::drawSlider(QPainter& p, int id) {
    Slider* s = sliders_.find(id);
    if (!s) {
        return;
    }
    SliderBank::store(*s, model_.image());
    if (!s->visible) {
        return;
    }
    const int tx = s->thumbX();
    painter_.imagePart(p, QStringLiteral("SliderFilled.png"), s->x, s->y,
                       QRect(0, 0, tx, Slider::kHeight));
    painter_.imagePart(p, QStringLiteral("SliderEmpty.png"), s->x, s->y,
                       QRect(tx, 0, Slider::kWidth - tx, Slider::kHeight));
    drawSkinImage(p, QStringLiteral("Thumb.png"), s->x + tx, s->y + 1);
}

void MainWindowController::paintKeyOverlays(QPainter& p) {
    const auto& keys = KeyPictureTable();
    const int effect = model_.image().lightEffect();
    if (!state_.perKeyColourView) {
        auto light = [&](std::size_t i) {
            painter_.imagePart(p, kKeyboardLit, kKeyboardPictureX, kKeyboardPictureY,
                               pictureRect(keys[i]));
        };
        if (state_.hoveredKey != kNoKey) {
            light(static_cast<std::size_t>(state_.hoveredKey));
        }
        const auto& marks = model_.marks();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            // The Windows key is never shown lit as changed.
            if (i != kLeftWinKeyPosition && marks.marked(i)) {
                light(i);
            }
        }
        return;
    }
    if (!lighting::isPerKeyEffect(effect)) {
        return;
    }
    if (ports_.lighting) {
        ports_.lighting->paintPerKeyOverlay(p);
    }
    if (state_.hoveredKey != kNoKey) {
        const auto& k = keys[static_cast<std::size_t>(state_.hoveredKey)];
        drawOutline(p, k.left + kKeyboardPictureX - 2, k.top + kKeyboardPictureY - 2,
                    k.right - k.left + 3, k.bottom - k.top + 3);
    }
}

const QImage& MainWindowController::background(qreal scale) {
    // The keyboard picture lies on the background whatever the state, so
    // the two are decoded into one picture.
    return painter_.store().layered(SkinFolder::mainWindow(), kMain, kKeyboard,
                                    {kKeyboardPictureX, kKeyboardPictureY}, scale);
}

const QImage& MainWindowController::compose(qreal scale) {
    const QImage& main = background(scale);
    if (main.isNull()) {
        canvas_ = QImage();
        return canvas_;
    }
    if (canvas_.size() != main.size()) {
        canvas_ = QImage(main.size(), QImage::Format_ARGB32_Premultiplied);
    }
    // The canvas has the background's pixels, at the screen's scale: the
    // painter works in logical pixels and draws on those.
    canvas_.setDevicePixelRatio(main.devicePixelRatio());
    QPainter p(&canvas_);
    paint(p, scale);
    return canvas_;
}

void MainWindowController::paint(QPainter& p, qreal scale) {
    const QImage& main = background(scale);
    if (main.isNull()) {
        return;
    }
    // The background replaces what the window showed before, alpha and all.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, main);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    paintFace(p);
}

void MainWindowController::paintFace(QPainter& p) {
    drawSkinImage(p, QStringLiteral("button-help-normal.png"), 936, 5);
    if (state_.helpMenuOpen) {
        drawSkinImage(p, QStringLiteral("HelpWindow.png"), 830, 22);
        painter_.label(p, tr("Factory reset"), 850, 25, 15);
        painter_.label(p, tr("Driver update"), 850, 50, 15);
        painter_.label(p, tr("Version: 1.4"), 850, 75, 15);
        // The keyboard picture lies over the menu's lower edge.
        drawSkinImage(p, kKeyboard, kKeyboardPictureX, kKeyboardPictureY);
    }
    drawSkinImage(p, QStringLiteral("button-min-normal.png"), 957, 5);
    drawSkinImage(p, QStringLiteral("button-close-normal.png"), 978, 5);
    paintKeyOverlays(p);
    drawSkinImage(p, QStringLiteral("apply.png"), 868, 610);
    drawSkinImage(p, QStringLiteral("Config.png"), 25, 610);
    const auto& buttons = layout::ButtonRegionTable();
    if (language_.chinese()) {
        painter_.label(p, tr("Apply"), 878, 613, 20);
        painter_.label(p, tr("Profiles"), 43, 612, 15);
    } else {
        drawButtonLabel(p, tr("Apply"), {870, 613}, buttons[layout::kCmdApply], 13);
        drawButtonLabel(p, tr("Profiles"), {28, 612}, buttons[layout::kCmdProfiles], 15);
    }
    if (ports_.lighting) {
        ports_.lighting->paint(p);
    }
    const QString notice = noticeText();
    if (!notice.isEmpty()) {
        p.fillRect(300, 612, 8, 8, QColor(0xE0, 0x24, 0x3A));
    }
    // The active profile is no problem: it gets no red mark of its own.
    if (const QString line = statusLine(); !line.isEmpty()) {
        painter_.label(p, line, 314, 609, 13);
    }
}

QString MainWindowController::statusLine() const {
    const QString notice = noticeText();
    if (profileNotice_.isEmpty() || notice.isEmpty()) {
        return notice.isEmpty() ? profileNotice_ : notice;
    }
    return notice + QStringLiteral("; ") + profileNotice_;
}

QString MainWindowController::noticeText() const {
    // What the user must know about the keyboard: where the changes go.
    QString notice = deviceNotice_;
    if (notice.isEmpty() && ports_.device) {
        if (!ports_.device->present() || !connected_) {
            notice = tr("No gaming keyboard!");
        } else if (ports_.device->simulated()) {
            notice = simulationNotice_.isEmpty() ? tr("Keyboard simulator: no keyboard connected")
                                                 : simulationNotice_;
        }
    }
    if (!watchNotice_.isEmpty()) {
        notice = notice.isEmpty() ? watchNotice_ : notice + QStringLiteral("; ") + watchNotice_;
    }
    return notice;
}

} // namespace vantrel::ui
