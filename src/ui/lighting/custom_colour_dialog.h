// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/rgb.h"

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <array>
#include <cstdint>

class QLineEdit;
class QPushButton;

namespace vantrel {
class ConfiguratorModel;
}

namespace vantrel::ui {

class CXColorSpectrumCtrl;

// The modal colour chooser: a palette of 64 cells, the spectrum, read-only
// value boxes, a preview square. It starts from the model's exchange colour
// and keeps that colour up to date on every change; callers read it after OK.
class CCustomColorDialog : public QDialog {
    Q_OBJECT
public:
    // `skin` is the dialog's background picture (Color_BK.png); without one
    // the dialog draws a plain background of its own.
    CCustomColorDialog(ConfiguratorModel& model, const QImage& skin, std::uint16_t uiLanguage,
                       QWidget* parent = nullptr);

    // Prepares the dialog from the exchange colour; run() does this itself.
    void startFromExchangeColour();
    // One modal run; true for OK.
    bool run();

    int selectedCell() const { return selectedCell_; }
    CXColorSpectrumCtrl* spectrum() const { return spectrum_; }
    QString boxText(int controlId) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Fallback size, when no skin is given.
    static constexpr int kFallbackWidth = 337;
    static constexpr int kFallbackHeight = 240;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void onSelChange(const QColor& colour);
    void refillBoxes();
    QImage fallbackBackground() const;

    ConfiguratorModel& model_;
    QImage skin_;
    std::uint16_t language_;
    CXColorSpectrumCtrl* spectrum_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    // Red, green, blue, hue, saturation, luminosity.
    std::array<QLineEdit*, 6> boxes_{};
    int selectedCell_ = -1;
    bool dragging_ = false;
    QPoint dragOffset_;
};

} // namespace vantrel::ui
