// SPDX-License-Identifier: MIT
// The Linux watchers that watchFrontWindow() chooses between.
#pragma once

#include "platform/front_window.h"

namespace vantrel::platform {

// X11 through an EWMH window manager's _NET_ACTIVE_WINDOW (the X display of
// DISPLAY).
Result<std::unique_ptr<FrontWindowWatcher>> watchX11();

// A Wayland compositor that lists its windows to other programs (wlr
// foreign-toplevel management: sway, Hyprland, labwc, river, Wayfire), over
// a connection of its own to `display` (nullptr: WAYLAND_DISPLAY's).
// Unsupported when there is no such compositor.
Result<std::unique_ptr<FrontWindowWatcher>> watchWlrToplevels(const char* display);

// KDE Plasma's Wayland session: KWin runs a script of ours that reports
// each activated window over the session bus (`address`; nullptr: the
// session's own). Unsupported when KWin is not on that bus.
Result<std::unique_ptr<FrontWindowWatcher>> watchKWin(const char* address);

} // namespace vantrel::platform
