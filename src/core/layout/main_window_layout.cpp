// SPDX-License-Identifier: MIT
#include "core/layout/main_window_layout.h"

#include "core/lighting/effect_tables.h"
#include "core/model/key_picture_table.h"

namespace vantrel::layout {
namespace {

constexpr std::array<Region, kMainRegionCount> buildRegions() {
    std::array<Region, kMainRegionCount> t{};
    t[kCmdHelp] = {936, 5, 952, 20};
    t[kCmdMinimise] = {957, 5, 973, 20};
    t[kCmdClose] = {978, 5, 994, 20};
    t[kCmdEffectBox] = {28, 133, 248, 148};
    t[kCmdArrowTop] = {116, 152, 130, 167};
    t[kCmdArrowBottom] = {148, 152, 162, 167};
    t[kCmdArrowRight] = {179, 152, 193, 167};
    t[kCmdArrowLeft] = {211, 152, 225, 167};
    for (int k = 0; k < 8; ++k) {
        const int left = k == 7 ? 202 : 28 + 25 * k;
        t[kCmdFirstSwatch + k] = {left, 179, left + 20, 199};
    }
    t[kCmdGameMode] = {94, 578, 114, 598};
    t[kCmdWinLock] = {231, 578, 251, 598};
    t[kCmdProfiles] = {25, 610, 83, 633};
    t[kCmdMacros] = {107, 610, 164, 632};
    t[kCmdNoAction] = {800, 605, 857, 635};
    t[kCmdRevert] = {0, 0, 0, 0};
    t[kCmdApply] = {868, 610, 926, 633};
    t[kCmdWristBox] = {28, 317, 248, 332};
    t[kCmdWristChoice0] = {116, 337, 151, 352};
    t[kCmdWristChoice1] = {148, 337, 183, 352};
    for (int k = 0; k < 8; ++k) {
        const int left = k == 7 ? 203 : 28 + 25 * k;
        t[kCmdFirstWristSwatch + k] = {left, 355, left + 20, 375};
    }
    t[34] = {1, 0, 0, 0}; // never matches
    return t;
}

constexpr std::array<Region, kMainRegionCount> kRegions = buildRegions();

bool unclickableInAssignmentView(int key) {
    return key == 95 || key == 96 || key == 100 || key == 102;
}

} // namespace

const std::array<Region, kMainRegionCount>& ButtonRegionTable() {
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
    return hitTest(kRegions, x, y, kCmdNone);
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

} // namespace vantrel::layout
