// SPDX-License-Identifier: MIT
#pragma once

#include "core/macro/macro_table.h"
#include "core/model/assignment_commit.h"
#include "core/model/key_names.h"
#include "core/util/result.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// Turns the words of an assignment target into the pending values for the
// key at `keyIndex`:
//   key NAME                              another key
//   combo NAME+NAME[+NAME]                a combination of up to three keys
//   macro N | macro NAME                  macro N of the list (or by name)
//   function NAME                         a basic function, by its name in
//                                         any interface language or its
//                                         command-line name
//   launch music|program|file|folder PATH launch a path (at most 255 characters)
//   disable                               the key gives nothing
//   default                               the key's factory function back
// Bad input gives InvalidArgument naming the word at fault. The macro number
// and the key codes are checked again by the commit.
Result<PendingAssignment> parseAssignmentTarget(std::span<const std::string> words,
                                                const KeyNameTable& names, const MacroTable& macros,
                                                std::size_t keyIndex, UiLanguage language);

// "NAME+NAME[+NAME]" into virtual-key codes; a "+" where a name should start
// is the plus key itself ("LCtrl++").
Result<std::vector<std::uint8_t>> parseKeyCombination(const KeyNameTable& names,
                                                      std::string_view text);

// The basic function named in any interface language or by its command-line name
// (the latter without regard to case). Group headers are refused.
Result<const BasicFunction*> parseBasicFunction(std::string_view name);

// The words that parseAssignmentTarget turns back into the record's
// assignment ("key B", "combo LCtrl+C", "macro 2", "function mute",
// "launch program PATH", "default"); a record cleared by the dialog gives
// "cleared". Whether the key is disabled lives in the image, not here.
std::vector<std::string> describeAssignment(const AssignmentRecord& record,
                                            const KeyNameTable& names);

} // namespace vantrel
