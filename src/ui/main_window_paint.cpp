// SPDX-License-Identifier: MIT
// Composition of the main window's picture.
#include "core/lighting/effect_tables.h"
#include "core/model/key_picture_table.h"
#include "ui/keyboard_port.h"
#include "ui/lighting/lighting_panel.h"
#include "ui/main_window_controller.h"

#include <QPainter>
#include <cstring>

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

const QImage& MainWindowController::compose(qreal scale) {
    const QImage& main = painter_.store().image(SkinFolder::mainWindow(), kMain, scale);
    if (main.isNull()) {
        canvas_ = QImage();
        return canvas_;
    }
    if (canvas_.size() != main.size() || canvas_.format() != main.format()) {
        canvas_ = QImage(main.size(), main.format());
    }
    // The canvas has the background's pixels, at the screen's scale: the
    // painter below works in logical pixels and draws on those.
    canvas_.setDevicePixelRatio(main.devicePixelRatio());
    // A fresh copy of the background, without going through the painter.
    std::memcpy(canvas_.bits(), main.constBits(), static_cast<std::size_t>(main.sizeInBytes()));

    QPainter p(&canvas_);
    drawSkinImage(p, QStringLiteral("button-help-normal.png"), 936, 5);
    if (state_.helpMenuOpen) {
        drawSkinImage(p, QStringLiteral("HelpWindow.png"), 830, 22);
        painter_.label(p, tr("Factory reset"), 850, 25, 15);
        painter_.label(p, tr("Driver update"), 850, 50, 15);
        painter_.label(p, tr("Version: 1.4"), 850, 75, 15);
    }
    drawSkinImage(p, QStringLiteral("button-min-normal.png"), 957, 5);
    drawSkinImage(p, QStringLiteral("button-close-normal.png"), 978, 5);
    drawSkinImage(p, kKeyboard, kKeyboardPictureX, kKeyboardPictureY);
    paintKeyOverlays(p);
    drawSkinImage(p, QStringLiteral("apply.png"), 868, 610);
    drawSkinImage(p, QStringLiteral("Config.png"), 25, 610);
    if (language_.chinese()) {
        painter_.label(p, tr("Apply"), 878, 613, 20);
        painter_.label(p, tr("Profiles"), 43, 612, 15);
    } else {
        painter_.label(p, tr("Apply"), 870, 613, 13);
        painter_.label(p, tr("Profiles"), 28, 612, 15);
    }
    if (ports_.lighting) {
        ports_.lighting->paint(p);
    }
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
    if (!notice.isEmpty()) {
        p.fillRect(300, 612, 8, 8, QColor(0xE0, 0x24, 0x3A));
        const QString line =
            profileNotice_.isEmpty() ? notice : notice + QStringLiteral("; ") + profileNotice_;
        painter_.label(p, line, 314, 609, 13);
    } else if (!profileNotice_.isEmpty()) {
        // Not a problem: no red mark.
        painter_.label(p, profileNotice_, 314, 609, 13);
    }
    return canvas_;
}

} // namespace vantrel::ui
