// SPDX-License-Identifier: MIT
#pragma once

#include "core/layout/region.h"

#include <array>
#include <cstddef>

// The key assignment dialog's face, in client pixels: its clickable regions,
// the rows of the advanced tab and the places of its four controls. The
// dialog hit-tests and paints from these tables and the skin generator
// draws its pictures from them.
namespace vantrel::layout::key_map {

// The dialog's tables say "no region" with 255.
inline constexpr int kNone = 255;

enum Button : int {
    kCloseBox = 0,
    kTabKeys = 1, // single key / combination
    kTabMacro = 2,
    kTabBasic = 3,
    kTabAdvanced = 4,
    kOptionStrip = 5, // lies over the tab strip; no action
    kDisableBox = 6,
    kDefault = 7,
    kCancel = 8,
    kSave = 9,
};
inline constexpr std::size_t kButtonCount = 10;
inline constexpr int kTabCount = 4;

// KeyMapButtonTable: rectangles, inclusive.
inline constexpr std::array<Region, kButtonCount> kButtonRegions{{
    {371, 8, 377, 15},
    {0, 28, 94, 55},
    {97, 28, 191, 55},
    {194, 28, 288, 55},
    {291, 28, 385, 55},
    {0, 30, 325, 36},
    {19, 351, 29, 360},
    {130, 346, 200, 368},
    {220, 346, 290, 368},
    {310, 346, 380, 368},
}};

// The pictures of each region: normal, over, and the third of the table.
struct ButtonImages {
    const char* normal;
    const char* over;
    const char* third;
};
inline constexpr std::array<ButtonImages, kButtonCount> kButtonImages{{
    {"button-close-normal.png", "button-close-over.png", nullptr},
    {"large_button.png", "large_button.png", nullptr},
    {"large_button.png", "large_button.png", nullptr},
    {"large_button.png", "large_button.png", "large_button.png"},
    {"large_button.png", "large_button.png", "large_button.png"},
    {"single_combine_option.png", "single_combine_option.png", "single_combine_option.png"},
    {"Disable.png", "Enable.png", "Disable.png"},
    {"button-cancel-normal.png", "button-cancel-over.png", "button-cancel-normal.png"},
    {"button-cancel-normal.png", "button-cancel-over.png", "button-cancel-normal.png"},
    {"button-save-normal.png", "button-save-over.png", "button-save-normal.png"},
}};

// The check box is easy to miss: it answers 5 pixels around its picture.
inline constexpr int kDisableMargin = 5;
// The close box's picture is larger than its few pixels, centred on them.
inline constexpr int kCloseImageInset = 4;

// The check box first (with its margin), then the table, first match wins.
constexpr int hitTestButtons(int x, int y) {
    if (kButtonRegions[kDisableBox].grown(kDisableMargin).contains(x, y)) {
        return kDisableBox;
    }
    return hitTest(kButtonRegions, x, y, kNone);
}

// --- the advanced tab ------------------------------------------------------

inline constexpr int kAdvancedRows = 4;
enum AdvancedPart : int { kRowMarker = 0, kRowLabel = 1, kRowPath = 2, kRowBrowse = 3 };
inline constexpr int kPartsPerRow = 4;
// The rows are drawn 60 pixels apart while their click rectangles lie 62
// apart; the first row is drawn where it is clicked.
inline constexpr int kRowDrawPitch = 60;
inline constexpr int kRowClickPitch = 62;

inline constexpr std::array<Region, kPartsPerRow> kFirstRowRegions{{
    {1, 85, 11, 94},
    {15, 81, 246, 106},
    {83, 79, 314, 104},
    {320, 82, 380, 107},
}};

// AdvancedRegionTable: index kPartsPerRow * row + part.
inline constexpr std::size_t kAdvancedRegionCount = std::size_t{kAdvancedRows} * kPartsPerRow;
constexpr std::array<Region, kAdvancedRegionCount> makeAdvancedRegionTable() {
    std::array<Region, kAdvancedRegionCount> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto row = static_cast<int>(i / kPartsPerRow);
        table[i] = kFirstRowRegions[i % kPartsPerRow].shifted(0, row * kRowClickPitch);
    }
    return table;
}
inline constexpr auto kAdvancedRegions = makeAdvancedRegionTable();

constexpr int hitTestAdvanced(int x, int y) {
    return hitTest(kAdvancedRegions, x, y, kNone);
}

// Where each row's pictures and texts are drawn (row 0; add kRowDrawPitch
// per row).
struct Point {
    int x, y;
};
inline constexpr Point kMarkerAt{1, 85};
inline constexpr Point kPathBoxAt{86, 79};
inline constexpr Point kBrowseAt{320, 82};
inline constexpr Point kPathTextAt{90, 85};
// The path box's size and the browse button's (its click rectangle's).
inline constexpr int kPathBoxWidth = 229;
inline constexpr int kPathBoxHeight = 25;
inline constexpr int kBrowseWidth = 61;
inline constexpr int kBrowseHeight = 26;

constexpr int rowY(int y, int row) {
    return y + row * kRowDrawPitch;
}

// --- controls ----------------------------------------------------------------

inline constexpr Region kTree{10, 60, 369, 309};        // 360 x 250, tab 2
inline constexpr Region kMacroList{10, 60, 369, 309};   // 360 x 250, tab 1
inline constexpr Region kSingleField{12, 97, 373, 111}; // 362 x 15, tab 0
inline constexpr Region kComboField{12, 186, 373, 200}; // 362 x 15, tab 0
// The tree's item icon.
inline constexpr int kTreeIconSize = 16;

// The background picture's size.
inline constexpr int kWidth = 386;
inline constexpr int kHeight = 378;
// The tab strip and the panel the tabs' contents sit on.
inline constexpr Region kTabStrip{0, 28, 385, 55};
inline constexpr Region kContent{0, 58, 385, 336};

} // namespace vantrel::layout::key_map
