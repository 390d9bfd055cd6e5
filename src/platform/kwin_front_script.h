// SPDX-License-Identifier: MIT
// The KWin script through which KDE Plasma's Wayland session tells us which
// window is in front: KWin runs it and it calls back over the session bus.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::platform {

// Where and how the script calls back: Activated(CLASS, PID) with the
// window's class (its app_id on Wayland) and its process, "" and 0 when no
// window is in front. PID arrives as a JavaScript number, a double.
inline constexpr std::string_view kFrontWindowPath = "/io/github/vantrel/FrontWindow";
inline constexpr std::string_view kFrontWindowInterface = "io.github.vantrel.FrontWindow";
inline constexpr std::string_view kFrontWindowMethod = "Activated";

// The script's text, calling back to the bus name `service` (our own
// connection's unique name). It speaks both Plasma 5's and Plasma 6's
// names of the same signal and property.
std::string kwinFrontScript(std::string_view service);

} // namespace vantrel::platform
