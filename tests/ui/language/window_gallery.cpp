// SPDX-License-Identifier: MIT
#include "window_gallery.h"

#include "../capture/fake_key_hook.h"
#include "../dialog_fakes.h"
#include "../keymap/keymap_fakes.h"
#include "../lighting/lighting_fakes.h"
#include "../macros/macro_fakes.h"
#include "core/layout/key_map_layout.h"
#include "core/layout/macro_dialog_layout.h"
#include "core/layout/main_window_layout.h"
#include "core/macro/macro_list.h"
#include "core/model/configurator_model.h"
#include "core/model/key_names.h"
#include "core/model/key_positions.h"
#include "core/model/profile_store.h"
#include "core/model/state_files.h"
#include "support/temp_dir.h"
#include "ui/keymap/key_map_dialog.h"
#include "ui/lighting/custom_colour_dialog.h"
#include "ui/lighting/key_picture_faces.h"
#include "ui/lighting/lighting_page.h"
#include "ui/macros/macro_record_dialog.h"
#include "ui/main_window_controller.h"
#include "ui/profiles/configure_dialog.h"
#include "ui/profiles/programs_dialog.h"
#include "ui/skin/skin_painter.h"
#include "ui/widgets/vivid_tree.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTest>
#include <utility>
#include <gtest/gtest.h>

