// SPDX-License-Identifier: MIT
#include "ui/placeholder_lighting_panel.h"

#include "core/model/configurator_model.h"
#include "ui/main_view_state.h"
#include "ui/panel_host.h"

#include <QPainter>

namespace vantrel::ui {

void PlaceholderLightingPanel::paint(QPainter& p) {
    PanelHost& h = host_;
    const ConfigImage& image = model_.image();
    h.drawLabel(p, QStringLiteral("подсветка"), 27, 85, 15);
    h.drawLabel(p, QStringLiteral("эффект подсветки"), 28, 112, 15);
    h.drawSkinImage(p, QStringLiteral("Light_Item.png"), 28, 133);
    h.drawLabel(p, QStringLiteral("Яркость"), 28, 206, 13);
    h.drawSlider(p, kSliderBrightness);
    h.drawLabel(p, QStringLiteral("скорость"), 28, 248, 13);
    h.drawSlider(p, kSliderSpeed);

    // Device items: macro button, switches, response time and report rate.
    h.drawSkinImage(p, QStringLiteral("MacroButton3.png"), 107, 610);
    h.drawLabel(p, QStringLiteral("макросами"), 108, 612, 14);
    h.drawLabel(p, QStringLiteral("Режим \"Игра\""), 21, 576, 14);
    h.drawSkinImage(p,
                    image.gameMode() ? QStringLiteral("Enable.png") : QStringLiteral("Disable.png"),
                    99, 578);
    h.drawLabel(p, QStringLiteral("WinLock Mold"), 156, 576, 14);
    h.drawSkinImage(p,
                    image.winLock() ? QStringLiteral("Enable.png") : QStringLiteral("Disable.png"),
                    231, 578);
    h.drawLabel(p, QStringLiteral("Время отклика кнопки"), 26, 460, 15);
    h.drawSlider(p, kSliderResponseTime);
    h.drawSkinImage(p, QStringLiteral("responsetime_txt.png"), 25, 500);
    h.drawLabel(p, QStringLiteral("Частота опроса USB"), 26, 518, 15);
    h.drawSkinImage(p, QStringLiteral("reportRate_txt.png"), 25, 550);
    h.drawSlider(p, kSliderReportRate);

    h.drawSlider(p, kSliderWristBrightness);
    h.drawLabel(p, QStringLiteral("Яркость"), 28, 380, 13);
    h.drawSlider(p, kSliderWristSpeed);
    h.drawLabel(p, QStringLiteral("скорость"), 28, 420, 13);
    h.drawLabel(p, QStringLiteral("Эффекты подставки для рук"), 28, 302, 15);
    h.drawSkinImage(p, QStringLiteral("Light_Item.png"), 28, 317);
}

} // namespace vantrel::ui
