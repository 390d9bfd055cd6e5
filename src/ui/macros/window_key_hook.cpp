// SPDX-License-Identifier: MIT
#include "ui/macros/window_key_hook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <span>
#include <utility>

namespace vantrel::ui {
namespace {

// X11 key symbols of the right-hand modifiers.
constexpr quint32 kXkShiftR = 0xFFE2;
constexpr quint32 kXkControlR = 0xFFE4;
constexpr quint32 kXkAltR = 0xFFEA;
constexpr quint32 kXkSuperR = 0xFFEC;

struct KeyCode {
    int key;
    std::uint8_t vk;
};

// Keys whose code does not depend on Shift or the keypad.
constexpr KeyCode kKeys[] = {
    {Qt::Key_Backspace, 0x08},
    {Qt::Key_Tab, 0x09},
    {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},
    {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},
    {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_AltGr, 0xA5},
    {Qt::Key_Super_L, 0x5B},
    {Qt::Key_Super_R, 0x5C},
    // The main block's punctuation, shifted or not.
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
    // Shifted digits.
    {Qt::Key_Exclam, 0x31},
    {Qt::Key_At, 0x32},
    {Qt::Key_NumberSign, 0x33},
    {Qt::Key_Dollar, 0x34},
    {Qt::Key_Percent, 0x35},
    {Qt::Key_AsciiCircum, 0x36},
    {Qt::Key_Ampersand, 0x37},
    {Qt::Key_Asterisk, 0x38},
    {Qt::Key_ParenLeft, 0x39},
    {Qt::Key_ParenRight, 0x30},
};

// The keypad's own keys.
constexpr KeyCode kKeypad[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},   {Qt::Key_Enter, 0x6C},
    {Qt::Key_Minus, 0x6D},    {Qt::Key_Period, 0x6E}, {Qt::Key_Comma, 0x6E},
    {Qt::Key_Slash, 0x6F},    {Qt::Key_Delete, 0x6E}, {Qt::Key_Insert, 0x60},
    {Qt::Key_End, 0x61},      {Qt::Key_Down, 0x62},   {Qt::Key_PageDown, 0x63},
    {Qt::Key_Left, 0x64},     {Qt::Key_Clear, 0x65},  {Qt::Key_Right, 0x66},
    {Qt::Key_Home, 0x67},     {Qt::Key_Up, 0x68},     {Qt::Key_PageUp, 0x69},
};

std::uint8_t lookUp(std::span<const KeyCode> table, int key) {
    for (const KeyCode& k : table) {
        if (k.key == key) {
            return k.vk;
        }
    }
    return 0;
}

} // namespace

std::uint8_t virtualKeyOf(const QKeyEvent& event) {
#ifdef Q_OS_WIN
    return static_cast<std::uint8_t>(event.nativeVirtualKey() & 0xFF);
#else
    const int key = event.key();
    const quint32 sym = event.nativeVirtualKey();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            return static_cast<std::uint8_t>(0x60 + (key - Qt::Key_0));
        }
        if (const std::uint8_t vk = lookUp(kKeypad, key)) {
            return vk;
        }
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<std::uint8_t>(0x41 + (key - Qt::Key_A));
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<std::uint8_t>(0x30 + (key - Qt::Key_0));
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<std::uint8_t>(0x70 + (key - Qt::Key_F1));
    }
    switch (key) {
    case Qt::Key_Shift:
        return sym == kXkShiftR ? 0xA1 : 0xA0;
    case Qt::Key_Control:
        return sym == kXkControlR ? 0xA3 : 0xA2;
    case Qt::Key_Alt:
        return sym == kXkAltR ? 0xA5 : 0xA4;
    case Qt::Key_Meta:
        return sym == kXkSuperR ? 0x5C : 0x5B;
    case Qt::Key_Enter:
        return 0x6C;
    default:
        return lookUp(kKeys, key);
    }
#endif
}

WindowKeyHook::WindowKeyHook() = default;

WindowKeyHook::~WindowKeyHook() {
    removehook();
}

bool WindowKeyHook::installhook(QWidget*, int mode, Receiver receiver) {
    if (installed_ || !QCoreApplication::instance() || !receiver) {
        return false;
    }
    receiver_ = std::move(receiver);
    mode_ = mode;
    QCoreApplication::instance()->installEventFilter(this);
    installed_ = true;
    return true;
}

void WindowKeyHook::removehook() {
    if (!installed_) {
        return;
    }
    installed_ = false;
    receiver_ = nullptr;
    if (QCoreApplication::instance()) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool WindowKeyHook::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!installed_ || (type != QEvent::KeyPress && type != QEvent::KeyRelease)) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool release = type == QEvent::KeyRelease;
    // Auto-repeat comes as release-press pairs on some systems: one
    // keystroke is one press and one release.
    if (key->isAutoRepeat() || (release && mode_ == kKeystrokes)) {
        return true;
    }
    if (const std::uint8_t vk = virtualKeyOf(*key); vk != 0) {
        Receiver deliver = receiver_; // the receiver may remove the hook
        deliver(MacroEventRecorded{vk, release});
    }
    return true;
}

} // namespace vantrel::ui
