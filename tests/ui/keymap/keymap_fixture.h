// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/key_map_layout.h"
#include "core/macro/macro_list.h"
#include "core/model/configurator_model.h"
#include "core/model/key_positions.h"
#include "keymap_fakes.h"
#include "support/temp_dir.h"
#include "ui/skin/skin_painter.h"

#include <gtest/gtest.h>
#include <memory>

namespace vantrel::ui::testing {

namespace km = vantrel::layout::key_map;

constexpr std::size_t kEscKey = 0;    // virtual-key code 0x1B
constexpr std::size_t kF1Key = 1;     // 0x70
constexpr std::size_t kGmodeKey = 16; // 0xE2, a code without a name

// Two clicks of one macro key (A), as macros hold them.
inline MacroStreams clickA() {
    const std::vector<MacroEvent> ev = {{false, 0x04, 0x41, 1}, {true, 0x04, 0x41, 1}};
    return *MacroStreams::fromEvents(ev);
}

// The key assignment dialog's controller on a model, with its controls,
// host and pickers answered by the test.
class KeyMapControllerTest : public ::testing::Test {
protected:
    KeyMapControllerTest() : skins(dir.path()) {
        // Every key enabled, each record naming its own key, as after a read.
        for (std::size_t k = 0; k < kKeyPositionCount; ++k) {
            model.image().setKeyEnabled(KeyPositionEnableBit(k), true);
        }
        model.assignments().writeOwnKeys();
        useLanguage(UiLanguage{});
    }

    void useLanguage(UiLanguage language) {
        controller = std::make_unique<KeyMapController>(model, pending, painter, language, files,
                                                        host, view);
        view.controller = controller.get();
    }
    // Opens on `key` with the key capture in place.
    void openOn(std::size_t key) {
        controller->open(static_cast<int>(key));
        controller->setHookInstalled(true);
    }
    static QPoint centre(const layout::Region& r) {
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void click(QPoint at) { controller->release(at.x(), at.y()); }
    void click(int button) { click(centre(km::kButtonRegions[static_cast<std::size_t>(button)])); }
    void clickRow(int row, int part) {
        click(
            centre(km::kAdvancedRegions[static_cast<std::size_t>(row * km::kPartsPerRow + part)]));
    }
    void press(std::uint8_t vk) { controller->keyCaptured(vk); }
    AssignmentRecord& record(std::size_t key) { return model.assignments()[key]; }
    std::vector<std::uint8_t> entry(std::size_t key) const {
        const auto e = model.image().keyTableEntry(KeyPositionMatrixCode(key));
        return {e.begin(), e.end()};
    }
    Status commit() { return assignKey(model, pending, dir / "keymap.bin"); }
    std::uint8_t kind() const { return pending.PendingKind; }
    static std::uint8_t kindOf(AssignmentKind k) { return static_cast<std::uint8_t>(k); }
    // The row of the basic function with this (other-language) name.
    static int functionRow(std::string_view name) {
        const auto table = BasicFunctionTable();
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (table[i].russianName == name) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    vantrel::testing::TempDir dir;
    ConfiguratorModel model;
    PendingAssignment pending;
    SkinStore skins;
    SkinPainter painter{skins};
    KeyMapFilePicker files;
    FakeDialogHost host;
    FakeKeyMapView view;
    std::unique_ptr<KeyMapController> controller;
};

} // namespace vantrel::ui::testing
