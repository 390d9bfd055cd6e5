// SPDX-License-Identifier: MIT
// The regions screen readers and the keyboard get are the ones the window
// hit-tests: a press on a region's centre reaches that region, in every
// view, and the keyboard moves between them as the picture lies.
#include "../controller_fixture.h"
#include "../lighting/lighting_fakes.h"
#include "core/lighting/effect_tables.h"
#include "ui/access/face_keyboard.h"
#include "ui/lighting/lighting_controller.h"
#include "ui/lighting/lighting_page.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace vantrel::ui {
namespace {

int commandOf(const AccessRegion& r) {
    return r.id.startsWith(QLatin1String("cmd:")) ? r.id.mid(4).toInt() : -1;
}

class PanelRegions : public ::testing::Test {
protected:
    PanelRegions() { testing::lightingTestApp(); }
    AccessRegions regions() const {
        AccessRegions out;
        page.describe(out);
        return out;
    }
    int count(const AccessRegions& all, QAccessible::Role role) const {
        return static_cast<int>(
            std::count_if(all.begin(), all.end(), [&](const auto& r) { return r.role == role; }));
    }
    // Every command region answers a press on its centre.
    void expectHitTestsAgree(const AccessRegions& all) const {
        for (const AccessRegion& r : all) {
            if (const int c = commandOf(r); c >= 0) {
                const QPoint p = r.rect.center();
                EXPECT_EQ(layout::HitTestButton(p.x(), p.y(), model.image().lightEffect()), c)
                    << r.name.toStdString();
                EXPECT_FALSE(r.name.isEmpty()) << c;
            }
        }
    }

