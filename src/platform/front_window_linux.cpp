// SPDX-License-Identifier: MIT
#include "core/util/path_text.h"
#include "platform/front_window.h"
#include "platform/front_window_parts.h"

#include <cstdlib>
#include <string_view>

namespace vantrel::platform {
namespace {

bool contains(const char* text, std::string_view word) {
    return text != nullptr && std::string_view(text).find(word) != std::string_view::npos;
}

} // namespace

std::string executableOf(long pid) {
    if (pid <= 0) {
        return {};
    }
    std::error_code ec;
    const auto exe = std::filesystem::canonical("/proc/" + std::to_string(pid) + "/exe", ec);
    return ec ? std::string() : pathText(exe);
}

Result<std::unique_ptr<FrontWindowWatcher>> watchFrontWindow() {
    const char* session = std::getenv("XDG_SESSION_TYPE");
    if (std::getenv("WAYLAND_DISPLAY") == nullptr && !contains(session, "wayland")) {
        return watchX11();
    }
    // Under Wayland, X11's active window would name only the programs that
    // run through Xwayland: the compositor alone knows the rest.
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    if (contains(desktop, "GNOME")) {
        return makeError(ErrorCode::Unsupported,
                         "GNOME on Wayland tells no program which window is in front "
                         "without an extension");
    }
    auto wlr = watchWlrToplevels(nullptr);
    if (!wlr && wlr.error().code == ErrorCode::Unsupported && contains(desktop, "KDE")) {
        // KWin lists its windows only to Plasma's own programs; its
        // scripting tells anyone on the session bus.
        return watchKWin(nullptr);
    }
    return wlr;
}

} // namespace vantrel::platform
