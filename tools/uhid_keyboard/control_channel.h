// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"
#include "uhid_keyboard.h"

#include <functional>
#include <string>
#include <string_view>

namespace vantrel::uhid {

// One line of the control channel, turned into what it asks the keyboard
// to do (run on the serving thread). The lines:
//
//   lighting effect|speed|brightness|direction|wrist-effect VALUE
//   launch-key CODE              a key bound to a launch action is pressed
//   notify B0 B1 B2 B3           any notification report (hex bytes)
//   unplug | replug | unplug-after TRANSFERS
//   drop-acks on|off | drop-next-acks N | drop-acks-for CODE | delay-acks MS
//   short-replies N | garbage-replies N
//   save                         writes the --sim-state file now
//   quit
struct ControlRequest {
    bool quit = false;
    bool save = false;
    std::function<Status(UhidKeyboard&)> action; // empty for quit and save
};

Result<ControlRequest> parseControlLine(std::string_view line);

// The usage text of the lines above.
const char* controlHelp();

} // namespace vantrel::uhid