namespace vantrel::ui::testing {
namespace {

namespace km = vantrel::layout::key_map;
namespace md = vantrel::layout::macro_dialog;

// Hands each picture over with the labels drawn for it alone, and with the
// picture drawn once more without them when faces are asked for. The
// states only the faces need are left out of the plain shots.
class Shots {
public:
    Shots(SkinPainter& painter, const ShotSink& sink) : painter_(painter), sink_(&sink) {
        painter_.setLabelLog(&labels_);
    }
    Shots(SkinPainter& painter, const FaceSink& faces) : painter_(painter), faces_(&faces) {
        painter_.setLabelLog(&labels_);
    }
    ~Shots() { painter_.setLabelLog(nullptr); }
    bool wantsFaces() const { return faces_ != nullptr; }
    void takeWindow(const QString& name, QWidget& window) {
        const auto grab = [&window] { return window.grab().toImage(); };
        take(name, grab, &window);
    }
    template <class Draw> void take(const QString& name, Draw draw, QWidget* window = nullptr) {
        QCoreApplication::processEvents();
        labels_.clear();
        const QImage picture = draw();
        if (sink_) {
            (*sink_)(name, picture, labels_);
            return;
        }
        const std::vector<DrawnLabel> labels = labels_;
        painter_.setLabelsHidden(true);
        const QImage bare = draw();
        painter_.setLabelsHidden(false);
        (*faces_)({name, picture, bare, labels, window});
    }

private:
    SkinPainter& painter_;
    const ShotSink* sink_ = nullptr;
    const FaceSink* faces_ = nullptr;
    std::vector<DrawnLabel> labels_;
};

// The middle of a region, where a pointer rests on it.
template <class Region> QPoint middleOf(const Region& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void fillPalettes(ConfiguratorModel& model) {
    const Rgb palette[7] = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                            {0, 128, 255}, {0, 0, 255},   {128, 0, 255}};
    for (std::size_t i = 0; i < 7; ++i) {
        model.image().setKeyColour(i, palette[i]);
        model.image().setWristColour(i, palette[6 - i]);
    }
    model.image().setLightColourIndex(3);
    model.image().setLightBrightness(30);
    model.image().setLightSpeed(4);
}

void drawMainWindow(UiLanguage language, SkinPainter& painter, Shots& shots) {
    vantrel::testing::TempDir temp;
    ConfiguratorModel model;
    fillPalettes(model);
    MainWindowController controller{model, DataFolder(temp.path()), painter, {}, language};
    FakeColourChooser chooser{model};
    KeyPictureFaces faces;
    LightingPage page{model, controller.state(), controller, chooser, faces, language};
    controller.setLightingPanel(&page);
    // The screen's scale, as the window composes at it.
    const qreal scale = qGuiApp->devicePixelRatio();
    auto click = [&](int x, int y) {
        controller.mousePress(x, y);
        controller.mouseRelease(x, y);
    };
    model.image().setLightEffect(2);
    shots.take(QStringLiteral("main"), [&] { return controller.compose(scale); });
    click(944, 12); // help
    shots.take(QStringLiteral("main-help"), [&] { return controller.compose(scale); });
    click(944, 12);
    click(100, 140); // effect box
    shots.take(QStringLiteral("main-effects"), [&] { return controller.compose(scale); });
    if (shots.wantsFaces()) {
        controller.mouseMove(100, layout::kKeyboardListTop + layout::kListRowHeight / 2, false);
        shots.take(QStringLiteral("main-effects-hovered"),
                   [&] { return controller.compose(scale); });
    }
    click(100, 140);
    click(100, 324); // wrist effect box
    shots.take(QStringLiteral("main-wrist-effects"), [&] { return controller.compose(scale); });
    if (shots.wantsFaces()) {
        controller.mouseMove(100, layout::kWristListTop + layout::kListRowHeight / 2, false);
        shots.take(QStringLiteral("main-wrist-effects-hovered"),
                   [&] { return controller.compose(scale); });
    }
    click(100, 324);
    model.image().setLightEffect(3);
    shots.take(QStringLiteral("main-direction"), [&] { return controller.compose(scale); });
    model.image().setLightEffect(51);
    shots.take(QStringLiteral("main-diy"), [&] { return controller.compose(scale); });
}

void drawKeyMap(UiLanguage language, SkinPainter& painter, Shots& shots) {
    ConfiguratorModel model;
    for (std::size_t k = 0; k < kKeyPositionCount; ++k) {
        model.image().setKeyEnabled(KeyPositionEnableBit(k), true);
    }
    model.assignments().writeOwnKeys();
    for (const char16_t* name : {u"Copy", u"Paste"}) {
        const std::vector<MacroEvent> ev = {{false, 0x04, 0x41, 1}, {true, 0x04, 0x41, 1}};
        (void)addMacro(model.macros(), name, 1, false, *MacroStreams::fromEvents(ev));
    }
    PendingAssignment pending;
    KeyMapFilePicker files;
    FakeKeyHook hook;
    CKeyMap d(model, pending, painter, language, files, hook);
    d.prepare(1);
    d.show();
    auto tab = [&](int b) {
        const auto& r = km::kButtonRegions[static_cast<std::size_t>(b)];
        d.controller().release((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    shots.takeWindow(QStringLiteral("keymap-0"), d);
    if (shots.wantsFaces()) {
        for (const auto& [b, name] :
             {std::pair{km::kDefault, "default"}, std::pair{km::kCancel, "cancel"},
              std::pair{km::kSave, "save"}}) {
            const QPoint at = middleOf(km::kButtonRegions[static_cast<std::size_t>(b)]);
            d.controller().hover(at.x(), at.y());
            shots.takeWindow(QStringLiteral("keymap-over-") + QLatin1String(name), d);
        }
        d.controller().leave();
    }
    tab(km::kTabMacro);
    shots.takeWindow(QStringLiteral("keymap-1"), d);
    tab(km::kTabBasic);
    d.tree()->expandAll();
    shots.takeWindow(QStringLiteral("keymap-2"), d);
    tab(km::kTabAdvanced);
    tab(km::kDisableBox);
    shots.takeWindow(QStringLiteral("keymap-3"), d);
    d.reject();
}

void drawMacroManager(UiLanguage language, SkinPainter& painter, Shots& shots) {
    KeyNameTable names = BuildKeyNameTable();
    FakeClock clock;
    FakeKeyHook hook;
    CMacroRecordDlg d(names, clock.clock(), painter, language, hook);
    d.start(MacroTable{});
    d.show();
    clickArea(d, md::kNew);
    shots.takeWindow(QStringLiteral("macro"), d);
    const auto overEach = [&](const QString& state) {
        if (!shots.wantsFaces()) {
            return;
        }
        for (const auto& [area, name] :
             {std::pair{md::kRecord, "record"}, std::pair{md::kNew, "new"},
              std::pair{md::kDelete, "delete"}, std::pair{md::kOk, "ok"},
              std::pair{md::kCancel, "cancel"}}) {
            const QPoint at = centreOfArea(area);
            d.controller().hover(at.x(), at.y());
            shots.takeWindow(state + QStringLiteral("-over-") + QLatin1String(name), d);
        }
        d.controller().leave();
    };
    overEach(QStringLiteral("macro"));
    clickArea(d, md::kRecord);
    shots.takeWindow(QStringLiteral("macro-recording"), d);
    overEach(QStringLiteral("macro-recording"));
    clickArea(d, md::kRecord);
    d.reject();
}

void drawProfilesAndColours(UiLanguage language, SkinPainter& painter, Shots& shots) {
    vantrel::testing::TempDir temp;
    ConfiguratorModel model;
    ProfileStore store(temp / "Configure");
    FakeFilePicker files;
    CConfigureDlg profiles(model, store, painter, language, files);
    profiles.show();
    shots.takeWindow(QStringLiteral("profiles"), profiles);
    profiles.reject();

    // With a profile and a bound program, and the note of a desktop that
    // cannot list its windows: every text it can show.
    std::filesystem::create_directories(temp / "Configure");
    ASSERT_TRUE(
        SaveKeymapFile(temp / "Configure" / "Racing.bin", ConfigImage{}, AssignmentTable{}));
    ProgramBindings bound;
    bound.bind("/usr/games/supertuxkart", "Racing");
    ASSERT_TRUE(SaveBindingsFile(temp / "bindings.conf", bound));
    ProgramsDialogController::Ports ports;
    ports.files = &files;
    ports.windows = []() -> Result<std::vector<platform::OpenWindow>> {
        return makeError(ErrorCode::Unsupported, "no list");
    };
    CProgramsDlg programs(temp / "Configure", temp / "bindings.conf", painter, language,
                          std::move(ports));
    programs.controller().open(QStringLiteral("Racing"));
    programs.show();
    shots.takeWindow(QStringLiteral("programs"), programs);
    programs.reject();

    CCustomColorDialog colours(model, painter, SkinFolder::of(language, {}), language);
    model.setExchangeColour(Rgb{255, 0, 0});
    colours.startFromExchangeColour();
    colours.show();
    shots.takeWindow(QStringLiteral("colours"), colours);
    colours.reject();
}

template <class Sink> void drawAll(UiLanguage language, const Sink& sink) {
    lightingTestApp();
    vantrel::testing::TempDir skinsDir;
    SkinStore skins(skinsDir.path());
    SkinPainter painter{skins};
    Shots shots(painter, sink);
    drawMainWindow(language, painter, shots);
    drawKeyMap(language, painter, shots);
    drawMacroManager(language, painter, shots);
    drawProfilesAndColours(language, painter, shots);
}

} // namespace

void drawEveryWindow(UiLanguage language, const ShotSink& shot) {
    drawAll(language, shot);
}

void drawEveryFace(UiLanguage language, const FaceSink& face) {
    drawAll(language, face);
}

} // namespace vantrel::ui::testing
