// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/program_bindings.h"
#include "core/util/result.h"

#include <functional>
#include <memory>
#include <optional>

namespace vantrel::platform {

// Tells which program's window is in front, without polling: the caller
// waits until descriptor() is readable (a socket notifier) and then calls
// takeChanges(). Where the system hands the news to the thread's message
// loop instead of a descriptor (Windows), descriptor() is -1 and the watcher
// calls the function given to setWake() from that loop.
class FrontWindowWatcher {
public:
    virtual ~FrontWindowWatcher() = default;
    // What is in front now (empty parts where the system does not say).
    virtual FrontProgram current() = 0;
    virtual int descriptor() const = 0;
    virtual void setWake(std::function<void()> wake) { (void)wake; }
    // Reads what the system sent: the program in front when the front
    // window changed, nothing otherwise. Io once the connection is lost.
    virtual Result<std::optional<FrontProgram>> takeChanges() = 0;
};

// The watcher for this session: X11 through _NET_ACTIVE_WINDOW, Wayland
// compositors that list their windows to other programs (wlr foreign
// toplevels; these name no process, only the app_id), KDE Plasma on
// Wayland through a KWin script, Windows through its foreground event.
// Unsupported, with the reason as a sentence, where the session does not
// tell (GNOME on Wayland).
Result<std::unique_ptr<FrontWindowWatcher>> watchFrontWindow();

// The executable of process `pid` as the bindings name it: /proc/PID/exe
// with its links resolved, or the process's image path on Windows; empty
// when the process is gone or not ours to see.
std::string executableOf(long pid);

} // namespace vantrel::platform