    ConfiguratorModel model;
    MainViewState view;
    testing::FakePanelHost host{model.image()};
    testing::FakeColourChooser chooser{model};
    testing::FakeKeyFaces keys;
    LightingPage page{model, view, host, chooser, keys, UiLanguage{9}};
};

TEST_F(PanelRegions, EachEffectShowsItsOwnRegionsWhereTheyAreHit) {
    model.image().setLightEffect(lighting::kEffectSteady);
    AccessRegions steady = regions();
    expectHitTestsAgree(steady);
    EXPECT_EQ(count(steady, QAccessible::ComboBox), 2);
    EXPECT_EQ(count(steady, QAccessible::CheckBox), 2); // game mode, Win lock

    model.image().setLightEffect(lighting::kEffectWave);
    const AccessRegions wave = regions();
    expectHitTestsAgree(wave);
    EXPECT_EQ(std::count_if(wave.begin(), wave.end(),
                            [](const auto& r) { return r.group == QLatin1String("direction"); }),
              4);

    model.image().setLightEffect(lighting::kFirstPerKeyEffect);
    view.perKeyColourView = true;
    const AccessRegions perKey = regions();
    expectHitTestsAgree(perKey);
    const auto diy = std::find_if(perKey.begin(), perKey.end(), [](const auto& r) {
        return commandOf(r) == layout::kCmdDiyRadio;
    });
    ASSERT_NE(diy, perKey.end());
    EXPECT_TRUE(diy->checked);
    // No keyboard palette under the radio buttons.
    EXPECT_EQ(std::count_if(perKey.begin(), perKey.end(),
                            [](const auto& r) {
                                const int c = commandOf(r);
                                return c >= layout::kCmdFirstSwatch && c <= layout::kCmdLastSwatch;
                            }),
              0);
}

TEST_F(PanelRegions, AnOpenListGivesItsRowsWhereTheListHitsThem) {
    model.image().setLightEffect(lighting::kEffectWave);
    view.effectListOpen = true;
    const AccessRegions all = regions();
    int rows = 0;
    for (const AccessRegion& r : all) {
        if (r.parentId == QLatin1String("effects")) {
            const QPoint p = r.rect.center();
            EXPECT_EQ(LightingController::keyboardListItemAt(p.x(), p.y()), rows);
            EXPECT_EQ(r.selected,
                      lighting::keyboardEffects()[static_cast<std::size_t>(rows)].code ==
                          lighting::kEffectWave);
            ++rows;
        }
    }
    EXPECT_EQ(rows, static_cast<int>(lighting::kKeyboardEffectCount));
    // The list covers the keyboard's direction arrows and swatches.
    EXPECT_TRUE(std::none_of(all.begin(), all.end(),
                             [](const auto& r) { return r.group == QLatin1String("direction"); }));
}

class WindowRegions : public testing::ControllerTest {};

TEST_F(WindowRegions, KeysAreWhereTheyAreHitAndTheUnchoosableOnesAreUnavailable) {
    const AccessRegions all = controller.accessRegions();
    int keys = 0;
    for (const AccessRegion& r : all) {
        if (!r.id.startsWith(QLatin1String("key:"))) {
            continue;
        }
        const int k = r.id.mid(4).toInt();
        const QPoint p = r.rect.center();
        const int hit = controller.hitTestKey(p.x(), p.y());
        EXPECT_EQ(r.disabled, hit != k) << k;
        EXPECT_TRUE(hit == k || k == 95 || k == 96 || k == 100 || k == 102) << k;
        EXPECT_EQ(r.parentId, QLatin1String("keyboard"));
        ++keys;
    }
    EXPECT_EQ(keys, 108);
    // Reading order: the title strip first, "Apply" after the keys.
    EXPECT_EQ(all.front().name, QLatin1String("Help"));
    EXPECT_EQ(all.back().id, QStringLiteral("cmd:%1").arg(layout::kCmdApply));
}

TEST_F(WindowRegions, ActivatingARegionDoesWhatItsClickDoes) {
    const AccessRegions all = controller.accessRegions();
    const auto find = [&](const QString& id) {
        return *std::find_if(all.begin(), all.end(), [&](const auto& r) { return r.id == id; });
    };
    const std::uint8_t game = model.image().gameMode();
    controller.activateRegion(find(QStringLiteral("cmd:%1").arg(layout::kCmdProfiles)));
    EXPECT_EQ(dialogs.profileRuns, 1);
    controller.activateRegion(find(QStringLiteral("key:42")));
    ASSERT_EQ(dialogs.assigned.size(), 1u);
    EXPECT_EQ(dialogs.assigned[0], 42);
    // An unavailable key does nothing, as its click would not.
    controller.activateRegion(find(QStringLiteral("key:96")));
    EXPECT_EQ(dialogs.assigned.size(), 1u);
    EXPECT_EQ(model.image().gameMode(), game);
}

// A face of a grid of keys, a palette, a slider and a box with a list.
class GridFace : public AccessibleFace {
public:
    AccessRegions accessRegions() override {
        AccessRegions out;
        const auto add = [&](QString id, QRect rect, QString group = {}) {
            AccessRegion r;
            r.id = std::move(id);
            r.name = r.id;
            r.rect = rect;
            r.group = std::move(group);
            out.push_back(r);
            return &out.back();
        };
        AccessRegion* box = add(QStringLiteral("box"), QRect(0, 0, 100, 10));
        box->opens = QStringLiteral("list");
        box->expanded = listOpen;
        if (listOpen) {
            for (int i = 0; i < 3; ++i) {
                AccessRegion* row =
                    add(QStringLiteral("row%1").arg(i), QRect(0, 10 + 10 * i, 100, 10));
                row->parentId = QStringLiteral("list");
                row->role = QAccessible::ListItem;
                row->selected = i == chosen;
            }
            return out;
        }
        for (int i = 0; i < 3; ++i) {
            AccessRegion* s = add(QStringLiteral("swatch%1").arg(i), QRect(25 * i, 20, 20, 20),
                                  QStringLiteral("palette"));
            s->checked = i == 2;
        }
        AccessRegion* slider = add(QStringLiteral("slider"), QRect(0, 50, 100, 10));
        slider->slider = true;
        slider->maximum = 3;
        slider->position = position;
        // Two rows of keys; the second's first key is wide.
        add(QStringLiteral("q"), QRect(0, 100, 24, 24), QStringLiteral("keys"));
        add(QStringLiteral("w"), QRect(25, 100, 24, 24), QStringLiteral("keys"));
        add(QStringLiteral("e"), QRect(50, 100, 24, 24), QStringLiteral("keys"));
        add(QStringLiteral("shift"), QRect(0, 125, 49, 24), QStringLiteral("keys"));
        add(QStringLiteral("z"), QRect(50, 125, 24, 24), QStringLiteral("keys"));
        return out;
    }
    void activateRegion(const AccessRegion& r) override {
        activated.push_back(r.id);
        if (r.id == QLatin1String("box")) {
            listOpen = !listOpen;
        } else if (r.parentId == QLatin1String("list")) {
            chosen = r.id.mid(3).toInt();
            listOpen = false;
        }
    }
    void setRegionPosition(const AccessRegion&, int p) override { position = p; }

