// SPDX-License-Identifier: MIT
#include "ui/keymap/key_map_controller.h"

#include "core/macro/macro_list.h"
#include "core/model/configurator_model.h"
#include "core/model/key_positions.h"
#include "ui/keymap/browse_for_target.h"
#include "ui/skin/interface_text.h"

#include <algorithm>

namespace vantrel::ui {
namespace {

namespace km = vantrel::layout::key_map;

constexpr std::uint8_t kind(AssignmentKind k) {
    return static_cast<std::uint8_t>(k);
}

constexpr int kKeyTab = 0;
constexpr int kMacroTab = 1;
constexpr int kBasicTab = 2;
constexpr int kAdvancedTab = 3;
// Record data of a macro assignment: entry kind, 1, slot.
constexpr std::uint8_t kMacroEntryKind = 4;
constexpr std::size_t kMacroSlotByte = 2;

// The two keys that, pressed twice, leave the capture.
constexpr std::uint8_t kVkTab = 0x09;
constexpr std::uint8_t kVkEscape = 0x1B;

enum Finish : int { kStayOpen = 0, kOk = 1, kCancelled = 2 };

} // namespace

KeyMapController::KeyMapController(ConfiguratorModel& model, PendingAssignment& pending,
                                   SkinPainter& painter, UiLanguage language, FilePicker& files,
                                   DialogHost& host, KeyMapView& view)
    : model_(model), pending_(pending), painter_(painter), language_(language), files_(files),
      host_(host), view_(view), folder_(SkinFolder::of(language, QStringLiteral("Custom"))) {}

QString KeyMapController::title() const {
    return QCoreApplication::translate("KeyMap", "Current key: ") +
           QString::fromStdString(
               model_.keyNames().name(KeyPositionVk(static_cast<std::size_t>(key_))));
}

void KeyMapController::open(int key) {
    key_ = std::clamp(key, 0, static_cast<int>(kKeyPositionCount) - 1);
    const auto k = static_cast<std::size_t>(key_);
    pending_.CurrentKeyIndex = static_cast<std::uint8_t>(key_);
    pending_.language = language_;
    const AssignmentRecord& r = model_.assignments()[k];
    tab_ = kKeyTab;
    hover_.leave();
    hoveredBrowse_ = -1;
    hookInstalled_ = false;
    lastFocused_ = -1;
    firstFocusGuard_ = false;
    lastTaken_ = 0;

    // The tree opens on the stored basic function.
    pending_.PendingFunctionName.clear();
    selectedFunction_ = -1;
    if (r.kind() == kind(AssignmentKind::BasicFunction)) {
        if (const BasicFunction* f = findBasicFunctionByEntry(r.data().first<entry::kSize>())) {
            pending_.PendingFunctionName = std::string(f->name(language_));
            selectedFunction_ = static_cast<int>(f - BasicFunctionTable().data());
        }
    }
    view_.selectFunction(selectedFunction_);

    // Only the macros the keyboard can hold are offered.
    macroCount_ = static_cast<int>(std::min(usedMacroCount(model_.macros()), macro::kMaxMacros));
    QStringList lines;
    for (int i = 0; i < macroCount_; ++i) {
        lines << QString::fromStdU16String(model_.macros()[static_cast<std::size_t>(i)].name());
    }
    view_.setMacroLines(lines);
    selectedMacro_ = -1;

    pending_.PendingKeys.fill(0);
    captured_ = 0;
    advancedChoice_ = kNoChoice;
    pending_.PendingKind = r.kind();
    pending_.PendingKeyCount = r.keyCount();
    setField(KeyMapView::kSingleField, QString());
    setField(KeyMapView::kComboField, QString());

    const bool enabled = model_.image().keyEnabled(KeyPositionEnableBit(k));
    disableToggle_ = !enabled;
    pending_.PendingKeyEnabled = enabled ? 1 : 0;

    showStoredAssignment(r);
    host_.repaint();
}

void KeyMapController::showStoredAssignment(const AssignmentRecord& r) {
    const auto keys = [&] {
        std::copy(r.data().begin(), r.data().end(), pending_.PendingKeys.begin());
        captured_ = std::min<int>(r.keyCount(), static_cast<int>(kMaxComboKeys));
        firstFocusGuard_ = true;
    };
    switch (r.kind()) {
    case kind(AssignmentKind::SingleKey):
        keys();
        setField(KeyMapView::kSingleField,
                 QString::fromStdString(model_.keyNames().name(r.data()[0])));
        view_.showTab(kKeyTab);
        view_.focusField(KeyMapView::kSingleField);
        return;
    case kind(AssignmentKind::Combination):
        keys();
        setField(KeyMapView::kComboField, capturedNames());
        view_.showTab(kKeyTab);
        view_.focusField(KeyMapView::kComboField);
        return;
    case kind(AssignmentKind::Macro):
        if (r.data()[0] == kMacroEntryKind) {
            tab_ = kMacroTab;
            const int line = r.data()[kMacroSlotByte];
            selectedMacro_ = line < macroCount_ ? line : -1;
            view_.showTab(tab_);
            view_.selectMacroLine(selectedMacro_);
            return;
        }
        break;
    case kind(AssignmentKind::BasicFunction):
        tab_ = kBasicTab;
        break;
    case kind(AssignmentKind::PlayMusic):
    case kind(AssignmentKind::LaunchProgram):
    case kind(AssignmentKind::OpenFile):
    case kind(AssignmentKind::OpenFolder):
        tab_ = kAdvancedTab;
        pending_.PendingPath = r.path();
        advancedChoice_ = r.kind() - kind(AssignmentKind::PlayMusic);
        break;
    default:
        break;
    }
    view_.showTab(tab_);
}

QString KeyMapController::capturedNames() const {
    QString text;
    for (int i = 0; i < captured_; ++i) {
        const std::uint8_t vk = pending_.PendingKeys[static_cast<std::size_t>(i)];
        if (vk == 0) {
            continue;
        }
        if (!text.isEmpty()) {
            text += QStringLiteral("+ ");
        }
        text += QString::fromStdString(model_.keyNames().name(vk));
    }
    return text;
}

void KeyMapController::setField(KeyMapView::Field f, const QString& text) {
    fieldText_[f] = text;
    view_.setFieldText(f, text);
}

void KeyMapController::clearCapture() {
    pending_.PendingKeys.fill(0);
    pending_.PendingKeyCount = 0;
    captured_ = 0;
}

KeyMapController::Taken KeyMapController::taken() const {
    Taken t;
    t.keys = pending_.PendingKeys;
    t.count = pending_.PendingKeyCount;
    t.captured = captured_;
    t.text[0] = fieldText_[0];
    t.text[1] = fieldText_[1];
    return t;
}

void KeyMapController::giveBack(const Taken& t) {
    pending_.PendingKeys = t.keys;
    pending_.PendingKeyCount = t.count;
    captured_ = t.captured;
    setField(KeyMapView::kSingleField, t.text[0]);
    setField(KeyMapView::kComboField, t.text[1]);
}

KeyMapController::CaptureEnd KeyMapController::keyCaptured(std::uint8_t vk) {
    if (!hookInstalled_ || tab_ != kKeyTab) {
        return CaptureEnd::None;
    }
    if ((vk == kVkTab || vk == kVkEscape) && vk == lastTaken_) {
        giveBack(beforeLast_);
        lastTaken_ = 0;
        return vk == kVkTab ? CaptureEnd::Next : CaptureEnd::Stay;
    }
    // A key the keyboard has no code for cannot become an assignment; only
    // the key's own code may stand for "as it was".
    const bool own = vk == KeyPositionVk(static_cast<std::size_t>(key_));
    if (model_.keyNames().usage(vk) == 0 &&
        !(own && pending_.PendingKind == kind(AssignmentKind::SingleKey))) {
        lastTaken_ = 0;
        return CaptureEnd::None;
    }
    beforeLast_ = taken();
    lastTaken_ = vk;
    if (pending_.PendingKind == kind(AssignmentKind::SingleKey)) {
        pending_.PendingKeys.fill(0);
        pending_.PendingKeys[0] = vk;
        captured_ = 1;
        setField(KeyMapView::kSingleField, QString::fromStdString(model_.keyNames().name(vk)));
    } else if (pending_.PendingKind == kind(AssignmentKind::Combination)) {
        if (captured_ >= static_cast<int>(kMaxComboKeys)) {
            clearCapture(); // a fourth key starts a new combination
        }
        pending_.PendingKeys[static_cast<std::size_t>(captured_++)] = vk;
        setField(KeyMapView::kComboField, capturedNames());
    } else {
        lastTaken_ = 0;
        return CaptureEnd::None;
    }
    pending_.PendingKeyCount = captured_;
    return CaptureEnd::None;
}

bool KeyMapController::escape() {
    clearCapture();
    host_.finish(false);
    return true;
}

void KeyMapController::fieldFocused(KeyMapView::Field field) {
    lastTaken_ = 0; // a pair of presses lies within one capture
    // Focus that comes back to the same field (the window activated again, a
    // menu closed) is no move between the fields.
    if (tab_ != kKeyTab || field == lastFocused_) {
        return;
    }
    lastFocused_ = field;
    const std::uint8_t k = field == KeyMapView::kSingleField ? kind(AssignmentKind::SingleKey)
                                                             : kind(AssignmentKind::Combination);
    // The stored keys survive the first focus of the opening.
    if (firstFocusGuard_ && pending_.PendingKind == k) {
        firstFocusGuard_ = false;
        return;
    }
    firstFocusGuard_ = false;
    pending_.PendingKind = k;
    clearCapture();
    setField(field == KeyMapView::kSingleField ? KeyMapView::kComboField : KeyMapView::kSingleField,
             QString());
}

void KeyMapController::deleteAll() {
    lastTaken_ = 0;
    setField(KeyMapView::kComboField, QString());
    clearCapture();
}

void KeyMapController::enterKeyTab() {
    clearCapture();
    setField(KeyMapView::kSingleField, QString());
    setField(KeyMapView::kComboField, QString());
    AssignmentRecord& r = model_.assignments()[static_cast<std::size_t>(key_)];
    r.setKind(AssignmentKind::SingleKey);
    r.setKeyCount(0);
    std::fill(r.data().begin(), r.data().end(), 0);
    pending_.PendingKind = kind(AssignmentKind::SingleKey);
    firstFocusGuard_ = false;
    lastFocused_ = -1;
    switchTab(kKeyTab);
    view_.focusField(KeyMapView::kSingleField);
}

void KeyMapController::enterAdvancedTab() {
    clearCapture();
    AssignmentRecord& r = model_.assignments()[static_cast<std::size_t>(key_)];
    r.setKind(AssignmentKind::Cleared);
    std::fill(r.data().begin(), r.data().end(), 0);
    setField(KeyMapView::kSingleField, QString());
    setField(KeyMapView::kComboField, QString());
    pending_.PendingKind = kind(AssignmentKind::Cleared);
    switchTab(kAdvancedTab);
}

void KeyMapController::switchTab(int tab) {
    tab_ = tab;
    advancedChoice_ = kNoChoice;
    view_.showTab(tab);
}

void KeyMapController::release(int x, int y) {
    finishWith_ = kStayOpen;
    switch (km::hitTestButtons(x, y)) {
    case km::kCloseBox:
        finishWith_ = kCancelled;
        break;
    case km::kTabKeys:
        if (tab_ != kKeyTab) {
            enterKeyTab();
        } else {
            advancedChoice_ = kNoChoice;
        }
        break;
    case km::kTabMacro:
        switchTab(kMacroTab);
        break;
    case km::kTabBasic:
        switchTab(kBasicTab);
        break;
    case km::kTabAdvanced:
        if (tab_ != kAdvancedTab) {
            enterAdvancedTab();
        }
        break;
    case km::kDisableBox:
        disableToggle_ = !disableToggle_;
        break;
    case km::kDefault:
        pending_.PendingKeyCount = kRestoreDefaultKeyCount;
        finishWith_ = kOk;
        break;
    case km::kCancel:
        clearCapture();
        finishWith_ = kCancelled;
        break;
    case km::kSave:
        save();
        break;
    default:
        break;
    }
    if (tab_ == kAdvancedTab) {
        advancedClick(x, y);
    }
    host_.repaint();
    if (finishWith_ != kStayOpen) {
        host_.finish(finishWith_ == kOk);
    }
}

void KeyMapController::save() {
    switch (tab_) {
    case kKeyTab: {
        pending_.PendingKeyEnabled = enabledByToggle();
        // A single key is one key, a combination one to three.
        const bool single =
            pending_.PendingKind == kind(AssignmentKind::SingleKey) && captured_ == 1;
        const bool combination =
            pending_.PendingKind == kind(AssignmentKind::Combination) && captured_ >= 1;
        if (single || combination) {
            pending_.PendingKeyCount = captured_;
        } else {
            pending_.PendingKind = kind(AssignmentKind::None);
            pending_.PendingKeyCount = 0;
        }
        finishWith_ = kOk;
        return;
    }
    case kMacroTab:
        pending_.PendingKind = kind(AssignmentKind::Macro);
        if (selectedMacro_ >= 0 && selectedMacro_ < macroCount_) {
            pending_.PendingMacro = selectedMacro_;
            pending_.PendingKeyEnabled = enabledByToggle();
        } else {
            pending_.PendingMacro = -1;
            pending_.PendingKeyEnabled = 1;
            pending_.PendingKind = kind(AssignmentKind::None);
        }
        finishWith_ = kOk;
        return;
    case kBasicTab:
        saveBasicFunction();
        return;
    default: // the advanced rows decide the kind (advancedClick)
        pending_.PendingKeyEnabled = enabledByToggle();
        finishWith_ = kOk;
        return;
    }
}

void KeyMapController::saveBasicFunction() {
    const auto table = BasicFunctionTable();
    // A group stands for no function, and neither does no selection.
    if (selectedFunction_ < 0 || selectedFunction_ >= static_cast<int>(table.size()) ||
        table[static_cast<std::size_t>(selectedFunction_)].groupHeader) {
        tell(QCoreApplication::translate("KeyMap", "Choose an item inside the group"));
        return;
    }
    pending_.PendingKind = kind(AssignmentKind::BasicFunction);
    pending_.PendingFunctionName =
        std::string(table[static_cast<std::size_t>(selectedFunction_)].name(language_));
    pending_.PendingKeyEnabled = enabledByToggle();
    finishWith_ = kOk;
}

void KeyMapController::advancedClick(int x, int y) {
    const int hit = km::hitTestAdvanced(x, y);
    if (hit == km::kNone) {
        if (advancedChoice_ == kNoChoice) {
            pending_.PendingKind = kind(AssignmentKind::None);
        }
        return;
    }
    const int row = hit / km::kPartsPerRow;
    switch (hit % km::kPartsPerRow) {
    case km::kRowMarker:
        // A marked row without a path launches nothing until a browse.
        advancedChoice_ = row;
        pending_.PendingPath.clear();
        pending_.PendingKind = kind(AssignmentKind::None);
        break;
    case km::kRowBrowse:
        browse(row);
        break;
    default:
        break;
    }
}

void KeyMapController::browse(int row) {
    view_.suspendCapture();
    const bool chosen = BrowseForTarget(files_, host_, row, pending_.PendingPath);
    view_.resumeCapture();
    if (chosen) {
        advancedChoice_ = row;
        pending_.PendingKind = static_cast<std::uint8_t>(kind(AssignmentKind::PlayMusic) + row);
    } else if (pending_.PendingPath.empty() && isAdvancedKind(pending_.PendingKind)) {
        pending_.PendingKind = kind(AssignmentKind::None);
    }
}

void KeyMapController::tell(const QString& text) {
    view_.suspendCapture();
    host_.inform(text, QString());
    view_.resumeCapture();
}

} // namespace vantrel::ui
