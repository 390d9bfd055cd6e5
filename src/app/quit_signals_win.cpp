// SPDX-License-Identifier: MIT
// The console's control events and the session's end; POSIX signals are in
// quit_signals.cpp.
#ifdef _WIN32

#include "app/quit_signals.h"
#include "ui/native_message_window.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWinEventNotifier>
#include <atomic>
#include <windows.h>

namespace vantrel::app {
namespace {

// The system ends the program this long after a console close or the
// session's end; what must be kept has to be written before.
constexpr DWORD kConsoleCloseWaitMs = 4500;
constexpr int kSessionEndWaitMs = 4000;

// The console handler runs on a thread of the system's and gets no
// argument of ours: it finds the two events here. It only sets the first,
// which the window's thread watches, and on a console close waits for the
// second, set once the program has finished. One per process, and left to
// the system at exit: a handler that read it may still be using it.
struct ConsoleRelay {
    HANDLE requested = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};
std::atomic<ConsoleRelay*> consoleRelay{nullptr};

BOOL WINAPI onConsoleEvent(DWORD event) {
    ConsoleRelay* relay = consoleRelay.load();
    if (relay == nullptr) {
        return FALSE;
    }
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        SetEvent(relay->requested);
        return TRUE;
    case CTRL_CLOSE_EVENT:
        // The process ends as soon as this returns.
        SetEvent(relay->requested);
        WaitForSingleObject(relay->finished, kConsoleCloseWaitMs);
        return TRUE;
    default:
        return FALSE; // log-off and shut-down reach services only
    }
}

// Sees the application being told to quit, however it is told.
class QuitSeen : public QObject {
public:
    explicit QuitSeen(QEventLoop& loop) : loop_(loop) { qApp->installEventFilter(this); }
    ~QuitSeen() override { qApp->removeEventFilter(this); }
    bool seen() const { return seen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::Quit) {
            seen_ = true;
            loop_.quit();
        }
        return false;
    }

private:
    QEventLoop& loop_;
    bool seen_ = false;
};

} // namespace

struct QuitSignals::Windows final : QAbstractNativeEventFilter {
    QuitSignals& owner;
    ConsoleRelay* relay = new ConsoleRelay;
    QWinEventNotifier notifier{relay->requested};
    // Broadcasts reach top-level windows only, and Qt's may be none.
    ui::NativeMessageWindow sessionWindow{ui::NativeMessageWindow::Kind::TopLevel,
                                          L"VANTREL session"};
    bool sessionEnding = false;

    explicit Windows(QuitSignals& o) : owner(o) {
        QObject::connect(&notifier, &QWinEventNotifier::activated, &owner, [this] {
            if (owner.quit_) {
                owner.quit_();
            }
        });
        consoleRelay.store(relay);
        SetConsoleCtrlHandler(onConsoleEvent, TRUE);
        qApp->installNativeEventFilter(this);
    }

    ~Windows() override {
        qApp->removeNativeEventFilter(this);
        SetConsoleCtrlHandler(onConsoleEvent, FALSE);
        consoleRelay.store(nullptr);
        SetEvent(relay->finished);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "windows_generic_MSG" || message == nullptr) {
            return false;
        }
        const MSG& msg = *static_cast<const MSG*>(message);
        // Only the end itself: after the query another program may still
        // refuse, and the session goes on with this one closed for nothing.
        // Every top-level window hears it; the first one acts.
        if (msg.message != WM_ENDSESSION || msg.wParam == FALSE || sessionEnding) {
            return false;
        }
        sessionEnding = true;
        endSession();
        return false; // Qt's own handling follows
    }

    // Runs `quit` and the event loop until the application is told to
    // quit: a busy window closes only after its sequence ends.
    void endSession() {
        QEventLoop loop;
        QuitSeen quitSeen(loop);
        if (owner.quit_) {
            owner.quit_();
        }
        if (quitSeen.seen()) {
            return;
        }
        QTimer::singleShot(kSessionEndWaitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

QuitSignals::QuitSignals(std::function<void()> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit)) {
    if (qApp != nullptr) {
        windows_ = std::make_unique<Windows>(*this);
    }
}

QuitSignals::~QuitSignals() = default;

} // namespace vantrel::app

#endif
