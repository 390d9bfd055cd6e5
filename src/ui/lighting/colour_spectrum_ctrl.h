// SPDX-License-Identifier: MIT
#pragma once

#include "core/lighting/spectrum_geometry.h"
#include "core/model/rgb.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace vantrel::ui {

// Tooltip texts of the spectrum: what the colour under the pointer is shown as.
enum class SpectrumTooltip : int { None = 0, Rgb = 1, HashHex = 2, BgrHex = 3, Hsl = 4 };

// Hue/saturation spectrum with a luminosity bar. Reports every change the
// user makes with the mouse or the keyboard through selChange and a double
// click through selEndOk; setColor changes the colour silently.
class CXColorSpectrumCtrl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultId = 9001;

    explicit CXColorSpectrumCtrl(QWidget* parent, int id = kDefaultId,
                                 Rgb initial = Rgb{0xC0, 0xC0, 0xC0}, int tooltipFormat = 0);

    void setColor(Rgb colour);
    Rgb color() const { return colour_; }
    Rgb lastReportedColor() const { return lastReported_; }
    lighting::Hsl hsl() const { return hsl_; }
    lighting::SpectrumPart focusedPart() const { return part_; }
    lighting::IntPoint crosshair() const { return crosshair_; }
    int arrowPosition() const { return arrow_; }
    int id() const { return id_; }
    // Text of the tooltip for a point of the control; empty where there is none.
    QString tooltipText(QPoint at) const;

signals:
    void selChange(const QColor& colour, int id);
    void selEndOk(const QColor& colour, int id);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    lighting::SpectrumGeometry geometry() const;
    void buildSpectrumPicture(qreal scale);
    void pickInSpectrum(int x, int y);
    void pickInLuminosity(int y);
    void followHsl();
    void report();
    // Tab and Shift+Tab move between the two parts before leaving the control.
    bool handleTab(bool backwards);
    QColor luminosityBarColour(double y) const;

    int id_;
    int tooltipFormat_;
    lighting::Hsl hsl_;
    Rgb colour_;
    Rgb lastReported_;
    lighting::IntPoint crosshair_;
    int arrow_ = 0;
    lighting::SpectrumPart part_ = lighting::SpectrumPart::None;
    bool draggingSpectrum_ = false;
    bool draggingLuminosity_ = false;
    QImage picture_; // the spectrum, built at the first paint and for each new scale
};

} // namespace vantrel::ui
