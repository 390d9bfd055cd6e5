// SPDX-License-Identifier: MIT
#pragma once

#include "core/lighting/lighting_sliders.h"
#include "core/model/configurator_model.h"
#include "ui/lighting/colour_chooser.h"
#include "ui/lighting/key_faces.h"
#include "ui/panel_host.h"
#include "ui/skin/skin_painter.h"

#include <QApplication>
#include <QPainter>
#include <map>
#include <set>
#include <vector>

namespace vantrel::ui::testing {

// One QApplication for the whole test program (offscreen platform).
inline QApplication& lightingTestApp() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app =
        qApp ? static_cast<QApplication*>(qApp) : new QApplication(argc, argv);
    return *app;
}

// Base of fixtures whose members are widgets: the application must exist first.
struct WithQtApp {
    WithQtApp() { lightingTestApp(); }
};

struct Outline {
    int x, y, w, h;
    friend bool operator==(const Outline&, const Outline&) = default;
};

// Records what the panel asks of the main window; sliders store into the
// image as the real ones do.
class FakePanelHost : public PanelHost {
public:
    explicit FakePanelHost(ConfigImage& image) : image_(image) {}

    void drawSkinImage(QPainter&, const QString& name, int, int) override {
        images.push_back(name);
    }
    void drawLabel(QPainter& p, const QString& text, int x, int y, int height,
                   const QColor& colour) override {
        labels.push_back(text);
        painter_.label(p, text, x, y, height, colour);
    }
    void drawButtonLabel(QPainter& p, const QString& text, QPoint skinPlace,
                         const layout::Region& box, int height) override {
        labels.push_back(text);
        painter_.buttonLabel(p, language, text, skinPlace, box, height);
    }
    void drawOutline(QPainter& p, int x, int y, int w, int h) override {
        outlines.push_back({x, y, w, h});
        p.setPen(Qt::white);
        p.setBrush(Qt::NoBrush);
        p.drawRect(x, y, w, h);
    }
    void drawSlider(QPainter&, int id) override {
        drawnSliders.push_back(id);
        // The window draws only visible sliders.
        if (visibleSliders[id]) {
            shownSliders.push_back(id);
        }
        lighting::storeLightingSlider(image_, id, positions[id]);
    }
    void setSliderVisible(int id, bool visible) override { visibleSliders[id] = visible; }
    void setSliderEnabled(int id, bool enabled) override { enabled_[id] = enabled; }
    bool sliderEnabled(int id) const override {
        auto it = enabled_.find(id);
        return it == enabled_.end() || it->second;
    }
    int sliderPosition(int id) const override {
        auto it = positions.find(id);
        return it == positions.end() ? 0 : it->second;
    }
    void setSliderPosition(int id, int position) override { positions[id] = position; }
    void repaint() override { ++repaints; }

    std::vector<QString> images;
    std::vector<QString> labels;
    std::vector<Outline> outlines;
    std::vector<int> drawnSliders;
    std::vector<int> shownSliders;
    std::map<int, bool> visibleSliders;
    std::map<int, int> positions;
    int repaints = 0;
    UiLanguage language;

private:
    ConfigImage& image_;
    SkinStore store_;
    SkinPainter painter_{store_};
    std::map<int, bool> enabled_;
};

// Answers the chooser without a screen: checks the start colour, then puts
// `answer` into the exchange colour and returns `ok`.
class FakeColourChooser : public ColourChooser {
public:
    explicit FakeColourChooser(ConfiguratorModel& model) : model_(model) {}
    bool run() override {
        ++runs;
        startColours.push_back(model_.exchangeColour());
        model_.setExchangeColour(answer);
        return ok;
    }
    Rgb answer{10, 20, 30};
    bool ok = true;
    int runs = 0;
    std::vector<Rgb> startColours;

private:
    ConfiguratorModel& model_;
};

// A row of 24 x 24 keys; the four small keys 16-19 are 19 x 14 as on the
// real picture.
class FakeKeyFaces : public KeyFaces {
public:
    int count() const override { return 108; }
    KeyFace face(int key) const override {
        KeyFace f;
        if (key >= 16 && key <= 19) {
            f.left = 115 + 20 * (key - 16);
            f.top = 83;
            f.right = f.left + 19;
            f.bottom = 97;
        } else {
            f.left = 10 + 25 * (key % 20);
            f.top = 106 + 25 * (key / 20);
            f.right = f.left + 24;
            f.bottom = f.top + 24;
        }
        f.label = QStringLiteral("W");
        f.anchorX = f.left + 8;
        f.anchorY = f.top + 8;
        return f;
    }
};

} // namespace vantrel::ui::testing
