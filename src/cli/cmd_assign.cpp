// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/edit_steps.h"
#include "core/model/assignment_commit.h"
#include "core/model/assignment_parser.h"
#include "core/model/key_positions.h"
#include "core/model/key_reference.h"
#include "core/util/utf.h"
#include "platform/launcher.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <span>

namespace vantrel::cli {

namespace {

constexpr const char* kAssignHelp =
    "\n"
    "KEY is a key of the keyboard: its position number (0 to 107, or #N) or\n"
    "its name (Esc, F1, A, LCtrl, Enter, Enter-num, Fn, ...). A digit alone\n"
    "is both a position and a key name: write #N for the position or the\n"
    "position number of the digit key.\n"
    "\n"
    "TARGET is what the key does from now on:\n"
    "  key NAME                           another key\n"
    "  combo NAME+NAME[+NAME]             up to three keys pressed together\n"
    "  macro N                            macro N of 'vantrelctl macro list' (0-31)\n"
    "  function NAME                      a multimedia or shortcut function\n"
    "                                     (its name in any interface language,\n"
    "                                     or its short name)\n"
    "  launch music|program|file|folder PATH\n"
    "                                     open PATH when the key is pressed\n"
    "                                     (at most 255 characters)\n"
    "  disable                            the key gives nothing\n"
    "  default                            the key's factory function back\n"
    "\n"
    "The assignment is saved in keymap.bin and sent to the keyboard at once.\n";

bool allDigits(std::string_view w) {
    return !w.empty() && std::all_of(w.begin(), w.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

Error badKey(std::string message) {
    return makeError(ErrorCode::InvalidArgument, std::move(message));
}

// A position number, "#N" or a key name. The digits 0 to 9 are both a
// position and a key name; rather than guess, ask for the "#" form.
Result<std::size_t> parseKeyArgument(const KeyNameTable& names, std::string_view word) {
    if (allDigits(word)) {
        std::size_t n = kKeyPositionCount;
        std::from_chars(word.data(), word.data() + word.size(), n);
        if (n >= kKeyPositionCount) {
            return badKey("there is no key position " + std::string(word) +
                          "; positions are 0 to 107.");
        }
        if (const auto named = parseKeyPosition(names, word); named) {
            return badKey("\"" + std::string(word) + "\" is ambiguous: it is key position " +
                          std::to_string(n) + " and the key named " + std::string(word) +
                          " (position " + std::to_string(*named) + "); write #" +
                          std::to_string(n) + " for the position or #" + std::to_string(*named) +
                          " for the key.");
        }
        return n;
    }
    auto position = parseKeyPosition(names, word);
    if (!position) {
        const bool ambiguous = position.error().message.find("ambiguous") != std::string::npos;
        return badKey(position.error().message +
                      (ambiguous ? "; give the key's position number (0 to 107) instead."
                                 : "; see 'vantrelctl assign --help' for how to name a key."));
    }
    return *position;
}

Status checkAssign(const std::vector<std::string>& args, const std::filesystem::path&) {
    if (args.size() < 2) {
        return makeError(ErrorCode::InvalidArgument,
                         "assign needs a KEY and a TARGET, such as 'assign F1 key Esc'; see "
                         "'vantrelctl assign --help'.");
    }
    // Everything that does not depend on the macro list is checked here;
    // macro names and numbers are checked against MacroDefine.bin before the
    // keyboard is opened.
    const KeyNameTable names = BuildKeyNameTable();
    if (auto position = parseKeyArgument(names, args[0]); !position) {
        return position.error();
    }
    return Status::success();
}

std::string joined(const std::vector<std::string>& words) {
    std::string out;
    for (const auto& w : words) {
        out += (out.empty() ? "" : " ") + w;
    }
    return out;
}

// A key press starts the path from wherever the desktop program runs, so a
// bare or relative path is made whole now, while the user can still be told.
Status resolveLaunchTarget(PendingAssignment& p) {
    if (!isAdvancedKind(p.PendingKind)) {
        return Status::success();
    }
    auto resolved = platform::resolveLaunchPath(static_cast<AssignmentKind>(p.PendingKind),
                                                utf16ToUtf8(p.PendingPath));
    if (!resolved) {
        return makeError(resolved.error().code,
                         resolved.error().message + "; see 'vantrelctl assign --help'.");
    }
    auto path = utf8ToUtf16(*resolved);
    if (!path || path->size() > record::kMaxPathLength) {
        return makeError(ErrorCode::InvalidArgument,
                         "the full path " + *resolved +
                             " is longer than the 255 characters a key assignment holds.");
    }
    p.PendingPath = std::move(*path);
    return Status::success();
}

int runAssign(Context& context, const std::vector<std::string>& args) {
    ConfiguratorModel& m = context.model();
    const auto position = parseKeyArgument(m.keyNames(), args[0]);
    if (!position) {
        return context.fail(position.error());
    }
    // A MacroDefine.bin of the wrong size reads as no macros here; loading it
    // below moves it aside and says so.
    if (Status s = peekMacroFile(context.dataFolder().macros(), m.macros());
        !s && s.error().code != ErrorCode::BadFile) {
        return context.fail(s.error());
    }
    const std::span<const std::string> target(args.begin() + 1, args.end());
    auto pending = parseAssignmentTarget(target, m.keyNames(), m.macros(), *position, UiLanguage{});
    if (!pending) {
        return context.fail(makeError(pending.error().code,
                                      pending.error().message +
                                          "; see 'vantrelctl assign --help' for the targets."));
    }
    if (Status s = resolveLaunchTarget(*pending); !s) {
        return context.fail(s.error());
    }
    if (Status s = validateAssignment(m, *pending); !s) {
        const bool macro = pending->PendingKind == static_cast<std::uint8_t>(AssignmentKind::Macro);
        return context.fail(makeError(
            s.error().code, s.error().message + (macro ? "; 'vantrelctl macro list' shows them."
                                                       : "; see 'vantrelctl assign --help'.")));
    }

    if (Status s = loadMacros(context); !s) {
        return context.fail(s.error());
    }
    if (Status s = context.connect(); !s) {
        return context.fail(s.error());
    }
    // As before the assignment dialog: the saved assignments replace any
    // unsaved ones, the image stays as read from the keyboard.
    const auto keymap = context.dataFolder().keymap();
    if (auto r = LoadKeymapFile(keymap, m.image(), m.assignments(), true); !r) {
        return context.fail(r.error());
    }
    if (Status s = assignKey(m, *pending, keymap); !s) {
        return context.fail(s.error());
    }
    if (Status s = sendEdits(context, "run the same command again once the keyboard answers.");
        !s) {
        return context.fail(s.error());
    }
    const std::size_t i = *position;
    const bool enabled = m.image().keyEnabled(KeyPositionEnableBit(i));
    context.print("%s: %s%s\n", keyLabel(m.keyNames(), i).c_str(),
                  joined(describeAssignment(m.assignments()[i], m.keyNames())).c_str(),
                  enabled ? "" : " (disabled)");
    return kExitOk;
}

} // namespace

CliCommand assignCommand() {
    return {"assign",    "KEY TARGET", "give a key another function and send it to the keyboard",
            kAssignHelp, checkAssign,  runAssign};
}

} // namespace vantrel::cli
