// SPDX-License-Identifier: MIT
// One full composition of the main window at its own size (goal at 100 %:
// median under 4 ms), and how many repaints pointer moves ask for.
#include "core/model/key_picture_table.h"
#include "ui/lighting/colour_chooser.h"
#include "ui/lighting/key_picture_faces.h"
#include "ui/lighting/lighting_page.h"
#include "ui/main_window_controller.h"
#include "ui/skin/skin_painter.h"
#include "ui/window_shell.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace vantrel;

struct NullShell : ui::WindowShell {
    void repaint() override {}
    void hideWindow() override {}
    void showWindow() override {}
    void endProgram() override {}
    void setBusy(bool) override {}
    void startSystemMove() override {}
    void after(int, std::function<void()>) override {}
};

struct NoChooser : ui::ColourChooser {
    bool run() override { return false; }
};

struct Window {
    ConfiguratorModel model;
    ui::SkinStore skins;
    ui::SkinPainter painter{skins};
    NullShell shell;
    ui::MainWindowController controller;
    NoChooser chooser;
    const ui::KeyPictureFaces keyFaces;
    ui::LightingPage lighting;

    Window()
        : controller(model, DataFolder(std::filesystem::temp_directory_path()), painter,
                     {&shell, nullptr, nullptr, nullptr, nullptr, nullptr}),
          lighting(model, controller.state(), controller, chooser, keyFaces, UiLanguage{}) {
        controller.setLightingPanel(&lighting);
        for (std::size_t i = 0; i < 108; i += 7) {
            model.marks().set(i, true);
        }
        controller.state().hoveredKey = 42;
        controller.compose(); // decode every skin once
    }
};

// At 100, 150 and 200 % (the canvas has the screen's device pixels).
void BM_FullPaint(benchmark::State& state) {
    Window w;
    const qreal scale = state.range(0) / 100.0;
    w.controller.compose(scale); // decode the skins of this scale once
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.controller.compose(scale).constBits());
    }
    state.counters["width"] = w.controller.canvas().width();
    state.counters["height"] = w.controller.canvas().height();
}
BENCHMARK(BM_FullPaint)
    ->ArgName("scale_percent")
    ->Arg(100)
    ->Arg(150)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Pointer moves inside one key: no repaint once the key is hovered.
void BM_PointerMoveWithinOneKey(benchmark::State& state) {
    Window w;
    const auto& k = KeyPictureTable()[50];
    const int y = (k.top + k.bottom) / 2 + kKeyboardPictureY;
    w.controller.mouseMove(k.left + kKeyboardPictureX, y, false);
    const int before = w.controller.repaintRequests();
    std::int64_t moves = 0;
    for (auto _ : state) {
        for (int x = k.left; x <= k.right; ++x) {
            w.controller.mouseMove(x + kKeyboardPictureX, y, false);
            ++moves;
        }
    }
    state.counters["repaints_per_move"] =
        static_cast<double>(w.controller.repaintRequests() - before) / static_cast<double>(moves);
}
BENCHMARK(BM_PointerMoveWithinOneKey);

// Pointer moves across the letter row: one repaint per key change.
void BM_PointerMoveAcrossKeys(benchmark::State& state) {
    Window w;
    const auto& first = KeyPictureTable()[42];
    const auto& last = KeyPictureTable()[53];
    const int y = (first.top + first.bottom) / 2 + kKeyboardPictureY;
    std::int64_t moves = 0;
    const int before = w.controller.repaintRequests();
    for (auto _ : state) {
        for (int x = first.left; x <= last.right; ++x) {
            w.controller.mouseMove(x + kKeyboardPictureX, y, false);
            ++moves;
        }
    }
    state.counters["repaints_per_move"] =
        static_cast<double>(w.controller.repaintRequests() - before) / static_cast<double>(moves);
}
BENCHMARK(BM_PointerMoveAcrossKeys);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
