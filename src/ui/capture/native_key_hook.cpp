// SPDX-License-Identifier: MIT
#include "ui/capture/native_key_hook.h"

#include "platform/native_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace vantrel::ui {
namespace {

struct QtKeyCode {
    int key;
    std::uint8_t vk;
};

// For events without a native code (synthesised ones, or a platform that
// reports none): Qt's key names the key but not its side.
constexpr QtKeyCode kQtKeys[] = {
    {Qt::Key_Escape, 0x1B},       {Qt::Key_Tab, 0x09},         {Qt::Key_Backtab, 0x09},
    {Qt::Key_Backspace, 0x08},    {Qt::Key_Return, 0x0D},      {Qt::Key_Enter, 0x6C},
    {Qt::Key_Insert, 0x2D},       {Qt::Key_Delete, 0x2E},      {Qt::Key_Pause, 0x13},
    {Qt::Key_Print, 0x2C},        {Qt::Key_Home, 0x24},        {Qt::Key_End, 0x23},
    {Qt::Key_Left, 0x25},         {Qt::Key_Up, 0x26},          {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},         {Qt::Key_PageUp, 0x21},      {Qt::Key_PageDown, 0x22},
    {Qt::Key_Shift, 0xA0},        {Qt::Key_Control, 0xA2},     {Qt::Key_Alt, 0xA4},
    {Qt::Key_AltGr, 0xA5},        {Qt::Key_Meta, 0x5B},        {Qt::Key_Super_L, 0x5B},
    {Qt::Key_Super_R, 0x5C},      {Qt::Key_Menu, 0x5D},        {Qt::Key_CapsLock, 0x14},
    {Qt::Key_NumLock, 0x90},      {Qt::Key_ScrollLock, 0x91},  {Qt::Key_Space, 0x20},
    {Qt::Key_Minus, 0xBD},        {Qt::Key_Equal, 0xBB},       {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BracketRight, 0xDD}, {Qt::Key_Backslash, 0xDC},   {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Apostrophe, 0xDE},   {Qt::Key_QuoteLeft, 0xC0},   {Qt::Key_Comma, 0xBC},
    {Qt::Key_Period, 0xBE},       {Qt::Key_Slash, 0xBF},       {Qt::Key_VolumeUp, 0xAF},
    {Qt::Key_VolumeDown, 0xAE},   {Qt::Key_VolumeMute, 0xAD},  {Qt::Key_MediaTogglePlayPause, 0xB3},
    {Qt::Key_MediaPlay, 0xB3},    {Qt::Key_MediaNext, 0xB0},   {Qt::Key_MediaPrevious, 0xB1},
    {Qt::Key_MediaStop, 0xB2},    {Qt::Key_LaunchMedia, 0xB5},
};

// Keys of the keypad whose main-block twins have other codes.
constexpr QtKeyCode kQtKeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Slash, 0x6F}, {Qt::Key_Enter, 0x6C},
};

std::optional<std::uint8_t> fromQtKey(int key, bool keypad) {
    if (keypad) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            return static_cast<std::uint8_t>(0x60 + (key - Qt::Key_0));
        }
        for (const auto& k : kQtKeypadKeys) {
            if (k.key == key) {
                return k.vk;
            }
        }
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return static_cast<std::uint8_t>(key); // Qt numbers them as Windows does
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<std::uint8_t>(0x70 + (key - Qt::Key_F1));
    }
    for (const auto& k : kQtKeys) {
        if (k.key == key) {
            return k.vk;
        }
    }
    return std::nullopt;
}

// Platforms without a window system to grab from.
bool grabsAtAll() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

bool isKeyEvent(QEvent::Type t) {
    return t == QEvent::KeyPress || t == QEvent::KeyRelease || t == QEvent::ShortcutOverride;
}

} // namespace

NativeKeyHook::NativeKeyHook(QObject* parent) : QObject(parent) {}

NativeKeyHook::~NativeKeyHook() {
    removehook();
}

std::optional<std::uint8_t> NativeKeyHook::virtualKeyOf(const QKeyEvent& event) {
#if defined(_WIN32)
    if (event.nativeVirtualKey() != 0) {
        return platform::virtualKeyFromWindows(event.nativeVirtualKey(), event.nativeScanCode());
    }
#elif !defined(__APPLE__)
    if (event.nativeScanCode() != 0) {
        return platform::virtualKeyFromXkbKeycode(event.nativeScanCode());
    }
#endif
    return fromQtKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

bool NativeKeyHook::installhook(QWidget* window, int mode, Receiver receiver) {
    removehook();
    if (!window || !receiver || !qApp) {
        return false;
    }
    window_ = window;
    mode_ = mode;
    receiver_ = std::move(receiver);
    qApp->installEventFilter(this);
    tryGrab();
    return true;
}

void NativeKeyHook::removehook() {
    if (!receiver_) {
        return;
    }
    receiver_ = nullptr;
    if (qApp) {
        qApp->removeEventFilter(this);
    }
    releaseGrab();
    window_.clear();
}

void NativeKeyHook::tryGrab() {
    if (grabbed_ || !window_ || !window_->isVisible() || !grabsAtAll()) {
        return;
    }
    QWindow* w = window_->window()->windowHandle();
    grabbed_ = w && w->setKeyboardGrabEnabled(true);
}

void NativeKeyHook::releaseGrab() {
    if (!grabbed_) {
        return;
    }
    grabbed_ = false;
    if (window_) {
        if (QWindow* w = window_->window()->windowHandle()) {
            w->setKeyboardGrabEnabled(false);
        }
    }
}

bool NativeKeyHook::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!isKeyEvent(type)) {
        // A window is granted the grab only once it is on the screen.
        if (!grabbed_ && window_ &&
            (watched == window_->window() || watched == window_->window()->windowHandle()) &&
            (type == QEvent::Expose || type == QEvent::Show || type == QEvent::FocusIn ||
             type == QEvent::WindowActivate)) {
            tryGrab();
        }
        return false;
    }
    auto& key = static_cast<QKeyEvent&>(*event);
    // Accepting the override keeps shortcuts from acting on the key; the
    // key itself is then swallowed below.
    key.accept();
    if (type == QEvent::ShortcutOverride || key.isAutoRepeat()) {
        return true;
    }
    const bool release = type == QEvent::KeyRelease;
    if (release && mode_ == kKeystrokes) {
        return true;
    }
    const auto vk = virtualKeyOf(key);
    if (vk) {
        // A copy: the receiver may remove the hook while it runs.
        const Receiver deliver = receiver_;
        deliver(MacroEventRecorded{*vk, release});
    }
    return true;
}

} // namespace vantrel::ui
