// SPDX-License-Identifier: MIT
// Surfaces drawn pixel by pixel at the picture's own scale: the soft light
// on the stage behind the keyboard and the brushed aluminium of its plate.
// Both vary by less than one colour step over many pixels, so they are
// ordered-dithered on the device pixels; a painter's gradient would band
// into visible steps on these dark tones.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRectF>

namespace vantrel::skingen {

// The stage light of the main window's background over `area` (logical
// pixels of the window), as a picture of the area at `scale`. A picture
// placed at `area.topLeft()` in the window lines up pixel for pixel with
// the window's own, dither included.
QImage stageLight(const QRect& area, qreal scale);

// Fills the rounded plate `plate` (logical pixels of a picture that lies at
// `origin` in the window) with brushed aluminium: a faint top-to-bottom
// gradient with fine horizontal streaks, one per device pixel row.
void brushedPlate(QPainter& p, const QRectF& plate, qreal radius, QPoint origin, qreal scale);

} // namespace vantrel::skingen
