// SPDX-License-Identifier: MIT
#include "core/model/key_picture_table.h"

namespace vantrel {
namespace {

// Rows of the picture (top edge of each row's keys).
constexpr int kFunctionRow = 106;
constexpr int kNumberRow = 139;
constexpr int kTabRow = 164;
constexpr int kCapsRow = 189;
constexpr int kShiftRow = 214;
constexpr int kBottomRow = 239;
constexpr int kKey = 24;   // ordinary key edge
constexpr int kPitch = 25; // ordinary key pitch

// Columns shared by several rows.
constexpr int kNavX = 429;    // Ins/Del/Prnt/Left column; then +25, +50
constexpr int kPadX = 512;    // first numpad column; then +25, +50, +75
constexpr int kMainLeft = 44; // left edge of the main block
constexpr int kMainRight = 421;

// The label is drawn with its cell's top-left 5 pixels up and left of the
// anchor; centre a label of about 6 pixels per character in the key.
constexpr KeyPicture key(int left, int top, int right, int bottom, std::string_view label) {
    const int textWidth = static_cast<int>(label.size()) * 6;
    int ax = (left + right) / 2 - textWidth / 2 + 5;
    if (ax < left + 5) {
        ax = left + 5;
    }
    const int ay = (top + bottom) / 2 - 5 + 5 - 1;
    return KeyPicture{left, top, right, bottom, label, ax, ay};
}
constexpr KeyPicture std24(int left, int top, std::string_view label) {
    return key(left, top, left + kKey, top + kKey, label);
}

using PictureTable = std::array<KeyPicture, kKeyPositionCount>;

// Function row: Esc, three groups of four, then the print/scroll/pause
// column over the navigation block.
constexpr void functionRow(PictureTable& t) {
    t[0] = KeyPicture{44, 106, 68, 130, "Esc", 55, 117};
    constexpr std::string_view fkeys[12] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                            "F7", "F8", "F9", "F10", "F11", "F12"};
    constexpr int groupX[3] = {86, 204, 322};
    for (int i = 0; i < 12; ++i) {
        t[1 + i] = std24(groupX[i / 4] + (i % 4) * kPitch, kFunctionRow, fkeys[i]);
    }
    t[13] = std24(kNavX, kFunctionRow, "Prnt");
    t[14] = std24(kNavX + kPitch, kFunctionRow, "Scrl");
    t[15] = std24(kNavX + 2 * kPitch, kFunctionRow, "Pause");
}

// The four small media keys above the function row.
constexpr void mediaKeys(PictureTable& t) {
    t[16] = KeyPicture{115, 83, 134, 97, "Gmode", 119, 90};
    constexpr std::string_view small[3] = {"Bright", "Speed", "Vol"};
    for (int i = 0; i < 3; ++i) {
        const int x = 135 + 20 * i;
        t[17 + i] = KeyPicture{x, 83, x + 19, 97, small[i], x + 4, 90};
    }
}

// Number row, starting two pixels in so that Backspace ends with the
// main block.
constexpr void numberRow(PictureTable& t) {
    constexpr std::string_view digits[13] = {"~", "1", "2", "3", "4", "5", "6",
                                             "7", "8", "9", "0", "-", "="};
    for (int i = 0; i < 13; ++i) {
        t[20 + i] = std24(46 + i * kPitch, kNumberRow, digits[i]);
    }
    t[33] = KeyPicture{371, 139, 421, 163, "Back", 395, 150};
    t[34] = std24(kNavX, kNumberRow, "Ins");
    t[35] = std24(kNavX + kPitch, kNumberRow, "Home");
    t[36] = std24(kNavX + 2 * kPitch, kNumberRow, "PgUp");
    constexpr std::string_view padTop[4] = {"Num", "/", "*", "-"};
    for (int i = 0; i < 4; ++i) {
        t[37 + i] = std24(kPadX + i * kPitch, kNumberRow, padTop[i]);
    }
}

constexpr void tabRow(PictureTable& t) {
    t[41] = key(kMainLeft, kTabRow, 80, kTabRow + kKey, "Tab");
    constexpr std::string_view qrow[12] = {"Q", "W", "E", "R", "T", "Y",
                                           "U", "I", "O", "P", "[", "]"};
    for (int i = 0; i < 12; ++i) {
        t[42 + i] = std24(83 + i * kPitch, kTabRow, qrow[i]);
    }
    t[54] = key(385, kTabRow, kMainRight, kTabRow + kKey, "\\");
    t[55] = std24(kNavX, kTabRow, "Del");
    t[56] = std24(kNavX + kPitch, kTabRow, "End");
    t[57] = std24(kNavX + 2 * kPitch, kTabRow, "PgDn");
    t[58] = std24(kPadX, kTabRow, "7");
    t[59] = std24(kPadX + kPitch, kTabRow, "8");
    t[60] = std24(kPadX + 2 * kPitch, kTabRow, "9");
    t[61] = KeyPicture{587, 164, 611, 213, "+", 599, 188};
}

constexpr void capsRow(PictureTable& t) {
    t[62] = KeyPicture{44, 189, 90, 213, "Caps Lock", 55, 200};
    constexpr std::string_view arow[11] = {"A", "S", "D", "F", "G", "H", "J", "K", "L", ";", "'"};
    for (int i = 0; i < 11; ++i) {
        t[63 + i] = std24(93 + i * kPitch, kCapsRow, arow[i]);
    }
    t[74] = key(370, kCapsRow, kMainRight, kCapsRow + kKey, "Ent");
    t[75] = std24(kPadX, kCapsRow, "4");
    t[76] = std24(kPadX + kPitch, kCapsRow, "5");
    t[77] = std24(kPadX + 2 * kPitch, kCapsRow, "6");
}

constexpr void shiftRow(PictureTable& t) {
    t[78] = key(kMainLeft, kShiftRow, 102, kShiftRow + kKey, "Shift");
    constexpr std::string_view zrow[10] = {"Z", "X", "C", "V", "B", "N", "M", ",", ".", "/"};
    for (int i = 0; i < 10; ++i) {
        t[79 + i] = std24(105 + i * kPitch, kShiftRow, zrow[i]);
    }
    t[89] = key(355, kShiftRow, kMainRight, kShiftRow + kKey, "Shift");
    t[90] = std24(kNavX + kPitch, kShiftRow, "Up");
    t[91] = std24(kPadX, kShiftRow, "1");
    t[92] = std24(kPadX + kPitch, kShiftRow, "2");
    t[93] = std24(kPadX + 2 * kPitch, kShiftRow, "3");
    t[94] = KeyPicture{587, 214, 611, 264, "Ent", 599, 240};
}

constexpr void bottomRow(PictureTable& t) {
    t[95] = key(kMainLeft, kBottomRow, 74, kBottomRow + kKey, "Ctrl");
    t[96] = key(77, kBottomRow, 106, kBottomRow + kKey, "Win");
    t[97] = key(109, kBottomRow, 138, kBottomRow + kKey, "Alt");
    t[98] = KeyPicture{141, 239, 296, 263, "Space", 224, 250};
    t[99] = key(299, kBottomRow, 326, kBottomRow + kKey, "Alt");
    t[100] = key(329, kBottomRow, 356, kBottomRow + kKey, "Fn");
    t[101] = key(359, kBottomRow, 387, kBottomRow + kKey, "App");
    t[102] = key(390, kBottomRow, kMainRight, kBottomRow + kKey, "Ctrl");
    t[103] = std24(kNavX, kBottomRow, "Left");
    t[104] = std24(kNavX + kPitch, kBottomRow, "Down");
    t[105] = std24(kNavX + 2 * kPitch, kBottomRow, "Right");
    t[106] = key(kPadX, kBottomRow, kPadX + kPitch + kKey, kBottomRow + kKey, "0");
    t[107] = KeyPicture{562, 239, 586, 263, ".", 579, 250};
}

constexpr PictureTable buildTable() {
    PictureTable t{};
    functionRow(t);
    mediaKeys(t);
    numberRow(t);
    tabRow(t);
    capsRow(t);
    shiftRow(t);
    bottomRow(t);
    return t;
}

constexpr PictureTable kTable = buildTable();

} // namespace

const std::array<KeyPicture, kKeyPositionCount>& KeyPictureTable() {
    return kTable;
}

} // namespace vantrel
