// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/program_bindings.h"
#include "core/util/result.h"

#include <string>
#include <vector>

namespace vantrel::platform {

// A top-level window open now: its title and the program it belongs to, in
// the words the bindings use (either part of `program` may be empty).
struct OpenWindow {
    std::string title;
    FrontProgram program;
};

// The windows of the session as the window manager lists them (X11:
// _NET_CLIENT_LIST, in the order of mapping). Unsupported, with the reason
// as a sentence, where the session does not tell (Wayland); nothing on
// Windows for now.
Result<std::vector<OpenWindow>> listOpenWindows();

} // namespace vantrel::platform
