// SPDX-License-Identifier: MIT
#pragma once

#include "core/macro/macro_event.h"
#include "core/macro/macro_streams.h"
#include "core/model/key_names.h"
#include "core/util/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// A macro's events as typed: "A:dn 120ms A:up". NAME:dn presses, NAME:up
// releases a key (key names as parseKeyCode; the mouse buttons are MsLB, MsRB
// and MsMB); "120ms" is the delay (2 to 60000) before the next event. Words
// are separated by blanks or commas. The first event has no delay, a delay
// must be followed by an event, and the events must fit in 190 bytes.
Result<std::vector<MacroEvent>> parseMacroEvents(const KeyNameTable& names, std::string_view text);

// The same notation for stored events, so that show and add round-trip.
std::string formatMacroEvents(const MacroStreams& streams, const KeyNameTable& names);

} // namespace vantrel
