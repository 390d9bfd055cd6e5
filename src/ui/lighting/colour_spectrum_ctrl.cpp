// SPDX-License-Identifier: MIT
#include "ui/lighting/colour_spectrum_ctrl.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QtMath>
#include <algorithm>

namespace vantrel::ui {
namespace {

using namespace vantrel::lighting;

constexpr int kDefaultWidth = 160;
constexpr int kDefaultHeight = 140;

QColor toQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

// The device pixels of a picture covering `size` logical pixels.
QSize pixelsOf(QSize size, qreal scale) {
    return QSize(qCeil(size.width() * scale), qCeil(size.height() * scale));
}

bool leftButtonDown(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton) != 0;
}

} // namespace

CXColorSpectrumCtrl::CXColorSpectrumCtrl(QWidget* parent, int id, Rgb initial, int tooltipFormat)
    : QWidget(parent), id_(id), tooltipFormat_(tooltipFormat) {
    resize(kDefaultWidth, kDefaultHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setColor(initial);
    lastReported_ = colour_;
}

SpectrumGeometry CXColorSpectrumCtrl::geometry() const {
    return SpectrumGeometry(width(), height());
}

void CXColorSpectrumCtrl::setColor(Rgb colour) {
    colour_ = colour;
    hsl_ = rgbToHsl(colour);
    crosshair_ = geometry().crosshairFor(hsl_.hue, hsl_.saturation);
    arrow_ = geometry().arrowFor(hsl_.luminosity);
    update();
}

void CXColorSpectrumCtrl::buildSpectrumPicture(qreal scale) {
    // Every device pixel gets its own colour: at 2x the spectrum is as fine
    // as the screen, not the 1x picture with its pixels doubled.
    const SpectrumGeometry g = geometry();
    picture_ = QImage(pixelsOf(size(), scale), QImage::Format_RGB32);
    picture_.setDevicePixelRatio(scale);
    picture_.fill(palette().color(QPalette::Window));
    const int right = std::min(qCeil(g.spectrumPictureRight() * scale), picture_.width());
    const int top = qCeil(SpectrumGeometry::spectrumPictureTop() * scale);
    for (int y = top; y < picture_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        for (int x = 0; x < right; ++x) {
            const Rgb c = hslToRgb(g.spectrumHslAt(x / scale, y / scale));
            line[x] = qRgb(c.red, c.green, c.blue);
        }
    }
}

QColor CXColorSpectrumCtrl::luminosityBarColour(double y) const {
    const SpectrumGeometry g = geometry();
    // The bar follows the hue and saturation of the colour as it is now, not
    // the spectrum position, so a black or white colour shows a grey bar.
    const Hsl base = rgbToHsl(colour_);
    return toQColor(hslToRgb(base.hue, base.saturation, g.barLuminosityAt(y)));
}

void CXColorSpectrumCtrl::paintEvent(QPaintEvent*) {
    const qreal scale = devicePixelRatio();
    if (picture_.isNull() || picture_.devicePixelRatio() != scale ||
        picture_.size() != pixelsOf(size(), scale)) {
        buildSpectrumPicture(scale);
    }
    const SpectrumGeometry g = geometry();
    QPainter p(this);
    p.drawImage(QPointF(0, 0), picture_);

    // Crosshair: four 3 x 5 arms around an empty 9 x 9 middle.
    const IntRect spectrum = g.spectrumRect();
    const QColor cross =
        palette().color(part_ == SpectrumPart::Spectrum ? QPalette::WindowText : QPalette::Window);
    const int cx = crosshair_.x;
    const int cy = crosshair_.y;
    const QRect arms[] = {QRect(cx - 1, cy - 9, 3, 5), QRect(cx - 1, cy + 5, 3, 5),
                          QRect(cx - 9, cy - 1, 5, 3), QRect(cx + 5, cy - 1, 5, 3)};
    const QRect clip(spectrum.left, spectrum.top, spectrum.width(), spectrum.height());
    for (const QRect& arm : arms) {
        p.fillRect(arm.intersected(clip), cross);
    }

    // Luminosity bar, top row luminosity 240, one colour per device row.
    const int barTop = qCeil(g.barRowY(g.barRows() - 1) * scale);
    const int barEnd = qCeil((g.barRowY(0) + 1) * scale);
    for (int y = barTop; y < barEnd; ++y) {
        p.fillRect(QRectF(g.barLeft(), y / scale, SpectrumGeometry::kBarWidth, 1 / scale),
                   luminosityBarColour(y / scale));
    }

    // Arrow pointing at the chosen luminosity row.
    const int top = g.arrowTop(arrow_);
    const int left = g.arrowLeft();
    const QPoint triangle[3] = {QPoint(left, top + 8), QPoint(left + 8, top),
                                QPoint(left + 8, top + 16)};
    p.setPen(palette().color(QPalette::WindowText));
    p.setBrush(
        palette().color(part_ == SpectrumPart::Luminosity ? QPalette::WindowText : QPalette::Dark));
    p.drawPolygon(triangle, 3);
}

void CXColorSpectrumCtrl::pickInSpectrum(int x, int y) {
    hsl_ = geometry().hueSaturationAt(x, y, hsl_.luminosity);
    colour_ = hslToRgb(hsl_);
    crosshair_ = {x, y};
    part_ = SpectrumPart::Spectrum;
}

void CXColorSpectrumCtrl::pickInLuminosity(int y) {
    const SpectrumGeometry g = geometry();
    arrow_ = g.arrowAt(y);
    hsl_.luminosity = g.luminosityForArrow(arrow_);
    colour_ = hslToRgb(hsl_);
    part_ = SpectrumPart::Luminosity;
}

void CXColorSpectrumCtrl::followHsl() {
    colour_ = hslToRgb(hsl_);
    crosshair_ = geometry().crosshairFor(hsl_.hue, hsl_.saturation);
    arrow_ = geometry().arrowFor(hsl_.luminosity);
}

void CXColorSpectrumCtrl::report() {
    lastReported_ = colour_;
    emit selChange(toQColor(colour_), id_);
}

void CXColorSpectrumCtrl::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    const QPoint at = e->position().toPoint();
    const SpectrumGeometry g = geometry();
    if (g.spectrumRect().contains(at.x(), at.y())) {
        setFocus(Qt::MouseFocusReason);
        pickInSpectrum(at.x(), at.y());
        draggingSpectrum_ = true;
    } else if (g.luminosityRect().contains(at.x(), at.y())) {
        setFocus(Qt::MouseFocusReason);
        pickInLuminosity(at.y());
        draggingLuminosity_ = true;
    } else {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    update();
    report();
}

void CXColorSpectrumCtrl::mouseMoveEvent(QMouseEvent* e) {
    if (!leftButtonDown(e->buttons())) {
        draggingSpectrum_ = false;
        draggingLuminosity_ = false;
        return;
    }
    const QPoint at = e->position().toPoint();
    const SpectrumGeometry g = geometry();
    if (draggingLuminosity_ && g.luminosityRect().contains(at.x(), at.y())) {
        pickInLuminosity(at.y());
        update();
        report();
    } else if (draggingSpectrum_ && g.spectrumRect().contains(at.x(), at.y())) {
        pickInSpectrum(at.x(), at.y());
        update();
        report();
    }
}

void CXColorSpectrumCtrl::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        draggingSpectrum_ = false;
        draggingLuminosity_ = false;
    }
}