    bool listOpen = false;
    int chosen = 1;
    int position = 0;
    std::vector<QString> activated;
};

class FaceKeys : public ::testing::Test {
protected:
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        const QKeyEvent e(QEvent::KeyPress, k, m);
        keyboard.keyPress(e, face);
    }
    GridFace face;
    FaceKeyboard keyboard;
};

TEST_F(FaceKeys, TabStopsOncePerGroupAtItsChosenMemberAndEndsAfterTheLast) {
    std::vector<QString> stops;
    while (keyboard.step(face, true)) {
        stops.push_back(keyboard.focus());
    }
    EXPECT_EQ(stops, (std::vector<QString>{QStringLiteral("box"), QStringLiteral("swatch2"),
                                           QStringLiteral("slider"), QStringLiteral("q")}));
    ASSERT_TRUE(keyboard.step(face, false)); // from outside, backwards: the last stop
    EXPECT_EQ(keyboard.focus(), QStringLiteral("q"));
    EXPECT_TRUE(keyboard.step(face, false));
    EXPECT_EQ(keyboard.focus(), QStringLiteral("slider"));
}

TEST_F(FaceKeys, ArrowsGoToTheKeyInThatDirectionAndStopAtTheEdge) {
    while (keyboard.focus() != QLatin1String("q")) {
        ASSERT_TRUE(keyboard.step(face, true));
    }
    key(Qt::Key_Right);
    EXPECT_EQ(keyboard.focus(), QStringLiteral("w"));
    key(Qt::Key_Down); // w lies over the wide shift key's right half
    EXPECT_EQ(keyboard.focus(), QStringLiteral("shift"));
    key(Qt::Key_Right);
    EXPECT_EQ(keyboard.focus(), QStringLiteral("z"));
    key(Qt::Key_Down); // nothing below: stays
    EXPECT_EQ(keyboard.focus(), QStringLiteral("z"));
    key(Qt::Key_Up);
    EXPECT_EQ(keyboard.focus(), QStringLiteral("e"));
    key(Qt::Key_Space);
    EXPECT_EQ(face.activated, std::vector<QString>{QStringLiteral("e")});
}

TEST_F(FaceKeys, SliderArrowsStepWithinTheRange) {
    keyboard.step(face, true);
    keyboard.step(face, true);
    keyboard.step(face, true);
    ASSERT_EQ(keyboard.focus(), QStringLiteral("slider"));
    key(Qt::Key_Left);
    EXPECT_EQ(face.position, 0);
    for (int i = 0; i < 5; ++i) {
        key(Qt::Key_Right);
    }
    EXPECT_EQ(face.position, 3);
    key(Qt::Key_Down);
    EXPECT_EQ(face.position, 2);
}

TEST_F(FaceKeys, AnOpenedListTakesTheFocusAtItsChoiceAndGivesItBack) {
    keyboard.step(face, true);
    key(Qt::Key_Return);
    ASSERT_TRUE(face.listOpen);
    EXPECT_EQ(keyboard.focus(), QStringLiteral("row1"));
    key(Qt::Key_Down);
    key(Qt::Key_Down); // the last row: stays
    EXPECT_EQ(keyboard.focus(), QStringLiteral("row2"));
    key(Qt::Key_Return);
    EXPECT_EQ(face.chosen, 2);
    EXPECT_FALSE(face.listOpen);
    key(Qt::Key_Down); // the row is gone: the focus is on the box again
    EXPECT_EQ(keyboard.focus(), QStringLiteral("box"));

    key(Qt::Key_Space);
    ASSERT_TRUE(face.listOpen);
    key(Qt::Key_Escape);
    EXPECT_FALSE(face.listOpen);
    EXPECT_EQ(face.chosen, 2);
    EXPECT_EQ(keyboard.focus(), QStringLiteral("box"));
}

} // namespace
} // namespace vantrel::ui
