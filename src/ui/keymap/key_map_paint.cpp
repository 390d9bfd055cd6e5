// SPDX-License-Identifier: MIT
// The key assignment dialog's face: background, title, the current tab's
// panel, the disable box and the three buttons, and the pointer's hover.
#include "platform/launcher.h"
#include "ui/keymap/key_map_controller.h"
#include "ui/skin/interface_text.h"
#include "ui/skin/skin_painter.h"

#include <QPainter>
#include <array>

namespace vantrel::ui {
namespace {

namespace km = vantrel::layout::key_map;

const QString kBackground = QStringLiteral("Custom_BK.png");
const QColor kCurrentTab(255, 0, 0);
const QColor kOtherTab(192, 192, 192);
const QColor kFallbackFace(0x14, 0x16, 0x1B);
constexpr int kTitleHeight = 18;
constexpr int kTextHeight = 14;
constexpr int kRussianButtonHeight = 15;
constexpr int kTabTitleY = 32;
constexpr int kShortPathLength = 14;
constexpr int kAdvancedTab = 3;

struct Text {
    const char* text;
    int x, y;
};

// The advanced rows' labels: one line each in Chinese, two in the others.
constexpr std::array<Text, km::kAdvancedRows> kChineseRowLabels{{
    {"播放音樂", 22, 81},
    {"啓動", 22, 81 + 60},
    {"打開文件", 22, 81 + 120},
    {"打開目錄", 22, 81 + 180},
}};
constexpr std::array<Text, std::size_t{2} * km::kAdvancedRows> kOtherRowLabels{{
    {"Воспроизведение", 15, 68},
    {"Громкость", 15, 89},
    {"Диспетчер", 15, 134},
    {"запуска", 15, 149},
    {"Открыть", 15, 194},
    {"файл", 15, 209},
    {"Открыть", 15, 254},
    {"каталог", 15, 269},
}};

} // namespace

QString KeyMapController::shownPath(const std::u16string& path) {
    QString whole = QString::fromStdU16String(path);
    if (whole.size() < kShortPathLength) {
        return whole;
    }
    const QChar separator = QLatin1Char(platform::launchPathSeparator());
    // The last separator that does not end the path.
    for (qsizetype i = whole.size() - 2; i >= 0; --i) {
        if (whole[i] == separator || whole[i] == QLatin1Char('/')) {
            return QStringLiteral("..") + whole.mid(i);
        }
    }
    return whole;
}

QSize KeyMapController::size() {
    const QSize s = painter_.store().size(folder_, kBackground);
    return s.isValid() ? s : QSize(km::kWidth, km::kHeight);
}

void KeyMapController::image(QPainter& p, const char* name, int x, int y) {
    painter_.image(p, folder_, QString::fromLatin1(name), x, y);
}

void KeyMapController::label(QPainter& p, const char* chinese, const char* other, int x, int y,
                             int height) {
    painter_.label(p, uiText(language_, chinese, other), x, y, height);
}

void KeyMapController::compose(QPainter& p) {
    if (!painter_.image(p, folder_, kBackground, 0, 0)) {
        p.fillRect(QRect(QPoint(0, 0), size()), kFallbackFace);
    }
    const auto& close = km::kButtonRegions[km::kCloseBox];
    const auto& closeImages = km::kButtonImages[km::kCloseBox];
    image(p, hover_.over(km::kCloseBox) ? closeImages.over : closeImages.normal,
          close.left - km::kCloseImageInset, close.top - km::kCloseImageInset);
    if (language_.chinese()) {
        painter_.label(p, title(), 8, 5, kTitleHeight);
    } else {
        painter_.label(p, title(), 12, 4, kTitleHeight);
    }
    composeTabs(p);
    if (tab_ == 0) {
        composeKeyTab(p);
    } else if (tab_ == kAdvancedTab) {
        composeAdvancedTab(p);
    }
    composeFooter(p);
}

void KeyMapController::composeTabs(QPainter& p) {
    for (std::size_t b = km::kTabKeys; b < km::kTabKeys + std::size_t{km::kTabCount}; ++b) {
        image(p, km::kButtonImages[b].normal, km::kButtonRegions[b].left,
              km::kButtonRegions[b].top);
    }
    const auto colour = [this](int t) { return t == tab_ ? kCurrentTab : kOtherTab; };
    const auto title = [&](int t, const QString& text, int x, int y) {
        painter_.label(p, text, x, y, kTextHeight, colour(t));
    };
    if (language_.chinese()) {
        title(0, QStringLiteral("單鍵/組合鍵"), 13, kTabTitleY);
        title(1, QStringLiteral("宏"), 138, kTabTitleY);
        title(2, QStringLiteral("基本功能"), 218, kTabTitleY);
        title(3, QStringLiteral("高級功能"), 312, kTabTitleY);
        return;
    }
    title(0, QStringLiteral("клавиша"), 22, 23);
    title(0, QStringLiteral("комбинация"), 22, 31);
    title(0, QStringLiteral("клавиш"), 22, 40);
    title(1, QStringLiteral("макрос"), 123, kTabTitleY);
    title(2, QStringLiteral("основная"), 220, kTabTitleY);
    title(3, QStringLiteral("Дополнительная"), 295, kTabTitleY);
}

void KeyMapController::composeKeyTab(QPainter& p) {
    label(p, "單鍵", "клавиша", 13, 81, kTextHeight);
    label(p, "组合键", "комбинация клавиш", 13, 166, kTextHeight);
}

void KeyMapController::composeAdvancedTab(QPainter& p) {
    const auto& on = km::kButtonImages[km::kDisableBox].over;
    const auto& off = km::kButtonImages[km::kDisableBox].normal;
    for (int r = 0; r < km::kAdvancedRows; ++r) {
        image(p, r == advancedChoice_ ? on : off, km::kMarkerAt.x, km::rowY(km::kMarkerAt.y, r));
        image(p, "Advanced.png", km::kPathBoxAt.x, km::rowY(km::kPathBoxAt.y, r));
        image(p, r == hoveredBrowse_ ? "view02.png" : "view.png", km::kBrowseAt.x,
              km::rowY(km::kBrowseAt.y, r));
    }
    if (language_.chinese()) {
        for (const Text& t : kChineseRowLabels) {
            painter_.label(p, QString::fromUtf8(t.text), t.x, t.y, kTextHeight);
        }
    } else {
        for (const Text& t : kOtherRowLabels) {
            painter_.label(p, QString::fromUtf8(t.text), t.x, t.y, kTextHeight);
        }
    }
    if (advancedChoice_ >= 0 && advancedChoice_ < km::kAdvancedRows) {
        // A long name stays inside its box.
        const QRect box(km::kPathBoxAt.x, km::rowY(km::kPathBoxAt.y, advancedChoice_),
                        km::kPathBoxWidth, km::kPathBoxHeight);
        p.save();
        p.setClipRect(box);
        painter_.label(p, shownPath(pending_.PendingPath), km::kPathTextAt.x,
                       km::rowY(km::kPathTextAt.y, advancedChoice_), kTextHeight);
        p.restore();
    }
}

void KeyMapController::composeFooter(QPainter& p) {
    const auto& box = km::kButtonRegions[km::kDisableBox];
    const auto& boxImages = km::kButtonImages[km::kDisableBox];
    image(p, disableToggle_ ? boxImages.over : boxImages.normal, box.left, box.top);
    if (language_.chinese()) {
        painter_.label(p, QStringLiteral("禁用按钮"), 34, 349, kTextHeight);
    } else {
        painter_.label(p, QStringLiteral("кнопка выключения"), 19, 359, kTextHeight);
    }
    for (const int b : {km::kDefault, km::kCancel, km::kSave}) {
        const auto& r = km::kButtonRegions[static_cast<std::size_t>(b)];
        const auto& images = km::kButtonImages[static_cast<std::size_t>(b)];
        image(p, hover_.over(b) ? images.over : images.normal, r.left, r.top);
    }
    if (language_.chinese()) {
        painter_.label(p, QStringLiteral("初始值"), 146, 350, kTextHeight);
        painter_.label(p, QStringLiteral("取消"), 240, 350, kTextHeight);
        painter_.label(p, QStringLiteral("保存"), 335, 350, kTextHeight);
    } else {
        painter_.label(p, QStringLiteral("сброс"), 151, 350, kRussianButtonHeight);
        painter_.label(p, QStringLiteral("отмена"), 233, 350, kRussianButtonHeight);
        painter_.label(p, QStringLiteral("сохранить"), 318, 350, kRussianButtonHeight);
    }
}

bool KeyMapController::dragsFrom(int x, int y) const {
    if (km::hitTestButtons(x, y) != km::kNone) {
        return false;
    }
    const int hit = tab_ == kAdvancedTab ? km::hitTestAdvanced(x, y) : km::kNone;
    if (hit == km::kNone) {
        return true;
    }
    const int part = hit % km::kPartsPerRow;
    return part != km::kRowMarker && part != km::kRowBrowse;
}

void KeyMapController::hover(int x, int y) {
    const bool moved = hover_.moveTo(km::hitTestButtons(x, y));
    int browse = -1;
    if (tab_ == kAdvancedTab) {
        const int hit = km::hitTestAdvanced(x, y);
        if (hit != km::kNone && hit % km::kPartsPerRow == km::kRowBrowse) {
            browse = hit / km::kPartsPerRow;
        }
    }
    if (moved || browse != hoveredBrowse_) {
        hoveredBrowse_ = browse;
        host_.repaint();
    }
}

void KeyMapController::leave() {
    hover_.leave();
    hoveredBrowse_ = -1;
    host_.repaint();
}

} // namespace vantrel::ui