void CXColorSpectrumCtrl::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    const SpectrumGeometry g = geometry();
    if (e->button() == Qt::LeftButton && (g.spectrumRect().contains(at.x(), at.y()) ||
                                          g.luminosityRect().contains(at.x(), at.y()))) {
        emit selEndOk(toQColor(colour_), id_);
    }
}

bool CXColorSpectrumCtrl::handleTab(bool backwards) {
    if (!backwards) {
        if (part_ == SpectrumPart::Spectrum) {
            part_ = SpectrumPart::Luminosity;
            update();
            return true;
        }
        return focusNextPrevChild(true);
    }
    if (part_ == SpectrumPart::Luminosity) {
        part_ = SpectrumPart::Spectrum;
        update();
        return true;
    }
    return focusNextPrevChild(false);
}

bool CXColorSpectrumCtrl::event(QEvent* e) {
    // Tab must reach the control before the widget's own focus chain does.
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Backtab ||
            (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier))) {
            handleTab(true);
            return true;
        }
        if (key->key() == Qt::Key_Tab) {
            handleTab(false);
            return true;
        }
    }
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString text = tooltipText(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(e);
}

void CXColorSpectrumCtrl::keyPressEvent(QKeyEvent* e) {
    SpectrumKey key{};
    switch (e->key()) {
    case Qt::Key_Left:
        key = SpectrumKey::Left;
        break;
    case Qt::Key_Right:
        key = SpectrumKey::Right;
        break;
    case Qt::Key_Up:
        key = SpectrumKey::Up;
        break;
    case Qt::Key_Down:
        key = SpectrumKey::Down;
        break;
    case Qt::Key_PageUp:
        key = SpectrumKey::PageUp;
        break;
    case Qt::Key_PageDown:
        key = SpectrumKey::PageDown;
        break;
    case Qt::Key_Home:
        key = SpectrumKey::Home;
        break;
    case Qt::Key_End:
        key = SpectrumKey::End;
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    const int step = spectrumKeyStep((e->modifiers() & Qt::ControlModifier) != 0,
                                     (e->modifiers() & Qt::ShiftModifier) != 0);
    if (applySpectrumKey(hsl_, part_, key, step)) {
        followHsl();
        update();
        report();
    }
    e->accept();
}

void CXColorSpectrumCtrl::focusInEvent(QFocusEvent* e) {
    // Arriving with Shift+Tab means arriving from behind: the last part first.
    part_ =
        e->reason() == Qt::BacktabFocusReason ? SpectrumPart::Luminosity : SpectrumPart::Spectrum;
    update();
}

void CXColorSpectrumCtrl::focusOutEvent(QFocusEvent*) {
    part_ = SpectrumPart::None;
    update();
}

QString CXColorSpectrumCtrl::tooltipText(QPoint at) const {
    if (tooltipFormat_ == static_cast<int>(SpectrumTooltip::None)) {
        return {};
    }
    const SpectrumGeometry g = geometry();
    const IntRect spectrum = g.spectrumRect();
    QColor c;
    if (spectrum.contains(at.x(), at.y())) {
        if (picture_.isNull()) {
            const int row = height() + 9 - at.y();
            const Rgb rgb = hslToRgb(g.spectrumPixelHsl(at.x(), row));
            c = toQColor(rgb);
        } else {
            // The device pixel at the point's top left: at 1x the pixel itself.
            const qreal s = picture_.devicePixelRatio();
            c = picture_.pixelColor(QPoint(qFloor(at.x() * s), qFloor(at.y() * s)));
        }
    } else if (at.x() >= g.barLeft() && at.x() < g.barLeft() + SpectrumGeometry::kBarWidth &&
               at.y() >= spectrum.top && at.y() < spectrum.bottom) {
        c = luminosityBarColour(at.y());
    } else {
        return {};
    }
    const Rgb rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                  static_cast<std::uint8_t>(c.blue())};
    switch (static_cast<SpectrumTooltip>(tooltipFormat_)) {
    case SpectrumTooltip::HashHex:
        return QString::asprintf("#%02X%02X%02X", rgb.red, rgb.green, rgb.blue);
    case SpectrumTooltip::BgrHex:
        return QString::asprintf("%02X%02X%02X", rgb.blue, rgb.green, rgb.red);
    case SpectrumTooltip::Hsl: {
        const Hsl h = rgbToHslUncapped(rgb);
        return QString::asprintf("HSL(%d,%d,%d)", h.hue, h.saturation, h.luminosity);
    }
    default:
        return QString::asprintf("RGB(%d,%d,%d)", rgb.red, rgb.green, rgb.blue);
    }
}

} // namespace vantrel::ui
