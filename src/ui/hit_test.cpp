// SPDX-License-Identifier: MIT
#include "ui/hit_test.h"

#include "core/lighting/effect_tables.h"
#include "core/model/key_picture_table.h"

namespace vantrel::ui {
namespace {

constexpr std::array<Region, kRegionCount> buildRegions() {
    std::array<Region, kRegionCount> t{};
    t[0] = {936, 5, 952, 20};
    t[1] = {957, 5, 973, 20};
    t[2] = {978, 5, 994, 20};
    t[3] = {28, 133, 248, 148};
    t[4] = {116, 152, 130, 167};
    t[5] = {148, 152, 162, 167};
    t[6] = {179, 152, 193, 167};
    t[7] = {211, 152, 225, 167};
    for (int k = 0; k < 8; ++k) {
        const int left = k == 7 ? 202 : 28 + 25 * k;
        t[8 + k] = {left, 179, left + 20, 199};
    }
    t[16] = {94, 578, 114, 598};
    t[17] = {231, 578, 251, 598};
    t[18] = {25, 610, 83, 633};
    t[19] = {107, 610, 164, 632};
    t[20] = {800, 605, 857, 635};
    t[21] = {0, 0, 0, 0}; // the origin pixel only
    t[22] = {868, 610, 926, 633};
    t[23] = {28, 317, 248, 332};
    t[24] = {116, 337, 151, 352};
    t[25] = {148, 337, 183, 352};
    for (int k = 0; k < 8; ++k) {
        const int left = k == 7 ? 203 : 28 + 25 * k;
        t[26 + k] = {left, 355, left + 20, 375};
    }
    t[34] = {1, 0, 0, 0}; // never matches
    return t;
}

constexpr std::array<Region, kRegionCount> kRegions = buildRegions();
constexpr Region kKeymapRadio{28, 175, 42, 189};
constexpr Region kDiyRadio{130, 175, 144, 189};

bool unclickableInAssignmentView(int key) {
    return key == 95 || key == 96 || key == 100 || key == 102;
}

} // namespace

const std::array<Region, kRegionCount>& ButtonRegionTable() {
    return kRegions;
}

int HitTestButton(int x, int y, int lightEffect) {
    if (lightEffect >= lighting::kFirstPerKeyEffect) {
        if (kKeymapRadio.contains(x, y)) {
            return kCmdKeymapRadio;
        }
        if (kDiyRadio.contains(x, y)) {
            return kCmdDiyRadio;
        }
    }
    for (int i = 0; i < kRegionCount; ++i) {
        if (kRegions[i].contains(x, y)) {
            return i;
        }
    }
    return kCmdNone;
}

int HitTestKey(int x, int y, bool perKeyColourView) {
    const auto& keys = KeyPictureTable();
    for (int i = 0; i < static_cast<int>(keys.size()); ++i) {
        if (keys[i].contains(x - kKeyboardPictureX, y - kKeyboardPictureY)) {
            if (!perKeyColourView && unclickableInAssignmentView(i)) {
                return -1;
            }
            return i;
        }
    }
    return -1;
}

} // namespace vantrel::ui
