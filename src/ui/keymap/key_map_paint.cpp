// SPDX-License-Identifier: MIT
// The key assignment dialog's face: background, title, the current tab's
// panel, the disable box and the three buttons, and the pointer's hover.
#include "platform/launcher.h"
#include "ui/keymap/key_map_controller.h"
#include "ui/skin/skin_painter.h"

#include <QCoreApplication>
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
constexpr int kOtherButtonHeight = 15;
constexpr int kTabTitleY = 32;
constexpr int kShortPathLength = 14;
constexpr int kAdvancedTab = 3;

// The advanced rows' labels. A label of one line stands at the row's own
// height; one of two lines (the Russian ones) at its two places.
constexpr std::array<const char*, km::kAdvancedRows> kRowLabels{{
    QT_TRANSLATE_NOOP("KeyMap", "Play music"),
    QT_TRANSLATE_NOOP("KeyMap", "Start program"),
    QT_TRANSLATE_NOOP("KeyMap", "Open file"),
    QT_TRANSLATE_NOOP("KeyMap", "Open folder"),
}};
constexpr int kChineseRowLabelX = 22;
constexpr int kOtherRowLabelX = 15;
constexpr int kRowLabelY = 81;
constexpr std::array<std::array<int, 2>, km::kAdvancedRows> kTwoLineRowLabelY{{
    {68, 89},
    {134, 149},
    {194, 209},
    {254, 269},
}};

// The first tab's title: one line at the other titles' height, or the
// three lines of the Russian title, spread so that they do not touch.
constexpr std::array<int, 3> kThreeLineTabTitleY{21, 31, 41};
// The last tab's long Russian title ends inside the dialog.
constexpr int kOtherAdvancedTitleX = 293;

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
    if (!language_.keepsSkinPlaces()) {
        const char* const titles[] = {
            QT_TRANSLATE_NOOP("KeyMap", "Keys"), QT_TRANSLATE_NOOP("KeyMap", "Macro"),
            QT_TRANSLATE_NOOP("KeyMap", "Basic"), QT_TRANSLATE_NOOP("KeyMap", "Advanced")};
        for (int t = 0; t < km::kTabCount; ++t) {
            painter_.buttonLabel(p, language_, QCoreApplication::translate("KeyMap", titles[t]), {},
                                 km::kButtonRegions[km::kTabKeys + static_cast<std::size_t>(t)],
                                 kTextHeight, colour(t));
        }
        return;
    }
    const auto title = [&](int t, const QString& text, int x, int y) {
        painter_.label(p, text, x, y, kTextHeight, colour(t));
    };
    const bool chinese = language_.chinese();
    const QStringList first =
        QCoreApplication::translate("KeyMap", "Keys").split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < first.size(); ++i) {
        const bool threeLines = first.size() == qsizetype(kThreeLineTabTitleY.size());
        title(0, first[i], chinese ? 13 : 22,
              threeLines ? kThreeLineTabTitleY[static_cast<std::size_t>(i)] : kTabTitleY);
    }
    title(1, QCoreApplication::translate("KeyMap", "Macro"), chinese ? 138 : 123, kTabTitleY);
    title(2, QCoreApplication::translate("KeyMap", "Basic"), chinese ? 218 : 220, kTabTitleY);
    title(3, QCoreApplication::translate("KeyMap", "Advanced"),
          chinese ? 312 : kOtherAdvancedTitleX, kTabTitleY);
}

void KeyMapController::composeKeyTab(QPainter& p) {
    painter_.label(p, QCoreApplication::translate("KeyMap", "Single key"), 13, 81, kTextHeight);
    painter_.label(p, QCoreApplication::translate("KeyMap", "Key combination"), 13, 166,
                   kTextHeight);
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
    for (std::size_t r = 0; r < kRowLabels.size(); ++r) {
        const QStringList lines =
            QCoreApplication::translate("KeyMap", kRowLabels[r]).split(QLatin1Char('\n'));
        const int x = language_.chinese() ? kChineseRowLabelX : kOtherRowLabelX;
        if (lines.size() == 2) {
            painter_.label(p, lines[0], x, kTwoLineRowLabelY[r][0], kTextHeight);
            painter_.label(p, lines[1], x, kTwoLineRowLabelY[r][1], kTextHeight);
        } else {
            painter_.label(p, lines.join(QLatin1Char(' ')), x,
                           km::rowY(kRowLabelY, static_cast<int>(r)), kTextHeight);
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
    painter_.checkBoxLabel(p, language_, QCoreApplication::translate("KeyMap", "Disable key"),
                           language_.pick(QPoint(34, 349), QPoint(19, 359)), box, kTextHeight);
    for (const int b : {km::kDefault, km::kCancel, km::kSave}) {
        const auto& r = km::kButtonRegions[static_cast<std::size_t>(b)];
        const auto& images = km::kButtonImages[static_cast<std::size_t>(b)];
        image(p, hover_.over(b) ? images.over : images.normal, r.left, r.top);
    }
    if (language_.chinese()) {
        painter_.label(p, QCoreApplication::translate("KeyMap", "Default"), 146, 350, kTextHeight);
        painter_.label(p, QCoreApplication::translate("KeyMap", "Cancel"), 240, 350, kTextHeight);
        painter_.label(p, QCoreApplication::translate("KeyMap", "Save"), 335, 350, kTextHeight);
    } else {
        const auto button = [&](const char* text, int x, int b) {
            painter_.buttonLabel(p, language_, QCoreApplication::translate("KeyMap", text),
                                 {x, 350}, km::kButtonRegions[static_cast<std::size_t>(b)],
                                 kOtherButtonHeight);
        };
        button("Default", 151, km::kDefault);
        button("Cancel", 233, km::kCancel);
        button("Save", 318, km::kSave);
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
